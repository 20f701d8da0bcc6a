// The shipped language file: four complete languages with the same keys.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

#include "ShellTestSupport.h"
#include "shell/IniFile.h"
#include "shell/QZPlatform.h"

namespace {

const std::string kLangIni = std::string(QUAZEL_DATA_DIR) + "lang.ini";
const std::string kFrancais =
    "Fran\xC3\xA7"
    "ais";

std::vector<std::string> NamedKeys() {
  std::vector<std::string> keys = {"cboCheckType0",
                                   "cboCheckType1",
                                   "cboCheckType2",
                                   "cboCheckType3",
                                   "cboTabAusrichtung0",
                                   "cboTabAusrichtung1",
                                   "cboTabAusrichtung2",
                                   "280",
                                   "281",
                                   "ComboFormFieldSize0",
                                   "ComboFormFieldSize1",
                                   "ComboFormFieldSize2",
                                   "ComboFormType0",
                                   "ComboFormType1",
                                   "154",
                                   "txtMainFrmSave1",
                                   "txtMainFrmSave2",
                                   "txtMainFrmDelete",
                                   "MsgInformation",
                                   "txtMainFrmEmailField",
                                   "txtMainFrmCopyToClipboard1",
                                   "txtMainFrmCopyToClipboard2",
                                   "txtMainFrmExtUnknown",
                                   "txtMainFrmFileNotFound",
                                   "txtMainFrmNoQZFile",
                                   "txtCalender0",
                                   "txtCalender1",
                                   "txtCalender2",
                                   "txtCalender3",
                                   "txtCalender4",
                                   "txtCheckbox1",
                                   "txtCheckbox2",
                                   "txtCheckbox3",
                                   "txtCheckboxList0",
                                   "txtCheckboxList1",
                                   "txtMultiline0",
                                   "txtRadioButtons0",
                                   "txtSaveChanges",
                                   "txtStandardTemplateRecover",
                                   "CaltodayText",
                                   "CalcloseText",
                                   "CalprevText",
                                   "CalnextText",
                                   "CalcurrentText"};
  for (int n = 39; n <= 48; ++n) keys.push_back(std::to_string(n));
  for (const char* m :
       {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"}) {
    keys.push_back(std::string("cal") + m);
    keys.push_back(std::string("CalShort") + m);
  }
  for (const char* d : {"Mo", "Tu", "We", "Th", "Fr", "Sa", "Su"}) {
    keys.push_back(std::string("cal") + d);
    keys.push_back(std::string("longCal") + d);
  }
  return keys;
}

bool IsValidUtf8(const std::string& s) {
  for (size_t i = 0; i < s.size();) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    size_t extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : 9;
    if (extra == 9 || (extra > 0 && c < 0xC2) || i + extra >= s.size() + (extra ? 0 : 1))
      return false;
    for (size_t k = 1; k <= extra; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    i += extra + 1;
  }
  return true;
}

class ShippedLangIniTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(ini.LoadFromFile(kLangIni)) << kLangIni; }
  TIniFile ini;
};

TEST_F(ShippedLangIniTest, IsUtf8WithoutBomAndHasOnlySectionAndKeyLines) {
  std::string raw = shelltest::ReadFile(kLangIni);
  EXPECT_TRUE(IsValidUtf8(raw));
  EXPECT_NE(raw.rfind("\xEF\xBB\xBF", 0), 0u);
  std::istringstream lines(raw);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    bool section = line.front() == '[' && line.back() == ']';
    EXPECT_TRUE(section || line.find('=') != std::string::npos) << "stray line: " << line;
  }
}

TEST_F(ShippedLangIniTest, FourLanguagesWithTheSameKeysAndEveryNamedKey) {
  ASSERT_EQ(ini.SectionNames(),
            (std::vector<std::string>{"Deutsch", "English", kFrancais, "Italiano"}));
  std::vector<std::string> german = ini.KeyNames("Deutsch");
  std::set<std::string> keys(german.begin(), german.end());
  EXPECT_EQ(keys.size(), german.size()) << "a key appears twice";
  for (const auto& key : NamedKeys()) EXPECT_TRUE(keys.count(key)) << "missing key " << key;

  for (const auto& language : ini.SectionNames()) {
    std::vector<std::string> names = ini.KeyNames(language);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()), keys) << language;
    for (const auto& key : names) {
      std::string text = ini.Value(language, key).value_or("");
      EXPECT_FALSE(text.empty()) << language << "/" << key;
      // Texts end up inside script strings of the generated page, where a
      // quote or backslash would break the whole script.
      EXPECT_EQ(text.find_first_of("\"'\\"), std::string::npos) << language << "/" << key;
    }
  }
}

TEST_F(ShippedLangIniTest, GermanTypeAndLayoutNames) {
  const std::pair<const char*, const char*> expected[] = {
      {"39", "Einzeiliges Textfeld"}, {"40", "Password Textfeld"},  {"41", "Mehrzeiliges Textfeld"},
      {"42", "Liste/Dropdown Feld"},  {"43", "CheckBox"},           {"44", "Zwischentext"},
      {"45", "RadioButtons"},         {"46", "Datei-Upload Feld"},  {"47", "Checkbox-Liste"},
      {"48", "Kalender-Feld"},        {"280", "Standard-Formular"}, {"281", "Bootstrap-Formular"},
  };
  for (const auto& [key, text] : expected) EXPECT_EQ(ini.Value("Deutsch", key), text) << key;
}

TEST(ShippedLangIniLookupTest, GetTextReadsTheShippedFile) {
  auto services = std::make_shared<shelltest::TRecordingServices>();
  TQZPlatform::SetServices(services);
  TQZPlatform::SetProgramDir(QUAZEL_DATA_DIR);
  EXPECT_EQ(TQZPlatform::GetText("Deutsch", "cboTabAusrichtung1"), "rechts");
  EXPECT_EQ(TQZPlatform::GetText(kFrancais, "txtCheckbox3"), "oui");
  EXPECT_EQ(TQZPlatform::GetText("Francais", "txtCheckbox3"), "error");
  TQZPlatform::SetProgramDir("");
  TQZPlatform::SetServices(nullptr);
  EXPECT_TRUE(services->messages.empty());
}

}  // namespace
