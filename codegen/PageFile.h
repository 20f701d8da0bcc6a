#pragma once
// Writing the generated page to disk in the encoding the project asks for.

#include <string>

// The page as it goes to the file, without the final line break. For an
// encoding of exactly "utf-8" the page is returned unchanged. For any other
// name the umlauts, sharp s and euro sign of the markup become entities
// (ToEntities), and then the page is converted to the code page the name
// stands for (names compared without case): ISO-8859-1 for "iso-8859-1" and
// its aliases ("latin1", ...); none for another spelling of UTF-8 ("UTF-8",
// "utf8"), which keeps the UTF-8 bytes; windows-1252 for every other name. A
// character the code page cannot hold becomes a decimal reference ("&#8211;")
// in markup. The contents of script and style elements are raw text in which
// browsers decode no references: they get no entities, and a character the
// code page lacks becomes "\u2013" (surrogate pairs beyond U+FFFF) in a
// script and "\2013 " in a style sheet. Each byte that does not begin a
// valid UTF-8 sequence is written as U+FFFD in the same way. Throws
// std::runtime_error when the system has no converter for the code page.
std::string ConvertPageEncoding(const std::string& page, const std::string& encoding);

// Writes ConvertPageEncoding(page, encoding) and one CR LF to path, no BOM.
// The previous file survives any failure. Returns an empty text on success,
// else the error message.
std::string WritePageFile(const std::string& path, const std::string& page,
                          const std::string& encoding);
