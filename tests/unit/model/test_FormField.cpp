// Field construction, the hand-over to the generators and the drop-down's
// recipient values.

#include "model/FormField.h"

#include <gtest/gtest.h>

#include "model/ProjectSettings.h"
#include "model/uCheckBoxListClass.h"
#include "model/uDropDownClass.h"
#include "model/uFileUploadClass.h"
#include "model/uMultiLineClass.h"
#include "model/uSingleLineClass.h"
#include "model/uZwFieldClass.h"

namespace {

TGenContext Context(const TProjectSettings& project, int layout) {
  TGenContext ctx;
  ctx.Layout = layout;
  ctx.Project = &project;
  return ctx;
}

TEST(FormFieldTest, NewCheckBoxesSubmitX) {
  EXPECT_EQ(TCheckBoxField().Vorgabewert, "x");
  EXPECT_EQ(TCheckBoxFieldSimple().Vorgabewert, "x");
  EXPECT_TRUE(TCheckBoxList().Items.empty());
  const TEinzField einz;
  EXPECT_EQ(einz.Vorgabewert, "");
  EXPECT_FALSE(einz.Pflicht);
  EXPECT_EQ(einz.PflichtTyp, 0);
}

TEST(FormFieldTest, MarkupCarriesTheFieldStyleFlagToTheGenerator) {
  TProjectSettings project;
  TEinzField field;
  field.Name = "email";
  const TGenContext ctx = Context(project, 0);
  EXPECT_NE(field.GetHtmlCode(true, ctx).find(" class=\"field\""), std::string::npos);
  const std::string plain = field.GetHtmlCode(false, ctx);
  EXPECT_NE(plain.find("email"), std::string::npos);
  EXPECT_EQ(plain.find(" class=\"field\""), std::string::npos);
}

TEST(FormFieldTest, NoGeneratorMeansEmptyText) {
  TProjectSettings project;
  TMehrzField field;
  field.Name = "text";
  field.Pflicht = true;
  field.Cookie = true;
  for (int layout : {-1, 2}) {
    const TGenContext ctx = Context(project, layout);
    EXPECT_EQ(field.GetHtmlCode(true, ctx), "");
    EXPECT_EQ(field.GetCheckScript(ctx), "");
    EXPECT_EQ(field.GetCookieLoadScript(ctx), "");
    EXPECT_EQ(field.GetCookieSaveScript(ctx), "");
    EXPECT_EQ(field.GetCounterScript(ctx), "");
  }
}

TEST(FormFieldTest, FileUploadAndIntermediateTextHaveNoCookieScripts) {
  TProjectSettings project;
  TFileField file;
  TZwField text;
  TEinzField einz;
  for (TFormField* f : {static_cast<TFormField*>(&file), static_cast<TFormField*>(&text),
                        static_cast<TFormField*>(&einz)}) {
    f->Name = "f";
    f->Cookie = true;
  }
  for (int layout : {0, 1}) {
    const TGenContext ctx = Context(project, layout);
    // A single-line field shows that cookie scripts are made in this layout.
    EXPECT_NE(einz.GetCookieLoadScript(ctx), "");
    EXPECT_EQ(file.GetCookieLoadScript(ctx), "");
    EXPECT_EQ(file.GetCookieSaveScript(ctx), "");
    EXPECT_EQ(text.GetCookieLoadScript(ctx), "");
    EXPECT_EQ(text.GetCookieSaveScript(ctx), "");
  }
}

TEST(FormFieldTest, ListItemsUseTheScriptsOfACheckBox) {
  TProjectSettings project;
  TCheckBoxField box;
  TCheckBoxFieldSimple item;
  for (TCheckBoxField* f : {&box, static_cast<TCheckBoxField*>(&item)}) {
    f->Name = "agree";
    f->Pflicht = true;
    f->Cookie = true;
  }
  for (int layout : {0, 1}) {
    const TGenContext ctx = Context(project, layout);
    EXPECT_NE(item.GetCookieLoadScript(ctx), "");
    EXPECT_EQ(item.GetCookieLoadScript(ctx), box.GetCookieLoadScript(ctx));
    EXPECT_EQ(item.GetCookieSaveScript(ctx), box.GetCookieSaveScript(ctx));
    EXPECT_EQ(item.GetHtmlCode(false, ctx), "");  // the list writes its items' markup
  }
}

TEST(FormFieldTest, MultiLineFieldsGetACounterInBothLayouts) {
  TProjectSettings project;
  TMehrzField field;
  field.Name = "message";
  field.MaxLaenge = "200";
  field.ZeichenAnzeige = true;
  for (int layout : {0, 1}) {
    EXPECT_NE(field.GetCounterScript(Context(project, layout)).find("message"), std::string::npos)
        << "layout " << layout;
  }
}

TEST(FormFieldTest, RecipientDropDownsScrambleTheirValues) {
  // "a@b.de", every byte XOR 0x5A, in Base64.
  const std::string scrambled = "Oxo4dD4/";
  struct Case {
    const char* name;
    bool crypt;
    bool scrambles;
  } cases[] = {
      {"admin", true, true},    {"admin1", true, true},  {"admin2", true, true},
      {"admin1", false, false}, {"Admin1", true, false}, {"ADMIN", true, false},
      {"admin3", true, false},  {"xadmin", true, false}, {"", true, false},
  };
  for (const Case& c : cases) {
    TProjectSettings project;
    project.cbCryptAddr = c.crypt;
    TDropDownField field;
    field.Name = c.name;
    EXPECT_EQ(field.GetOptionValue("a@b.de", Context(project, 0)),
              c.scrambles ? scrambled : "a@b.de")
        << c.name << " crypt " << c.crypt;
  }
  TDropDownField field;
  field.Name = "admin";
  EXPECT_EQ(field.GetOptionValue("a@b.de", TGenContext{}), "a@b.de");  // no project
}

}  // namespace
