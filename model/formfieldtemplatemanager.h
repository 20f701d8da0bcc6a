#pragma once
// The user's field templates (vorlagen.xml): fields stored once and inserted
// into any project.

#include <memory>
#include <string>
#include <vector>

#include "FormField.h"

class TFormFieldTemplateManager {
 public:
  TFormFieldTemplateManager() = delete;
  // The name of every template in file order; empty for a missing file.
  static std::vector<std::string> GetTemplateNames();
  // A new field made from the template at index; nullptr when there is none
  // or it cannot be read.
  static std::unique_ptr<TFormField> CreateFieldFromTemplate(int index);
  // Appends field as a new template. False when the file could not be written.
  static bool AddTemplate(const TFormField& field);
  // Removes the template at index. False when the file could not be written.
  static bool DeleteTemplate(int index);
  static std::string GetFileName();
};
