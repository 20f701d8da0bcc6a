#pragma once
// File upload field in the Bootstrap layout; no cookie scripts.
#include "BootstrapGenerator.h"
#include "model/uFileUploadClass.h"

class TBootstrapFileUpload : public TBootstrapGenerator {
 public:
  using TBootstrapGenerator::TBootstrapGenerator;
  std::string GetHtmlCode() override;
  std::string GetCheckScript() override;
};
