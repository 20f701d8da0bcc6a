#pragma once
// Writing a file so that the previous one survives any failure: the text goes
// to a temporary file in the same folder, every write is checked, the file is
// flushed to disk and closed, and only then renamed over the target.

#include <functional>
#include <string>
#include <string_view>

#include <pugixml.hpp>

// Writes bytes to path atomically. Returns an empty text on success, else the
// error message (and the target is untouched).
std::string WriteFileAtomically(const std::string& path, const std::string& bytes);

// The same for bytes made while they are written: produce hands them to its
// sink in as many pieces as it likes, so that a large file is never held
// whole. When produce throws, the temporary file is removed, the target is
// untouched and the exception goes on to the caller.
using TByteSink = std::function<void(std::string_view)>;
std::string WriteFileAtomically(const std::string& path,
                                const std::function<void(const TByteSink& sink)>& produce);

// Serialises doc as the program's XML files are written (UTF-8 declaration,
// indentation, CR LF line ends).
std::string SerializeXml(const pugi::xml_document& doc);

// Serialises doc and writes it atomically; empty text on success.
std::string SaveXmlDocument(const pugi::xml_document& doc, const std::string& path);

// Why an XML file could not be read, named as the error dialog names it:
// Kind "EInOutError" (the file cannot be read) or "EXMLReadError" (its
// content is no well-formed document).
struct TXmlReadError {
  std::string Kind;
  std::string Message;
};

// Deepest element nesting that a file may have; deeper documents are refused.
// (pugixml builds and frees its trees without recursion, so the depth is
// checked on the parsed tree; the bound keeps recursive readers safe.)
constexpr int kMaxXmlDepth = 256;

// Parses bytes into doc with the checks pugixml leaves out: valid UTF-8, no NUL
// byte, nesting of at most kMaxXmlDepth, exactly one document element. DOCTYPE
// declarations are skipped and their entities never expanded. False (and error
// filled, doc emptied) when the text is no such document.
bool ParseXmlText(const std::string& bytes, pugi::xml_document& doc, TXmlReadError& error);

// Reads the file at path whole and parses it as ParseXmlText does, with
// extraOptions added to the pugixml parse options.
bool ReadXmlFile(const std::string& path, pugi::xml_document& doc, TXmlReadError& error,
                 unsigned extraOptions = 0);

// Moves a file that can no longer be read as the program's XML out of the way,
// to path + ".damaged" (or ".damaged2", ".damaged3", ... when taken), so that
// a fresh file can take its place without destroying what the user had.
// Returns the new name, or an empty text when the file could not be moved.
std::string SetDamagedFileAside(const std::string& path);

// True when path exists but is not a readable document of the program's XML
// (the case in which writing a fresh file would lose the old content).
bool IsDamagedXmlFile(const std::string& path);
