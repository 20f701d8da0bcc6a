#include "uSimpleCheckboxClass.h"

namespace {
// An item's scripts are those of a single check box.
constexpr int kCheckBoxKind = 3;
}  // namespace

// The list's generator writes the items' markup; an item is never asked.
std::string TCheckBoxFieldSimple::GetHtmlCode(bool, const TGenContext&) const {
  return "";
}

std::string TCheckBoxFieldSimple::GetCheckScript(const TGenContext& ctx) const {
  return RunGenerator(kCheckBoxKind, TGenOp::CheckScript, ctx);
}

std::string TCheckBoxFieldSimple::GetCookieLoadScript(const TGenContext& ctx) const {
  return RunGenerator(kCheckBoxKind, TGenOp::CookieLoad, ctx);
}

std::string TCheckBoxFieldSimple::GetCookieSaveScript(const TGenContext& ctx) const {
  return RunGenerator(kCheckBoxKind, TGenOp::CookieSave, ctx);
}
