#include "FormFieldGeneratorFactory.h"

#include "BootstrapGenerators.h"
#include "StandardGenerators.h"

std::unique_ptr<TFormFieldGenerator> TFormFieldGeneratorFactory::CreateGenerator(
    int kind, int layout, const TFormField& field, const TGenContext& ctx) {
  if (kind < 0 || kind > 9) return nullptr;
  switch (layout) {
    case 0:
      return CreateStandardGenerator(kind, field, ctx);
    case 1:
      return CreateBootstrapGenerator(kind, field, ctx);
    default:
      return nullptr;
  }
}
