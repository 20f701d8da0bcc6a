// The page generator's text routines on arbitrary text. The first byte
// chooses the separator of Split; the rest is split at NUL bytes into the
// text and the two markers of RemoveBetween.

#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "codegen/HtmlTools.h"
#include "shell/Base64.h"

using namespace fuzzsupport;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const char sep = static_cast<char>(data[0]);
  const std::vector<std::string> parts = SplitInput(data + 1, size - 1, 3);
  const std::string& text = parts[0];

  for (const std::string& item : Split(text, sep)) {
    FUZZ_CHECK(!item.empty());
    FUZZ_CHECK(item.size() <= text.size());
  }

  const std::string stripped = StripTags(text);
  FUZZ_CHECK(stripped.size() <= text.size());

  const std::string removed = RemoveBetween(text, parts[1], parts[2]);
  FUZZ_CHECK(removed.size() <= text.size());

  // Base64: any text decodes; any bytes encode and decode back.
  (void)Base64Decode(text);
  const std::string encoded = Base64Encode(text);
  FUZZ_CHECK(encoded.find_first_of("\r\n") == std::string::npos);
  FUZZ_CHECK(Base64Decode(encoded) == text);
  FUZZ_CHECK(ScrambleText(ScrambleText(text)) == text);

  (void)ToEntities(text);
  (void)JsEscape(text);
  (void)StringReplaceAll(text, parts[1], parts[2]);
  return 0;
}
