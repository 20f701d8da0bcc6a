// Loads arbitrary bytes as a project file. A failed load must leave the open
// project as it was; a successful one must save to a file that loads back to
// the same project (save, load, save gives the same bytes).

#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "model/ProjectFile.h"

using namespace fuzzsupport;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  InitPlatform();
  const std::string path = (Scratch() / "input.qzf").string();
  WriteFile(path, std::string(reinterpret_cast<const char*>(data), size));

  const TLoadEnv env;
  static const TProject opened = [] {
    TProject p;
    p.Settings.edtFormTitel = "open project";
    p.Settings.HtmlTemplate = "<html><!-- FORM --></html>";
    return p;
  }();
  static const std::string openedXml = ProjectToXml(opened);

  TProject project = opened;
  const LoadResult result = LoadProject(path, project, env);
  if (!result.Ok) {
    FUZZ_CHECK(!result.ErrorKind.empty());
    FUZZ_CHECK(ProjectToXml(project) == openedXml);
    return 0;
  }

  // What the program writes, it must read back unchanged.
  const std::string saved = ProjectToXml(project);
  // Written plainly: safe saving has its own tests, and its fsync would slow
  // the fuzzer down a hundredfold.
  const std::string resavedPath = (Scratch() / "resaved.qzf").string();
  WriteFile(resavedPath, saved);
  TProject reopened;
  const LoadResult again = LoadProject(resavedPath, reopened, env);
  if (!again.Ok) std::fprintf(stderr, "%s\n", again.Details().c_str());
  FUZZ_CHECK(again.Ok);
  FUZZ_CHECK(ProjectToXml(reopened) == saved);
  return 0;
}
