#pragma once
// Writing the generated page to disk in the encoding the project asks for.

#include <string>

// The page as it goes to the file. For any encoding other than exactly
// "utf-8" the umlauts, sharp s and euro sign become entities first, then the
// page is converted to the code page the encoding names ("iso-8859-1" and its
// aliases, otherwise windows-1252; names compared without case). A character
// the code page cannot hold becomes a decimal reference such as "&#8211;";
// invalid UTF-8 bytes become "&#65533;". No final line break is added here.
std::string ConvertPageEncoding(const std::string& page, const std::string& encoding);

// Writes ConvertPageEncoding(page, encoding) and one CR LF to path, no BOM.
// The previous file survives any failure. Returns an empty text on success,
// else the error message.
std::string WritePageFile(const std::string& path, const std::string& page,
                          const std::string& encoding);
