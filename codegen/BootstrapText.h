#pragma once
// Intermediate text in the Bootstrap layout: an empty label column and the
// text in the field column. It has no scripts.
#include "BootstrapGenerator.h"
#include "model/uZwFieldClass.h"

class TBootstrapText : public TBootstrapGenerator {
 public:
  using TBootstrapGenerator::TBootstrapGenerator;
  std::string GetHtmlCode() override;
  std::string GetCheckScript() override { return ""; }
};
