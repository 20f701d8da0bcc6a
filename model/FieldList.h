#pragma once
// The project's ordered, owning list of fields. Order is the order of the
// fields on the generated page.

#include <memory>
#include <string>
#include <vector>

#include "FormField.h"

class FieldList {
 public:
  using Ptr = std::unique_ptr<TFormField>;

  FieldList() = default;
  FieldList(const FieldList& other);  // deep copy
  FieldList& operator=(const FieldList& other);
  FieldList(FieldList&&) noexcept = default;
  FieldList& operator=(FieldList&&) noexcept = default;

  int Count() const { return static_cast<int>(items_.size()); }
  bool Empty() const { return items_.empty(); }
  TFormField& operator[](int i) { return *items_.at(i); }
  const TFormField& operator[](int i) const { return *items_.at(i); }

  void Add(Ptr field) { items_.push_back(std::move(field)); }
  void Insert(int index, Ptr field);
  // Removes and frees the field at index.
  void Delete(int index);
  // Swaps the entries at a and b.
  void Exchange(int a, int b);
  void Clear() { items_.clear(); }

  // Position of the last entry whose Name equals name exactly, or whose
  // check-box items include that name; -1 when none.
  int FindFieldByName(const std::string& name) const;
  // True when any entry is a TCalField.
  bool HasCalendarField() const;

  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  std::vector<Ptr> items_;
};
