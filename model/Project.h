#pragma once
// The project document: its settings and its owning field list.

#include "FieldList.h"
#include "ProjectSettings.h"

struct TProject {
  TProjectSettings Settings;
  FieldList Fields;

  // The context for generating this project's page in its own layout.
  TGenContext Context(const std::string& language) const {
    TGenContext ctx;
    ctx.Layout = Settings.ComboFormType;
    ctx.Project = &Settings;
    ctx.Fields = &Fields;
    ctx.Language = language;
    return ctx;
  }
};
