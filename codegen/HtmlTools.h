#pragma once
// Text routines of the generated page: recipient scrambling, entity
// conversion, tag stripping, item splitting, block removal, attributes.

#include <string>
#include <string_view>
#include <vector>

class FieldList;

// The one-byte key the formmailer script uses to unscramble values.
constexpr unsigned char kScrambleKey = 0x5A;

// text with every occurrence of from replaced by to, left to right; inserted
// text is not searched again. An empty from leaves the text unchanged.
std::string StringReplaceAll(const std::string& text, std::string_view from, std::string_view to);
// The same on text itself, without a new buffer when nothing or little
// changes (the page is long and passes through many replacements). from and to
// must not point into text.
void ReplaceAllInPlace(std::string& text, std::string_view from, std::string_view to);

// Every byte XOR kScrambleKey (no Base64).
std::string ScrambleText(const std::string& text);
// ScrambleText, then Base64; the empty text stays empty.
std::string EncodeAddress(const std::string& text);
// Deletes from the first start text through the first end text after it.
std::string RemoveBetween(const std::string& text, const std::string& startText,
                          const std::string& endText);
// Splits at sep, CR and LF outside quotes; leading blanks and tabs skipped,
// empty parts dropped.
std::vector<std::string> Split(const std::string& text, char sep);
// Removes every "<...>" pair.
std::string StripTags(const std::string& text);
// Umlauts, sharp s and the euro sign as HTML entities.
std::string ToEntities(std::string_view text);
// The formmailer address with every "formmail.php" removed.
std::string FormmailerFolder(const std::string& address);
// value="text" or placeholder="text".
std::string ValueAttr(bool usePlaceholder, const std::string& text);
// True when a top-level field is named name exactly (items of a check-box
// list do not count).
bool FieldNameExists(const FieldList& fields, const std::string& name);
// The text escaped for the inside of a JavaScript string in double or single
// quotes: backslash, both quotes, CR, LF, U+2028/2029 and "</" are escaped,
// so that a user text can never end the string or the script element.
std::string JsEscape(const std::string& text);
