#pragma once
// Helpers over pugixml for the program's own XML files: child elements with
// text values, CR LF line breaks inside values, Booleans as "-1"/"0".

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include <pugixml.hpp>

// A value that cannot be converted (Boolean, integer).
class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TXMLHelper {
 public:
  TXMLHelper() = delete;

  // Appends a child element name to parent holding text (no text node for an
  // empty text) and returns it. Line breaks are stored as LF, one per line of
  // the value; the file writer turns them into CR LF.
  static pugi::xml_node AddTextElement(pugi::xml_node parent, const std::string& name,
                                       const std::string& text);
  // Text of the first direct child of that name, LF turned into CR LF (an
  // existing CR LF stays as it is); empty when missing.
  static std::string ReadText(const std::string& name, pugi::xml_node parent);
  static std::string ReadTextDefault(const std::string& name, pugi::xml_node parent,
                                     const std::string& def);
  // Boolean of the first child of that name; false when missing or empty;
  // throws EConvertError for text that is neither a number nor true/false.
  static bool ReadBool(const std::string& name, pugi::xml_node parent);
  // The text of element itself as ReadText returns it for a child found by
  // name; empty for an empty node.
  static std::string ElementText(pugi::xml_node element);

  static std::string BoolText(bool value) { return value ? "-1" : "0"; }
  // Reads a Boolean text: any decimal integer (0 false, else true), "true" or
  // "false" in any case, empty false; anything else throws EConvertError.
  static bool StrToBool(const std::string& text);
  // A decimal 32-bit integer with optional sign and nothing else; throws
  // EConvertError otherwise (also for an empty text or an overflow).
  static int StrToInt(const std::string& text);
};

// The direct children of an element, indexed by name in one pass, for reading
// many values from one element: each lookup is a hash probe instead of a
// search among the siblings. The first child of a name wins, as with
// pugi::xml_node::child. The element must outlive the index.
// The name of a child element with its hash; a literal name is hashed at
// compile time.
class TXMLName {
 public:
  consteval TXMLName(const char* text) : Text(text), Hash(HashOf(text)) {}
  // A name known only at run time.
  static TXMLName Of(const char* text) { return TXMLName(text, HashOf(text)); }

  // A cheap hash of the name's bytes (h * 33 + c), its high bits folded into
  // the low ones that pick a slot.
  static constexpr std::uint32_t HashOf(const char* name) {
    std::uint32_t h = 5381;
    for (; *name != '\0'; ++name) h = (h << 5) + h + static_cast<unsigned char>(*name);
    return h ^ (h >> 15);
  }

  const char* Text;
  std::uint32_t Hash;

 private:
  constexpr TXMLName(const char* text, std::uint32_t hash) : Text(text), Hash(hash) {}
};

class TXMLChildren {
 public:
  explicit TXMLChildren(pugi::xml_node parent);
  TXMLChildren(const TXMLChildren&) = delete;
  TXMLChildren& operator=(const TXMLChildren&) = delete;

  // The first direct child of that name; empty when there is none.
  pugi::xml_node Child(TXMLName name) const;
  // As TXMLHelper::ReadText, ReadTextDefault and ReadBool with parent.
  std::string ReadText(TXMLName name) const;
  std::string ReadTextDefault(TXMLName name, const std::string& def) const;
  bool ReadBool(TXMLName name) const;

 private:
  struct TSlot {
    std::uint32_t Hash = 0;
    pugi::xml_node_struct* Node = nullptr;
  };
  void Insert(std::uint32_t hash, pugi::xml_node_struct* node, const char* name);
  void Grow();

  // A field's dozen children fit the inline table; more go to the heap.
  static constexpr std::size_t kInlineSlots = 32;
  TSlot inline_[kInlineSlots];
  std::vector<TSlot> heap_;
  TSlot* slots_ = inline_;
  std::size_t mask_ = kInlineSlots - 1;
};
