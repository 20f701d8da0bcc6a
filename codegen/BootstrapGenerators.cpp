#include "BootstrapGenerators.h"

#include "BootstrapCalendar.h"
#include "BootstrapCheckbox.h"
#include "BootstrapCheckboxList.h"
#include "BootstrapDropdown.h"
#include "BootstrapFileUpload.h"
#include "BootstrapMultiLine.h"
#include "BootstrapPassword.h"
#include "BootstrapRadio.h"
#include "BootstrapSingleLine.h"
#include "BootstrapText.h"

std::unique_ptr<TFormFieldGenerator> CreateBootstrapGenerator(int kind, const TFormField& field,
                                                              const TGenContext& ctx) {
  switch (kind) {
    case 0:
      return std::make_unique<TBootstrapSingleLine>(field, ctx);
    case 1:
      return std::make_unique<TBootstrapPassword>(field, ctx);
    case 2:
      return std::make_unique<TBootstrapDropdown>(field, ctx);
    case 3:
      return std::make_unique<TBootstrapCheckbox>(field, ctx);
    case 4:
      return std::make_unique<TBootstrapRadio>(field, ctx);
    case 5:
      return std::make_unique<TBootstrapMultiLine>(field, ctx);
    case 6:
      return std::make_unique<TBootstrapText>(field, ctx);
    case 7:
      return std::make_unique<TBootstrapCalendar>(field, ctx);
    case 8:
      return std::make_unique<TBootstrapFileUpload>(field, ctx);
    case 9:
      return std::make_unique<TBootstrapCheckboxList>(field, ctx);
    default:
      return nullptr;
  }
}
