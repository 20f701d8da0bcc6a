#pragma once
// The check, cookie and counter scripts of the standard layout. The Bootstrap
// layout returns the very same scripts, so they are built here by free
// functions that take the field and the context; the standard generators call
// them. Messages are escaped for the inside of a JavaScript string.

#include <string>

#include "model/FormField.h"

class TEinzField;
class TDropDownField;
class TRadioField;
class TCheckBoxList;
class TMehrzField;

// --- check scripts (a block of statements inside chkFormular()) ---

// Value must not be empty (password, multi-line, file upload, calendar).
std::string StdPresenceCheckScript(const TFormField& field, const TGenContext& ctx);
// The check chosen by PflichtTyp: not blank, e-mail, number, minimum length.
std::string StdSingleLineCheckScript(const TEinzField& field, const TGenContext& ctx);
// The box must be ticked (check box and check-box-list item).
std::string StdCheckboxCheckScript(const TFormField& field, const TGenContext& ctx);
// Something must be selected.
std::string StdDropdownCheckScript(const TDropDownField& field, const TGenContext& ctx);
// One button must be checked.
std::string StdRadioCheckScript(const TRadioField& field, const TGenContext& ctx);
// At least one box when the list is mandatory, then each mandatory item's own
// check; empty when neither applies.
std::string StdCheckboxListCheckScript(const TCheckBoxList& field, const TGenContext& ctx);

// --- cookie scripts: restore (load) and store (save) ---

// Text fields: single-line, calendar, password, multi-line.
std::string StdTextCookieLoadScript(const TFormField& field);
std::string StdTextCookieSaveScript(const TFormField& field);
// Check box and check-box-list item.
std::string StdCheckboxCookieLoadScript(const TFormField& field);
std::string StdCheckboxCookieSaveScript(const TFormField& field);
// Drop-down: the selected index.
std::string StdDropdownCookieLoadScript(const TFormField& field);
std::string StdDropdownCookieSaveScript(const TFormField& field);
// Radio group: the index of the checked button.
std::string StdRadioCookieLoadScript(const TFormField& field);
std::string StdRadioCookieSaveScript(const TFormField& field);
// Check-box list: the scripts of the items whose own Cookie is set.
std::string StdCheckboxListCookieLoadScript(const TCheckBoxList& field, const TGenContext& ctx);
std::string StdCheckboxListCookieSaveScript(const TCheckBoxList& field, const TGenContext& ctx);

// --- counter ---

// The function zaehle_<Name>() that limits a multi-line field to MaxLaenge
// characters and updates its display; empty when MaxLaenge is empty.
std::string StdCounterScript(const TMehrzField& field);
