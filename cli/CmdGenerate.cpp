// export and new: filled in with the page generators and the default projects.
#include <iostream>

#include "CliCommands.h"

int RunExport(const CliArgs&) {
  std::cerr << "quazel-cli: export is not available in this build\n";
  return kExitGenerate;
}

int RunNew(const CliArgs&) {
  std::cerr << "quazel-cli: new is not available in this build\n";
  return kExitGenerate;
}
