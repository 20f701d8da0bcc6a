#pragma once
// The base of the per-type, per-layout generators: each makes the markup, the
// check script and the cookie scripts of one field for one call.

#include <string>

#include "model/FormField.h"

class TFormFieldGenerator {
 public:
  TFormFieldGenerator(const TFormField& field, const TGenContext& ctx) : Field(field), Ctx(ctx) {}
  virtual ~TFormFieldGenerator() = default;

  const TFormField& Field;
  const TGenContext& Ctx;
  // Standard layout: add class="field" to the form elements.
  bool UseFieldClass = false;

  virtual std::string GetHtmlCode() = 0;
  virtual std::string GetCheckScript() = 0;
  virtual std::string GetCookieLoadScript() { return ""; }
  virtual std::string GetCookieSaveScript() { return ""; }
  // The character counter; only the multi-line generators make one.
  virtual std::string GetCounterScript() { return ""; }
};
