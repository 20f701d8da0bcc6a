// The user's two stores read from arbitrary files: the formmailer list
// (formmailers.xml) and the field templates (vorlagen.xml). The input holds
// both files, separated by a NUL byte. Whatever is read must write back and
// read again the same.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "model/FormMailerManager.h"
#include "model/formfieldtemplatemanager.h"

using namespace fuzzsupport;

namespace {

// A list that does not read as XML is set aside before a fresh one is
// written: the copy beside it must hold exactly the old bytes. The copy is
// removed so that every input starts with the same folder.
void CheckSetAside(const std::string& file, const std::string& oldBytes) {
  const std::string aside = file + ".damaged";
  if (std::filesystem::exists(aside)) {
    std::ifstream in(aside, std::ios::binary);
    const std::string kept((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    FUZZ_CHECK(kept == oldBytes);
    std::filesystem::remove(aside);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  InitPlatform();
  const std::vector<std::string> files = SplitInput(data, size, 2);

  WriteFile(TFormMailerManager::GetFileName(), files[0]);
  const std::vector<std::string> links = TFormMailerManager::LoadLinks();
  FUZZ_CHECK(TFormMailerManager::SaveLinks(links));
  CheckSetAside(TFormMailerManager::GetFileName(), files[0]);
  FUZZ_CHECK(TFormMailerManager::LoadLinks() == links);

  WriteFile(TFormFieldTemplateManager::GetFileName(), files[1]);
  const std::vector<std::string> names = TFormFieldTemplateManager::GetTemplateNames();
  // Each readable template stored again as a new one, then removed again.
  const int count = static_cast<int>(names.size());
  for (int i = 0; i < count && i < 8; ++i) {
    std::unique_ptr<TFormField> field = TFormFieldTemplateManager::CreateFieldFromTemplate(i);
    if (!field) continue;
    FUZZ_CHECK(TFormFieldTemplateManager::AddTemplate(*field));
    CheckSetAside(TFormFieldTemplateManager::GetFileName(), files[1]);
    std::vector<std::string> added = TFormFieldTemplateManager::GetTemplateNames();
    FUZZ_CHECK(added.size() == names.size() + 1);
    FUZZ_CHECK(added.back() == field->Name);
    added.pop_back();
    FUZZ_CHECK(added == names);
    std::unique_ptr<TFormField> copy = TFormFieldTemplateManager::CreateFieldFromTemplate(count);
    FUZZ_CHECK(copy && copy->ClassName() == field->ClassName());
    FUZZ_CHECK(TFormFieldTemplateManager::DeleteTemplate(count));
    FUZZ_CHECK(TFormFieldTemplateManager::GetTemplateNames() == names);
  }
  (void)TFormFieldTemplateManager::CreateFieldFromTemplate(-1);
  (void)TFormFieldTemplateManager::GetTemplateNode(count);
  return 0;
}
