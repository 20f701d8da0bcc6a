#pragma once
// The generators of the Bootstrap layout, by field kind.

#include <memory>

#include "FormFieldGenerator.h"

// A new Bootstrap-layout generator for kind 0..9; nullptr for any other kind.
std::unique_ptr<TFormFieldGenerator> CreateBootstrapGenerator(int kind, const TFormField& field,
                                                              const TGenContext& ctx);
