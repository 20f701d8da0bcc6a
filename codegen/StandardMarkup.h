#pragma once
// Markup pieces shared by the standard-layout generators; the item lists and
// the drop-down options serve the Bootstrap generators as well.

#include <string>
#include <vector>

#include "codegen/HtmlTools.h"
#include "model/FormField.h"

class TDropDownField;

// Line end of all generated code.
inline constexpr const char* kCRLF = "\r\n";

// ` class="field"` when useFieldClass is set, otherwise empty.
std::string StdFieldClass(bool useFieldClass);

// The two lines that open every standard field row (label cell, then the
// opening of the field cell), each ending in CR LF.
std::string StdRowOpening(const std::string& label);

// The whole row of a one-line input (type "text" or "password") of a field
// that has Vorgabewert, VorgabeLoeschen, Groesse and MaxLaenge (single-line,
// password).
template <class F>
std::string StdTextInputRow(const char* type, const F& f, bool useFieldClass) {
  return StdRowOpening(f.Beschriftung) + "<input type=\"" + type + "\" name=\"" + f.Name + "\" " +
         ValueAttr(f.VorgabeLoeschen, f.Vorgabewert) + " size=\"" + f.Groesse + "\" maxlength=\"" +
         f.MaxLaenge + "\"" + StdFieldClass(useFieldClass) + "> " + f.BeschriftungNach +
         "</td></tr>" + kCRLF;
}

// The items of a drop-down or radio list: Felder cut at "#", CR and LF outside
// quotes, leading blanks and tabs skipped, empty items dropped.
std::vector<std::string> ItemList(const std::string& felder);

// One drop-down choice. An item "text|value" (exactly two parts) has a value
// of its own, already passed through the field's GetOptionValue; any other
// item is shown whole, "|" included, and has no value attribute.
struct TDropDownOption {
  bool HasValue = false;
  std::string Text;
  std::string Value;
};

// The choices of the field's Felder, in order.
std::vector<TDropDownOption> DropDownOptions(const TDropDownField& field, const TGenContext& ctx);

// `<option value="V">T</option>` or `<option>T</option>`, without line end.
std::string OptionTag(const TDropDownOption& option);
