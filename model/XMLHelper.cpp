#include "XMLHelper.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

// Every line break (CR LF, CR or LF) as one LF. The file writer turns each LF
// into CR LF, so each line of a value becomes one line of the file.
std::string NormalizeToLf(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      out += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

// Every LF that is not already part of a CR LF becomes CR LF.
std::string LfToCrLf(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out;
}

// The text of all direct text and CDATA children, in order. A document
// parsed with parse_embed_pcdata holds the first text in the element itself
// (its value, otherwise empty), ahead of any child.
std::string ChildText(pugi::xml_node child) {
  std::string text = child.value();
  for (pugi::xml_node n = child.first_child(); n; n = n.next_sibling()) {
    if (n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata) text += n.value();
  }
  return text;
}

bool EqualsNoCase(const std::string& text, const char* word) {
  std::size_t i = 0;
  for (; word[i] != '\0'; ++i) {
    if (i >= text.size()) return false;
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != word[i]) return false;
  }
  return i == text.size();
}

// Optional sign followed by at least one decimal digit, nothing else.
bool IsDecimalInteger(const std::string& text) {
  std::size_t i = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
  if (i == text.size()) return false;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  return true;
}

}  // namespace

pugi::xml_node TXMLHelper::AddTextElement(pugi::xml_node parent, const std::string& name,
                                          const std::string& text) {
  pugi::xml_node element = parent.append_child(name.c_str());
  if (!text.empty()) {
    // Values without a CR need no normalising copy.
    const bool hasCr = text.find('\r') != std::string::npos;
    element.append_child(pugi::node_pcdata)
        .set_value(hasCr ? NormalizeToLf(text).c_str() : text.c_str());
  }
  return element;
}

std::string TXMLHelper::ReadText(const std::string& name, pugi::xml_node parent) {
  return ElementText(parent.child(name.c_str()));
}

std::string TXMLHelper::ElementText(pugi::xml_node child) {
  if (!child) return "";
  std::string text = ChildText(child);
  // Most values are a single line: no second copy for them.
  if (text.find('\n') == std::string::npos) return text;
  return LfToCrLf(text);
}

std::string TXMLHelper::ReadTextDefault(const std::string& name, pugi::xml_node parent,
                                        const std::string& def) {
  std::string text = ReadText(name, parent);
  return text.empty() ? def : text;
}

bool TXMLHelper::ReadBool(const std::string& name, pugi::xml_node parent) {
  return StrToBool(ReadText(name, parent));
}

bool TXMLHelper::StrToBool(const std::string& text) {
  if (text.empty()) return false;
  if (IsDecimalInteger(text)) {
    // Any integer other than 0 is true, however long it is.
    return text.find_first_of("123456789") != std::string::npos;
  }
  if (EqualsNoCase(text, "true")) return true;
  if (EqualsNoCase(text, "false")) return false;
  throw EConvertError("\"" + text + "\" is not a valid boolean.");
}

int TXMLHelper::StrToInt(const std::string& text) {
  if (IsDecimalInteger(text)) {
    errno = 0;
    char* end = nullptr;
    long long value = std::strtoll(text.c_str(), &end, 10);
    if (errno == 0 && *end == '\0' && value >= std::numeric_limits<int>::min() &&
        value <= std::numeric_limits<int>::max()) {
      return static_cast<int>(value);
    }
  }
  throw EConvertError("\"" + text + "\" is not a valid integer value.");
}

namespace {

// Names are short: a plain loop beats a call to strcmp.
bool SameName(const char* a, const char* b) {
  for (; *a == *b; ++a, ++b)
    if (*a == '\0') return true;
  return false;
}

}  // namespace

TXMLChildren::TXMLChildren(pugi::xml_node parent) {
  std::size_t used = 0;
  for (pugi::xml_node n = parent.first_child(); n; n = n.next_sibling()) {
    const char* name = n.name();
    if (*name == '\0') continue;  // text and other nameless nodes
    // At most half full, so that probes stay short.
    if (++used * 2 > mask_ + 1) Grow();
    Insert(TXMLName::HashOf(name), n.internal_object(), name);
  }
}

void TXMLChildren::Insert(std::uint32_t hash, pugi::xml_node_struct* node, const char* name) {
  for (std::size_t i = hash & mask_;; i = (i + 1) & mask_) {
    TSlot& slot = slots_[i];
    if (slot.Node == nullptr) {
      slot.Hash = hash;
      slot.Node = node;
      return;
    }
    // A later child of a name already held is never found by name.
    if (slot.Hash == hash && SameName(pugi::xml_node(slot.Node).name(), name)) return;
  }
}

void TXMLChildren::Grow() {
  std::vector<TSlot> old(slots_, slots_ + mask_ + 1);
  std::vector<TSlot> bigger((mask_ + 1) * 2);
  heap_.swap(bigger);
  slots_ = heap_.data();
  mask_ = heap_.size() - 1;
  // Names in a table are distinct: each goes to the first free slot.
  for (const TSlot& slot : old) {
    if (slot.Node == nullptr) continue;
    for (std::size_t i = slot.Hash & mask_;; i = (i + 1) & mask_) {
      if (slots_[i].Node == nullptr) {
        slots_[i] = slot;
        break;
      }
    }
  }
}

pugi::xml_node TXMLChildren::Child(TXMLName name) const {
  const std::uint32_t hash = name.Hash;
  for (std::size_t i = hash & mask_;; i = (i + 1) & mask_) {
    const TSlot& slot = slots_[i];
    if (slot.Node == nullptr) return {};
    if (slot.Hash == hash && SameName(pugi::xml_node(slot.Node).name(), name.Text))
      return pugi::xml_node(slot.Node);
  }
}

std::string TXMLChildren::ReadText(TXMLName name) const {
  return TXMLHelper::ElementText(Child(name));
}

std::string TXMLChildren::ReadTextDefault(TXMLName name, const std::string& def) const {
  std::string text = ReadText(name);
  return text.empty() ? def : text;
}

bool TXMLChildren::ReadBool(TXMLName name) const {
  return TXMLHelper::StrToBool(ReadText(name));
}
