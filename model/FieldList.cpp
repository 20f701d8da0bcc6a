#include "FieldList.h"

#include <stdexcept>
#include <utility>

#include "uCalendarClass.h"
#include "uCheckBoxListClass.h"

FieldList::FieldList(const FieldList& other) {
  items_.reserve(other.items_.size());
  for (const auto& field : other.items_) items_.push_back(field->Clone());
}

FieldList& FieldList::operator=(const FieldList& other) {
  if (this != &other) {
    FieldList copy(other);
    items_ = std::move(copy.items_);
  }
  return *this;
}

void FieldList::Insert(int index, Ptr field) {
  if (index < 0 || index > Count())
    throw std::out_of_range("FieldList::Insert: index out of range");
  items_.insert(items_.begin() + index, std::move(field));
}

void FieldList::Delete(int index) {
  if (index < 0 || index >= Count())
    throw std::out_of_range("FieldList::Delete: index out of range");
  items_.erase(items_.begin() + index);
}

void FieldList::Exchange(int a, int b) {
  if (a < 0 || a >= Count() || b < 0 || b >= Count()) {
    throw std::out_of_range("FieldList::Exchange: index out of range");
  }
  std::swap(items_[a], items_[b]);
}

int FieldList::FindFieldByName(const std::string& name) const {
  int found = -1;
  for (int i = 0; i < Count(); ++i) {
    const TFormField& field = *items_[i];
    bool match = field.Name == name;
    if (!match) {
      if (const auto* list = dynamic_cast<const TCheckBoxList*>(&field)) {
        for (const auto& item : list->Items) {
          if (item->Name == name) {
            match = true;
            break;
          }
        }
      }
    }
    if (match) found = i;
  }
  return found;
}

bool FieldList::HasCalendarField() const {
  for (const auto& field : items_) {
    if (dynamic_cast<const TCalField*>(field.get())) return true;
  }
  return false;
}
