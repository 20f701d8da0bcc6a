#include "shell/Base64.h"

#include <algorithm>

extern "C" {
#include <b64/cdecode.h>
#include <b64/cencode.h>
}

namespace {
// The library counts in int; large inputs go through in pieces.
constexpr size_t kChunk = 1 << 20;
}  // namespace

std::string Base64Encode(const std::string& bytes) {
  base64_encodestate state;
  base64_init_encodestate(&state);
  // Four characters per three bytes, plus the line breaks the library inserts.
  std::string buffer(2 * std::min(bytes.size(), kChunk) + 8, '\0');
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  auto append = [&out](const char* p, int n) {
    // libb64 breaks lines every 72 characters and after the last one.
    std::copy_if(p, p + n, std::back_inserter(out), [](char c) { return c != '\n'; });
  };
  for (size_t pos = 0; pos < bytes.size(); pos += kChunk) {
    int len = static_cast<int>(std::min(kChunk, bytes.size() - pos));
    append(buffer.data(), base64_encode_block(bytes.data() + pos, len, buffer.data(), &state));
  }
  append(buffer.data(), base64_encode_blockend(buffer.data(), &state));
  return out;
}

std::string Base64Decode(const std::string& text) {
  base64_decodestate state;
  base64_init_decodestate(&state);
  // At most three bytes per four characters; the library may also write one
  // pending byte past the count it returns.
  std::string buffer(std::min(text.size(), kChunk) + 4, '\0');
  std::string out;
  out.reserve(text.size() / 4 * 3 + 3);
  for (size_t pos = 0; pos < text.size(); pos += kChunk) {
    int len = static_cast<int>(std::min(kChunk, text.size() - pos));
    int n = base64_decode_block(text.data() + pos, len, buffer.data(), &state);
    out.append(buffer.data(), static_cast<size_t>(n));
  }
  return out;
}
