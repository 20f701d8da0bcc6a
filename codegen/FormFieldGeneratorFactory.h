#pragma once
// Picks the generator of a field kind (0..9) and a layout (0 standard,
// 1 Bootstrap).

#include <memory>

#include "FormFieldGenerator.h"

class TFormFieldGeneratorFactory {
 public:
  TFormFieldGeneratorFactory() = delete;
  // A new generator for field, or nullptr for an unknown kind or layout.
  static std::unique_ptr<TFormFieldGenerator> CreateGenerator(int kind, int layout,
                                                              const TFormField& field,
                                                              const TGenContext& ctx);
};
