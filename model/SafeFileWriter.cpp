#include "SafeFileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Collects pugixml's output and turns each LF into CR LF: the line ends of
// the file and the line breaks inside values alike.
class CrLfWriter : public pugi::xml_writer {
 public:
  explicit CrLfWriter(std::string& out) : out_(out) {}
  void write(const void* data, size_t size) override {
    // Whole runs between line ends at once, not byte by byte.
    const char* p = static_cast<const char*>(data);
    const char* const end = p + size;
    while (p < end) {
      const char* lf = static_cast<const char*>(std::memchr(p, '\n', end - p));
      if (lf == nullptr) {
        out_.append(p, end);
        return;
      }
      out_.append(p, lf);
      out_ += "\r\n";
      p = lf + 1;
    }
  }

 private:
  std::string& out_;
};

std::string ErrnoText(int err) {
  return std::strerror(err);
}

std::string Quoted(const std::string& path) {
  return "\"" + path + "\"";
}

// The file that a save should replace: the target of a symbolic link, so that
// saving through a link updates the linked file instead of replacing the link.
std::string ResolveTarget(const std::string& path) {
  struct stat st;
  if (lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    char buf[PATH_MAX];
    if (realpath(path.c_str(), buf) != nullptr) return buf;
  }
  return path;
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// The permissions the new file gets: those of the file it replaces, else the
// ones a newly created file gets (mkstemp alone would make it private).
mode_t TargetMode(const std::string& target) {
  struct stat st;
  if (stat(target.c_str(), &st) == 0) return st.st_mode & 07777;
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

bool WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  fsync(fd);  // best effort: the rename itself has already succeeded
  ::close(fd);
}

// --- reading ---

bool IsValidUtf8(const std::string& s, size_t& badOffset) {
  const auto* p = reinterpret_cast<const unsigned char*>(s.data());
  const size_t n = s.size();
  size_t i = 0;
  while (i < n) {
    // Runs of ASCII, the bulk of a project file, eight bytes at a time.
    while (n - i >= 8) {
      std::uint64_t word;
      std::memcpy(&word, p + i, 8);
      if (word & 0x8080808080808080ull) break;
      i += 8;
    }
    if (i == n) break;
    const unsigned char c = p[i];
    size_t len = 0;
    unsigned int cp = 0;
    unsigned int min = 0;
    if (c < 0x80) {
      ++i;
      continue;
    } else if ((c & 0xE0) == 0xC0) {
      len = 2, cp = c & 0x1F, min = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
      len = 3, cp = c & 0x0F, min = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
      len = 4, cp = c & 0x07, min = 0x10000;
    } else {
      badOffset = i;
      return false;
    }
    if (i + len > n) {
      badOffset = i;
      return false;
    }
    for (size_t k = 1; k < len; ++k) {
      if ((p[i + k] & 0xC0) != 0x80) {
        badOffset = i;
        return false;
      }
      cp = (cp << 6) | (p[i + k] & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      badOffset = i;
      return false;
    }
    i += len;
  }
  return true;
}

// Skips from pos past the first occurrence of end; npos when it never comes.
size_t SkipPast(const std::string& s, size_t pos, const char* end) {
  const size_t at = s.find(end, pos);
  return at == std::string::npos ? std::string::npos : at + std::strlen(end);
}

// Skips a tag or declaration that starts at pos ('<'), honouring quoted
// values and, for declarations, nested '<' '>' of an internal subset.
// Returns the position after its '>' (npos when unterminated); selfClosing
// tells whether the tag ended with "/>".
size_t SkipMarkup(const std::string& s, size_t pos, bool& selfClosing) {
  // Most tags hold no quote and no nested '<': they end at the first '>'.
  static constexpr auto kSpecial = [] {
    std::array<bool, 256> special{};
    for (unsigned char c : {'"', '\'', '<', '>'}) special[c] = true;
    return special;
  }();
  size_t end = pos + 1;
  while (end < s.size() && !kSpecial[static_cast<unsigned char>(s[end])]) ++end;
  if (end < s.size() && s[end] == '>') {
    selfClosing = s[end - 1] == '/';
    return end + 1;
  }
  int nesting = 0;
  char quote = 0;
  for (size_t i = pos; i < s.size(); ++i) {
    const char c = s[i];
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '<') {
      ++nesting;
    } else if (c == '>') {
      if (--nesting == 0) {
        selfClosing = i > pos && s[i - 1] == '/';
        return i + 1;
      }
    }
  }
  return std::string::npos;
}

// The deepest element nesting of the text, counted from its tags without
// building a tree; stops counting once limit is passed. Malformed text is
// left for the parser to report.
int MaxNesting(const std::string& s, int limit) {
  int depth = 0;
  int deepest = 0;
  size_t i = 0;
  while (i < s.size()) {
    const size_t lt = s.find('<', i);
    if (lt == std::string::npos) break;
    size_t next = std::string::npos;
    bool selfClosing = false;
    // The character after '<' tells the kinds apart; most tags are elements.
    const char second = lt + 1 < s.size() ? s[lt + 1] : '\0';
    if (second == '!' && s.compare(lt, 4, "<!--") == 0) {
      next = SkipPast(s, lt + 4, "-->");
    } else if (second == '!' && s.compare(lt, 9, "<![CDATA[") == 0) {
      next = SkipPast(s, lt + 9, "]]>");
    } else if (second == '?') {
      next = SkipPast(s, lt + 2, "?>");
    } else if (second == '!') {
      next = SkipMarkup(s, lt, selfClosing);
    } else if (second == '/') {
      next = SkipMarkup(s, lt, selfClosing);
      if (depth > 0) --depth;
    } else {
      next = SkipMarkup(s, lt, selfClosing);
      if (!selfClosing && next != std::string::npos) {
        ++depth;
        if (depth > deepest) deepest = depth;
        if (deepest > limit) return deepest;
      }
    }
    if (next == std::string::npos) break;
    i = next;
  }
  return deepest;
}

bool Fail(pugi::xml_document& doc, TXmlReadError& error, const std::string& kind,
          const std::string& message) {
  doc.reset();
  error.Kind = kind;
  error.Message = message;
  return false;
}

}  // namespace

std::string SerializeXml(const pugi::xml_document& doc) {
  std::string out;
  CrLfWriter writer(out);
  bool hasDeclaration = false;
  for (pugi::xml_node n = doc.first_child(); n; n = n.next_sibling())
    if (n.type() == pugi::node_declaration) hasDeclaration = true;
  if (!hasDeclaration) writer.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n", 39);
  doc.save(writer, "  ", pugi::format_indent | pugi::format_no_declaration, pugi::encoding_utf8);
  return out;
}

std::string WriteFileAtomically(const std::string& path, const std::string& bytes) {
  if (path.empty()) return "Cannot write a file without a name";
  const std::string target = ResolveTarget(path);
  const std::string folder = FolderOf(target);
  const auto slash = target.find_last_of('/');
  const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
  // A shortened name keeps the temporary name within the file-name limit even
  // for a target whose own name is near it.
  std::string temp = (folder == "/" ? "" : folder) + "/." + base.substr(0, 64) + ".tmp-XXXXXX";

  const int fd = mkstemp(temp.data());
  if (fd < 0) return "Cannot write " + Quoted(path) + ": " + ErrnoText(errno);

  auto fail = [&](int err, bool open) {
    if (open) ::close(fd);
    unlink(temp.c_str());
    return "Cannot write " + Quoted(path) + ": " + ErrnoText(err);
  };

  if (fchmod(fd, TargetMode(target)) != 0) return fail(errno, true);
  if (!WriteAll(fd, bytes)) return fail(errno, true);
  if (fsync(fd) != 0) return fail(errno, true);
  if (::close(fd) != 0) return fail(errno, false);
  if (std::rename(temp.c_str(), target.c_str()) != 0) return fail(errno, false);
  SyncFolder(folder);
  return {};
}

std::string SaveXmlDocument(const pugi::xml_document& doc, const std::string& path) {
  return WriteFileAtomically(path, SerializeXml(doc));
}

namespace {

constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_ws_pcdata_single;

// The checks pugixml leaves out, on the text before it is parsed.
bool CheckXmlText(const std::string& bytes, pugi::xml_document& doc, TXmlReadError& error) {
  const std::string kind = "EXMLReadError";
  if (bytes.empty()) return Fail(doc, error, kind, "The file is empty");
  if (const auto nul = bytes.find('\0'); nul != std::string::npos)
    return Fail(doc, error, kind, "NUL character at offset " + std::to_string(nul));
  size_t bad = 0;
  if (!IsValidUtf8(bytes, bad))
    return Fail(doc, error, kind, "Invalid UTF-8 at offset " + std::to_string(bad));
  if (MaxNesting(bytes, kMaxXmlDepth) > kMaxXmlDepth)
    return Fail(doc, error, kind,
                "Elements nested deeper than " + std::to_string(kMaxXmlDepth) + " levels");
  return true;
}

// The parser's verdict, then exactly one document element.
bool CheckParsed(const pugi::xml_parse_result& result, pugi::xml_document& doc,
                 TXmlReadError& error) {
  const std::string kind = "EXMLReadError";
  if (!result)
    return Fail(doc, error, kind,
                std::string(result.description()) + " at offset " + std::to_string(result.offset));
  int elements = 0;
  for (pugi::xml_node n = doc.first_child(); n; n = n.next_sibling())
    if (n.type() == pugi::node_element) ++elements;
  if (elements != 1)
    return Fail(doc, error, kind,
                elements == 0 ? "No document element" : "More than one document element");
  return true;
}

}  // namespace

bool ParseXmlText(const std::string& bytes, pugi::xml_document& doc, TXmlReadError& error) {
  if (!CheckXmlText(bytes, doc, error)) return false;
  return CheckParsed(
      doc.load_buffer(bytes.data(), bytes.size(), kParseOptions, pugi::encoding_utf8), doc, error);
}

bool ReadXmlFile(const std::string& path, pugi::xml_document& doc, TXmlReadError& error,
                 unsigned extraOptions) {
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f)
    return Fail(doc, error, "EInOutError", "Cannot open " + Quoted(path) + ": " + ErrnoText(errno));
  std::string bytes;
  // One allocation for a regular file instead of repeated growth.
  struct stat st;
  if (fstat(fileno(f), &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0)
    bytes.reserve(static_cast<size_t>(st.st_size));
  char buf[65536];
  size_t n = 0;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
  const bool failed = std::ferror(f) != 0;
  const int err = errno;
  std::fclose(f);
  if (failed)
    return Fail(doc, error, "EInOutError", "Cannot read " + Quoted(path) + ": " + ErrnoText(err));
  if (!CheckXmlText(bytes, doc, error)) return false;

  // The document gets its own copy of the text to parse in place, and the
  // text read is let go first: a large file is then held once, not twice,
  // while its tree is built.
  const size_t size = bytes.size();
  void* own = pugi::get_memory_allocation_function()(size);
  const unsigned options = kParseOptions | extraOptions;
  if (own == nullptr)
    return CheckParsed(doc.load_buffer(bytes.data(), size, options, pugi::encoding_utf8), doc,
                       error);
  std::memcpy(own, bytes.data(), size);
  std::string().swap(bytes);
  return CheckParsed(doc.load_buffer_inplace_own(own, size, options, pugi::encoding_utf8), doc,
                     error);
}
