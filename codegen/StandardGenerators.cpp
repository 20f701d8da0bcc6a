#include "StandardGenerators.h"

#include "StandardCalendar.h"
#include "StandardCheckbox.h"
#include "StandardCheckboxList.h"
#include "StandardDropdown.h"
#include "StandardFileUpload.h"
#include "StandardMultiLine.h"
#include "StandardPassword.h"
#include "StandardRadio.h"
#include "StandardSingleLine.h"
#include "StandardText.h"

std::unique_ptr<TFormFieldGenerator> CreateStandardGenerator(int kind, const TFormField& field,
                                                             const TGenContext& ctx) {
  switch (kind) {
    case 0:
      return std::make_unique<TStandardSingleLine>(field, ctx);
    case 1:
      return std::make_unique<TStandardPassword>(field, ctx);
    case 2:
      return std::make_unique<TStandardDropdown>(field, ctx);
    case 3:
      return std::make_unique<TStandardCheckbox>(field, ctx);
    case 4:
      return std::make_unique<TStandardRadio>(field, ctx);
    case 5:
      return std::make_unique<TStandardMultiLine>(field, ctx);
    case 6:
      return std::make_unique<TStandardTexts>(field, ctx);
    case 7:
      return std::make_unique<TStandardCalendar>(field, ctx);
    case 8:
      return std::make_unique<TStandardFileUpload>(field, ctx);
    case 9:
      return std::make_unique<TStandardCheckboxList>(field, ctx);
    default:
      return nullptr;  // kind 10 (list item) is made by the list's generator itself
  }
}
