#include "StandardMarkup.h"

#include "HtmlTools.h"
#include "model/uDropDownClass.h"

std::string StdFieldClass(bool useFieldClass) {
  return useFieldClass ? " class=\"field\"" : "";
}

std::string StdRowOpening(const std::string& label) {
  return "<tr><td align=\"right\"  valign=\"top\" class=\"my\" nowrap>" + label + "</td>" + kCRLF +
         "<td class=\"my\">" + kCRLF;
}

std::vector<std::string> ItemList(const std::string& felder) {
  return Split(felder, '#');
}

std::vector<TDropDownOption> DropDownOptions(const TDropDownField& field, const TGenContext& ctx) {
  std::vector<TDropDownOption> options;
  for (const std::string& item : ItemList(field.Felder)) {
    TDropDownOption option;
    const std::vector<std::string> parts = Split(item, '|');
    if (parts.size() == 2) {
      option.HasValue = true;
      option.Text = parts[0];
      option.Value = field.GetOptionValue(parts[1], ctx);
    } else {
      option.Text = item;
    }
    options.push_back(std::move(option));
  }
  return options;
}

std::string OptionTag(const TDropDownOption& option) {
  if (option.HasValue) return "<option value=\"" + option.Value + "\">" + option.Text + "</option>";
  return "<option>" + option.Text + "</option>";
}
