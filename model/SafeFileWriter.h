#pragma once
// Writing a file so that the previous one survives any failure: the text goes
// to a temporary file in the same folder, every write is checked, the file is
// flushed to disk and closed, and only then renamed over the target.

#include <string>

#include <pugixml.hpp>

// Writes bytes to path atomically. Returns an empty text on success, else the
// error message (and the target is untouched).
std::string WriteFileAtomically(const std::string& path, const std::string& bytes);

// Serialises doc as the program's XML files are written (UTF-8 declaration,
// indentation, CR LF line ends).
std::string SerializeXml(const pugi::xml_document& doc);

// Serialises doc and writes it atomically; empty text on success.
std::string SaveXmlDocument(const pugi::xml_document& doc, const std::string& path);
