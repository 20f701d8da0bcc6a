// quazel-benchgen FIELDS LAYOUT OUT.qzf: saves a synthetic project, so that
// the command line can be measured on it.
#include <cstdlib>
#include <iostream>
#include <string>

#include "SyntheticProject.h"
#include "model/ProjectFile.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: quazel-benchgen FIELDS LAYOUT OUT.qzf\n";
    return 64;
  }
  const int fields = std::atoi(argv[1]);
  const int layout = std::atoi(argv[2]);
  if (fields < 0 || (layout != 0 && layout != 1)) {
    std::cerr << "quazel-benchgen: FIELDS must be 0 or more and LAYOUT 0 or 1\n";
    return 64;
  }
  const LoadResult saved = SaveProject(argv[3], MakeSyntheticProject(fields, layout));
  if (!saved.Ok) {
    std::cerr << "quazel-benchgen: " << saved.Message << "\n";
    return 1;
  }
  return 0;
}
