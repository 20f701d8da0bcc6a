#pragma once
// Saving a project to a .qzf file and loading it back.

#include <string>
#include <vector>

#include "Project.h"

// The outcome of a load or save, as the error dialog shows it.
struct LoadResult {
  bool Ok = true;
  std::string Text;       // the error text (interface text "txtMainFrmNoQZFile" for loads)
  std::string ErrorKind;  // the name of the error kind ("EConvertError", ...)
  std::string Message;    // the error's message
  // "Exception Class:" kind CR LF "Message:" message, as the error dialog shows.
  std::string Details() const { return "Exception Class:" + ErrorKind + "\r\nMessage:" + Message; }
};

// What a load needs from the program around it.
struct TLoadEnv {
  std::string Language = "Deutsch";  // for the error text and the default captcha message
  std::vector<std::string>
      FormMailerLinks;  // the user's list; its first entry is the fallback address
};

// The project file's text exactly as SaveProject writes it.
std::string ProjectToXml(const TProject& project);

// Writes the project to path. The previous file stays intact until the new
// one is complete on disk; a failure leaves it as it was.
LoadResult SaveProject(const std::string& path, const TProject& project);

// Reads the file at path into project. The project is replaced only when the
// whole file was read; on failure it is left exactly as it was.
LoadResult LoadProject(const std::string& path, TProject& project, const TLoadEnv& env);
