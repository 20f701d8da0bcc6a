#pragma once
// Standard Base64 (RFC 4648 alphabet, "=" padding, no line breaks).

#include <string>

// Encodes bytes; the result has no line breaks.
std::string Base64Encode(const std::string& bytes);
// Decodes leniently: characters outside the alphabet are skipped.
std::string Base64Decode(const std::string& text);
