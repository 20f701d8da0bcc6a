#include "BootstrapSimpleCheckbox.h"

std::string TBootstrapSimpleCheckbox::GetHtmlCode() {
  const TCheckBoxField& f = F();
  return "<input type=\"checkbox\" name=\"" + f.Name + "\" value=\"" + f.Vorgabewert +
         "\" class=\"checkbox\"> " + f.Beschriftung + "\r\n";
}
