#pragma once
// The generators of the standard table layout, by field kind.

#include <memory>

#include "FormFieldGenerator.h"

// A new standard-layout generator for kind 0..9; nullptr for any other kind.
std::unique_ptr<TFormFieldGenerator> CreateStandardGenerator(int kind, const TFormField& field,
                                                             const TGenContext& ctx);
