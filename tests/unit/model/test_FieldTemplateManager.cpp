#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProjectTestSupport.h"
#include "model/SafeFileWriter.h"
#include "model/formfieldtemplatemanager.h"

using namespace projecttest;

namespace {

// A field's stored form, for comparing fields.
std::string FieldXml(const TFormField& field) {
  pugi::xml_document doc;
  field.SaveToXML(doc.append_child("feld"));
  return SerializeXml(doc);
}

class FieldTemplateManagerTest : public FolderTest {
 protected:
  std::string File() { return TFormFieldTemplateManager::GetFileName(); }
};

TEST_F(FieldTemplateManagerTest, TheFileLivesInTheUserFolder) {
  EXPECT_EQ(File(), (userDir / "vorlagen.xml").string());
}

TEST_F(FieldTemplateManagerTest, StoredFieldsComeBackAsEqualFieldsInOrder) {
  const TProject sample = AllFieldsProject();
  for (const auto& field : sample.Fields)
    ASSERT_TRUE(TFormFieldTemplateManager::AddTemplate(*field));

  pugi::xml_document doc;
  ASSERT_TRUE(doc.load_file(File().c_str()));
  EXPECT_STREQ(doc.document_element().name(), "vorlagen");  // a new list's root
  EXPECT_STREQ(doc.document_element().first_child().name(), "feld");

  std::vector<std::string> names;
  for (const auto& field : sample.Fields) names.push_back(field->Name);
  EXPECT_EQ(TFormFieldTemplateManager::GetTemplateNames(), names);
  for (int i = 0; i < sample.Fields.Count(); ++i) {
    SCOPED_TRACE(names[i]);
    auto field = TFormFieldTemplateManager::CreateFieldFromTemplate(i);
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->ClassName(), sample.Fields[i].ClassName());
    EXPECT_EQ(FieldXml(*field), FieldXml(sample.Fields[i]));
  }
  EXPECT_EQ(TFormFieldTemplateManager::CreateFieldFromTemplate(sample.Fields.Count()), nullptr);
  EXPECT_EQ(TFormFieldTemplateManager::CreateFieldFromTemplate(-1), nullptr);
}

TEST_F(FieldTemplateManagerTest, TemplatesAreAddressedByPositionEvenWithEqualNames) {
  // A seed file as installed: its own root name, which is kept.
  WriteFile(File(),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<templates>\r\n"
            "  <feld><name>plz</name><typ>TEinzField</typ><groesse>5</groesse></feld>\r\n"
            "</templates>\r\n");
  TEinzField second;
  second.Name = "plz";
  second.Groesse = "7";
  ASSERT_TRUE(TFormFieldTemplateManager::AddTemplate(second));
  EXPECT_EQ(TFormFieldTemplateManager::GetTemplateNames(),
            (std::vector<std::string>{"plz", "plz"}));
  auto first = TFormFieldTemplateManager::CreateFieldFromTemplate(0);
  auto again = TFormFieldTemplateManager::CreateFieldFromTemplate(1);
  ASSERT_TRUE(first && again);
  EXPECT_EQ(dynamic_cast<TEinzField&>(*first).Groesse, "5");
  EXPECT_EQ(dynamic_cast<TEinzField&>(*again).Groesse, "7");

  const TTemplateNode node = TFormFieldTemplateManager::GetTemplateNode(1);
  ASSERT_TRUE(node.Node);
  EXPECT_STREQ(node.Node.child_value("groesse"), "7");
  EXPECT_STREQ(node.Node.parent().name(), "templates");
}

TEST_F(FieldTemplateManagerTest, AddingAndDeletingATemplateLeavesTheListAsItWas) {
  const TProject sample = ContactProject();
  for (const auto& field : sample.Fields)
    ASSERT_TRUE(TFormFieldTemplateManager::AddTemplate(*field));
  const std::string before = ReadFile(File());

  TRadioField extra;
  extra.Name = "extra";
  ASSERT_TRUE(TFormFieldTemplateManager::AddTemplate(extra));
  EXPECT_EQ(TFormFieldTemplateManager::GetTemplateNames().size(), 6u);
  ASSERT_TRUE(TFormFieldTemplateManager::DeleteTemplate(5));
  EXPECT_EQ(ReadFile(File()), before);

  // Deleting from the middle keeps the order of the rest.
  ASSERT_TRUE(TFormFieldTemplateManager::DeleteTemplate(1));
  EXPECT_EQ(TFormFieldTemplateManager::GetTemplateNames(),
            (std::vector<std::string>{"name", "betreff", "nachricht", "datenschutz"}));

  // A position outside the list changes nothing.
  const std::string now = ReadFile(File());
  EXPECT_FALSE(TFormFieldTemplateManager::DeleteTemplate(4));
  EXPECT_FALSE(TFormFieldTemplateManager::DeleteTemplate(-1));
  EXPECT_EQ(ReadFile(File()), now);
}

TEST_F(FieldTemplateManagerTest, MissingBrokenOrOddFilesReadAsEmptyAndNeverFail) {
  struct Case {
    const char* what;
    std::string file;  // empty: no file
    std::vector<std::string> names;
  };
  const std::vector<Case> cases = {
      {"no file", "", {}},
      {"not XML", "feld=name", {}},
      {"two roots", "<a><feld><name>x</name></feld></a><b/>", {}},
      {"template without name and with unknown type",
       "<v><feld><typ>TEinzField</typ></feld><feld><name>y</name><typ>TNeu</typ></feld></v>",
       {"", "y"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove(File());
    if (!c.file.empty()) WriteFile(File(), c.file);
    EXPECT_EQ(TFormFieldTemplateManager::GetTemplateNames(), c.names);
    EXPECT_FALSE(TFormFieldTemplateManager::DeleteTemplate(5));
  }
  // The unknown type of the last case gives no field instead of an error.
  EXPECT_NE(TFormFieldTemplateManager::CreateFieldFromTemplate(0), nullptr);
  EXPECT_EQ(TFormFieldTemplateManager::CreateFieldFromTemplate(1), nullptr);

  // A broken list is started afresh when a template is stored; the broken
  // file is kept beside it, each time under a name of its own.
  TZwField text;
  text.Name = "hinweis";
  for (const char* aside : {".damaged", ".damaged2"}) {
    WriteFile(File(), "<v><feld>");
    ASSERT_TRUE(TFormFieldTemplateManager::AddTemplate(text));
    EXPECT_EQ(TFormFieldTemplateManager::GetTemplateNames(), std::vector<std::string>{"hinweis"});
    EXPECT_EQ(ReadFile(File() + aside), "<v><feld>");
  }
}

}  // namespace
