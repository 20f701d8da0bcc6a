#pragma once
// Multi-line text field in the Bootstrap layout. The text area has neither a
// key handler nor a display; the page still gets the field's counter function.
#include "BootstrapGenerator.h"
#include "model/uMultiLineClass.h"

class TBootstrapMultiLine : public TBootstrapGenerator {
 public:
  using TBootstrapGenerator::TBootstrapGenerator;
  std::string GetHtmlCode() override;
  std::string GetCheckScript() override;
  std::string GetCookieLoadScript() override;
  std::string GetCookieSaveScript() override;
  // The standard counter function zaehle_<Name>(); empty without MaxLaenge.
  std::string GetCounterScript() override;

 private:
  const TMehrzField& F() const { return static_cast<const TMehrzField&>(Field); }
};
