#include "StandardScripts.h"

#include "HtmlTools.h"
#include "StandardSimpleCheckbox.h"
#include "model/uCheckBoxListClass.h"
#include "model/uDropDownClass.h"
#include "model/uMultiLineClass.h"
#include "model/uRadioButtonClass.h"
#include "model/uSingleLineClass.h"
#include "shell/QZPlatform.h"

namespace {

const std::string kEOL = "\r\n";

std::string Text(const TGenContext& ctx, const char* key) {
  return JsEscape(TQZPlatform::GetText(ctx.Language, key));
}

// The field's own message, or the default: text of keyBefore, the label, text
// of keyAfter, separated by blanks. Ready for the inside of "...".
std::string Message(const TFormField& field, const TGenContext& ctx, const char* keyBefore,
                    const char* keyAfter) {
  if (!field.Meldung.empty()) return JsEscape(field.Meldung);
  return Text(ctx, keyBefore) + " " + JsEscape(field.Beschriftung) + " " + Text(ctx, keyAfter);
}

// The body shared by the text checks after their condition line.
std::string TextCheckBody(const std::string& name, const std::string& message) {
  return "alert(\"" + message + "\");" + kEOL + "document.QZFORM." + name + ".focus();" + kEOL +
         "return false;" + kEOL + "}" + kEOL;
}

}  // namespace

std::string StdPresenceCheckScript(const TFormField& field, const TGenContext& ctx) {
  const std::string& n = field.Name;
  return "if(document.QZFORM." + n + ".value == \"\")  {" + kEOL +
         TextCheckBody(n, Message(field, ctx, "txtCalender3", "txtCalender4"));
}

std::string StdSingleLineCheckScript(const TEinzField& field, const TGenContext& ctx) {
  const std::string& n = field.Name;
  std::string condition;
  switch (field.PflichtTyp) {
    case 1:
      condition = "if(!document.QZFORM." + n +
                  ".value.match(/^[A-Z0-9._%-]+@[A-Z0-9.-]+\\.[A-Z]{2,6}$/i))  {";
      break;
    case 2:
      condition = "if((isNaN(str_replace(\",\",\".\",document.QZFORM." + n +
                  ".value))) || (document.QZFORM." + n + ".value == \"\"))  {";
      break;
    case 3:
      condition = "if(document.QZFORM." + n + ".value.length < " +
                  std::to_string(field.MindestLaenge) + ")  {";
      break;
    default:  // 0 and -1; the dialog stores no other kind, so anything else asks for input
      condition = "if(document.QZFORM." + n + ".value.trim() == \"\")  {";
      break;
  }
  return condition + kEOL + TextCheckBody(n, Message(field, ctx, "txtCalender3", "txtCalender4"));
}

std::string StdCheckboxCheckScript(const TFormField& field, const TGenContext& ctx) {
  const std::string& n = field.Name;
  return "if(document.QZFORM." + n + ".checked  == false)" + kEOL + "    {" + kEOL + "alert(\"" +
         Message(field, ctx, "txtCheckbox1", "txtCheckbox2") + "\");" + kEOL +
         "     document.QZFORM." + n + ".focus();" + kEOL + "     return false;" + kEOL + "    }" +
         kEOL;
}

std::string StdDropdownCheckScript(const TDropDownField& field, const TGenContext&) {
  const std::string& n = field.Name;
  const std::string min = (field.Groesse == "1" || field.Groesse == "0") ? "1" : "0";
  // This default has no language key: it is German in every interface language.
  const std::string message = field.Meldung.empty() ? "Bitte wählen Sie etwas im Feld " +
                                                          JsEscape(field.Beschriftung) + " aus!"
                                                    : JsEscape(field.Meldung);
  return "if (document.QZFORM." + n + ".selectedIndex < " + min + ")" + kEOL + "{" + kEOL +
         "alert(\"" + message + "\");" + kEOL + "document.QZFORM." + n + ".focus();" + kEOL +
         "return (false);" + kEOL + "}" + kEOL;
}

std::string StdRadioCheckScript(const TRadioField& field, const TGenContext& ctx) {
  const std::string& n = field.Name;
  const std::string message = field.Meldung.empty() ? Text(ctx, "txtRadioButtons0") + " " +
                                                          JsEscape(field.Beschriftung) + " "
                                                    : JsEscape(field.Meldung);
  return "var Option = false;" + kEOL + "for (i = 0;  i < document.QZFORM." + n + ".length;  i++)" +
         kEOL + "  {" + kEOL + "    if (document.QZFORM." + n + "[ i ].checked)" + kEOL +
         "        Option = true;" + kEOL + "  }" + kEOL + "  if (!Option)" + kEOL + "  {" + kEOL +
         "alert(\"" + message + "\");" + kEOL + "    return (false);" + kEOL + "  }" + kEOL;
}

std::string StdCheckboxListCheckScript(const TCheckBoxList& field, const TGenContext& ctx) {
  std::string s;
  if (field.Pflicht) {
    // The label is shown in double quotes, written as escapes inside the string.
    const std::string message = field.Meldung.empty() ? Text(ctx, "txtCheckboxList0") + " \\\"" +
                                                            JsEscape(field.Beschriftung) + "\\\" " +
                                                            Text(ctx, "txtCheckboxList1")
                                                      : JsEscape(field.Meldung);
    s += "{" + kEOL + "\t  $check = false;" + kEOL;
    for (const auto& item : field.Items)
      s += "\tif (document.QZFORM." + item->Name + ".checked) $check = true;" + kEOL;
    s += "\tif ($check==false)" + kEOL + "\t{" + kEOL + "\t\talert(\"" + message + "\");" + kEOL +
         "\t\treturn false;" + kEOL + "\t}" + kEOL + "}" + kEOL + kEOL;
  }
  for (const auto& item : field.Items) {
    if (!item->Pflicht) continue;
    TStandardSimpleCheckbox generator(*item, ctx);
    s += generator.GetCheckScript();
  }
  return s;
}

std::string StdTextCookieLoadScript(const TFormField& field) {
  const std::string& n = field.Name;
  return "   document.QZFORM." + n + ".value = GetCookie(\"" + JsEscape(n) + "\");" + kEOL + kEOL;
}

std::string StdTextCookieSaveScript(const TFormField& field) {
  const std::string& n = field.Name;
  return "   cookie_" + n + " = '" + JsEscape(n) + "=' + escape(document.QZFORM." + n + ".value);" +
         kEOL + "   document.cookie = cookie_" + n + ";" + kEOL + kEOL;
}

std::string StdCheckboxCookieLoadScript(const TFormField& field) {
  const std::string& n = field.Name;
  return "   if (GetCookie(\"" + JsEscape(n) + "\") == 'true') document.QZFORM." + n +
         ".checked  = true;" + kEOL + kEOL;
}

std::string StdCheckboxCookieSaveScript(const TFormField& field) {
  const std::string& n = field.Name;
  const std::string quoted = JsEscape(n);
  return "   if (document.QZFORM." + n + ".checked) cookie_" + n + " = '" + quoted + "=true';" +
         kEOL + "   else cookie_" + n + " = '" + quoted + "=false';" + kEOL +
         "   document.cookie = cookie_" + n + ";" + kEOL + kEOL;
}

std::string StdDropdownCookieLoadScript(const TFormField& field) {
  const std::string& n = field.Name;
  return "   document.QZFORM." + n + ".selectedIndex = GetCookie(\"" + JsEscape(n) + "\");" + kEOL +
         kEOL;
}

std::string StdDropdownCookieSaveScript(const TFormField& field) {
  const std::string& n = field.Name;
  return "   cookie_" + n + " = '" + JsEscape(n) + "=' + document.QZFORM." + n + ".selectedIndex;" +
         kEOL + "   document.cookie = cookie_" + n + ";" + kEOL + kEOL;
}

std::string StdRadioCookieLoadScript(const TFormField& field) {
  const std::string& n = field.Name;
  return "    i" + n + " = GetCookie(\"" + JsEscape(n) + "\");" + kEOL + "if (i" + n +
         " != \"\")   document.QZFORM." + n + "[i" + n + "].checked  = true;" + kEOL + kEOL;
}

std::string StdRadioCookieSaveScript(const TFormField& field) {
  const std::string& n = field.Name;
  return "    for (i = 0;  i < document.QZFORM." + n + ".length;  i++)" + kEOL + "\t\t{" + kEOL +
         "\t\t  if (document.QZFORM." + n + "[i].checked)" + kEOL + "\t\t  {" + kEOL +
         "\t\t      cookie_" + n + " = '" + JsEscape(n) + "=' + i;" + kEOL +
         "\t\t      document.cookie = cookie_" + n + ";" + kEOL + "\t\t  }" + kEOL + "\t\t}" +
         kEOL + kEOL;
}

std::string StdCheckboxListCookieLoadScript(const TCheckBoxList& field, const TGenContext& ctx) {
  std::string s;
  for (const auto& item : field.Items) {
    if (!item->Cookie) continue;
    TStandardSimpleCheckbox generator(*item, ctx);
    s += generator.GetCookieLoadScript();
  }
  return s;
}

std::string StdCheckboxListCookieSaveScript(const TCheckBoxList& field, const TGenContext& ctx) {
  std::string s;
  for (const auto& item : field.Items) {
    if (!item->Cookie) continue;
    TStandardSimpleCheckbox generator(*item, ctx);
    s += generator.GetCookieSaveScript();
  }
  return s;
}

std::string StdCounterScript(const TMehrzField& field) {
  if (field.MaxLaenge.empty()) return "";
  const std::string& n = field.Name;
  const std::string& max = field.MaxLaenge;
  std::string s = "<script type=\"text/javascript\">" + kEOL + "<!--" + kEOL + "function zaehle_" +
                  n + "()" + kEOL + "{" + kEOL + "\tif (window.document.QZFORM." + n +
                  ".value.length>" + max + ")" + kEOL + "\t{" + kEOL +
                  "\t\twindow.document.QZFORM." + n + ".value=formfeld;" + kEOL + " \t\treturn;" +
                  kEOL + "\t}" + kEOL + " \telse" + kEOL + "\t{" + kEOL +
                  "\t\tformfeld = window.document.QZFORM." + n + ".value;" + kEOL;
  if (field.ZeichenAnzeige)
    s += " \t\twindow.document.QZFORM.anzeige_" + n + ".value = " + max +
         "-window.document.QZFORM." + n + ".value.length;" + kEOL;
  s += "\t}" + kEOL + "}" + kEOL + "//--></script>" + kEOL;
  return s;
}
