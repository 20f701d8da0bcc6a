#pragma once
// Writing the generated page to disk in the encoding the project asks for.

#include <string>

// The page as it goes to the file, without the final line break. For an
// encoding of exactly "utf-8" the page is returned unchanged. For any other
// name the umlauts, sharp s and euro sign become entities (ToEntities), and
// then the page is converted to the code page the name stands for (names
// compared without case): ISO-8859-1 for "iso-8859-1" and its aliases
// ("latin1", ...); none for another spelling of UTF-8 ("UTF-8", "utf8"), which
// keeps the UTF-8 bytes; windows-1252 for every other name. A character the
// code page cannot hold becomes its decimal reference ("&#8211;"); each byte
// that does not begin a valid UTF-8 sequence becomes "&#65533;". Throws
// std::runtime_error when the system has no converter for the code page.
std::string ConvertPageEncoding(const std::string& page, const std::string& encoding);

// Writes ConvertPageEncoding(page, encoding) and one CR LF to path, no BOM.
// The previous file survives any failure. Returns an empty text on success,
// else the error message.
std::string WritePageFile(const std::string& path, const std::string& page,
                          const std::string& encoding);
