// Fuzz targets only: flushing to disk does nothing. The safe-saving code still
// runs every step (temporary file, checked writes, rename); only the wait for
// the disk goes, which would otherwise bound the targets that save files to
// a few dozen inputs a second. Durability has its own tests.

#include <unistd.h>

extern "C" int fsync(int) {
  return 0;
}

extern "C" int fdatasync(int) {
  return 0;
}
