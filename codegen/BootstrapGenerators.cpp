#include "BootstrapGenerators.h"

std::unique_ptr<TFormFieldGenerator> CreateBootstrapGenerator(int, const TFormField&,
                                                             const TGenContext&) {
  return nullptr;  // the Bootstrap generators are registered here as they are written
}
