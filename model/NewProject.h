#pragma once
// A new project: the default project of the interface language from the
// installation folder, with the layout the user chose for it.

#include <optional>
#include <string>

#include "Project.h"
#include "ProjectFile.h"

// The table width a layout starts with: "500px" for the standard layout,
// "80%" for the Bootstrap layout; empty for any other layout.
std::string StandardTableWidth(int layout);

// Switches the project to layout as choosing it in the main window does: the
// layout is set and the table width goes back to the layout's standard width,
// replacing a width of the user's. Any other layout changes nothing.
void SetFormType(TProjectSettings& settings, int layout);

// The default project file of a language: "default_" + its language code +
// ".qzf" in the installation folder, or "default_Deutsch.qzf" there when that
// file does not exist.
std::string DefaultProjectFile(const std::string& language);

// Loads the default project of language into project (as LoadProject does,
// with env). With a layout (the form-type chooser ended with "Neu") that
// layout is applied afterwards; without one (the chooser was closed) the
// file's layout and width stay. On failure project is unchanged.
LoadResult LoadDefaultProject(const std::string& language, std::optional<int> layout,
                              const TLoadEnv& env, TProject& project);
