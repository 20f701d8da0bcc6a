// Generates the whole page of a project read from arbitrary bytes: when the
// bytes load as a project, the page is built in both layouts with a fixed
// form number and converted to the project's encoding as the export does.

#include <cstdint>
#include <stdexcept>
#include <string>

#include "FuzzSupport.h"
#include "codegen/PageFile.h"
#include "codegen/uCodeExport.h"
#include "model/ProjectFile.h"

using namespace fuzzsupport;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  InitPlatform();
  const std::string path = (Scratch() / "input.qzf").string();
  WriteFile(path, std::string(reinterpret_cast<const char*>(data), size));

  TProject project;
  if (!LoadProject(path, project, TLoadEnv{}).Ok) return 0;

  TExportOptions options;
  options.FormId = 4711;
  for (int layout : {0, 1}) {
    std::string page;
    try {
      page = TExportFactory::BuildCode(layout, project, options);
    } catch (const EGenerateError&) {
      continue;  // an installed file is missing: reported to the user, no page
    } catch (const EInOutError&) {
      continue;
    }
    FUZZ_CHECK(!page.empty());
    // The same project and form number give the same page.
    FUZZ_CHECK(TExportFactory::BuildCode(layout, project, options) == page);
    try {
      (void)ConvertPageEncoding(page, project.Settings.encoding);
    } catch (const std::runtime_error&) {
      // the system has no converter for that code page
    }
  }
  return 0;
}
