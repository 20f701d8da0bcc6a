#include "SafeFileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <new>
#include <string>

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

bool WriteAll(int fd, std::string_view bytes) {
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

// Collects small pieces into writes of a useful size; a large piece goes to
// the file as it is. Remembers the first error and writes nothing after it.
class TBufferedFile {
 public:
  explicit TBufferedFile(int fd) : fd_(fd) { buffer_.reserve(kSize); }
  void Write(std::string_view bytes) {
    if (error_ != 0) return;
    if (buffer_.size() + bytes.size() > kSize) Flush();
    if (bytes.size() >= kSize) {
      if (error_ == 0 && !WriteAll(fd_, bytes)) error_ = errno;
    } else {
      buffer_.append(bytes);
    }
  }
  void Flush() {
    if (error_ == 0 && !WriteAll(fd_, buffer_)) error_ = errno;
    buffer_.clear();
  }
  int Error() const { return error_; }

 private:
  static constexpr size_t kSize = 64 * 1024;
  int fd_;
  int error_ = 0;
  std::string buffer_;
};

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  fsync(fd);  // best effort: the rename itself has already succeeded
  ::close(fd);
}

// --- reading ---

bool IsValidUtf8(const char* data, size_t n, size_t& badOffset) {
  const auto* p = reinterpret_cast<const unsigned char*>(data);
  size_t i = 0;
  while (i < n) {
    // Runs of ASCII, the bulk of a project file, 32 bytes at a time.
    while (n - i >= 32) {
      std::uint64_t w[4];
      std::memcpy(w, p + i, 32);
      if ((w[0] | w[1] | w[2] | w[3]) & 0x8080808080808080ull) break;
      i += 32;
    }
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

// Whether the tree nests elements deeper than limit. pugixml walks the tree
// without recursion (as it builds and frees it), so a deep tree costs memory
// in proportion to the file, not stack.
bool NestsDeeperThan(pugi::xml_document& doc, int limit) {
  struct TWalker : pugi::xml_tree_walker {
    int Limit = 0;
    bool TooDeep = false;
    bool for_each(pugi::xml_node& node) override {
      // depth() counts the ancestors below the document, all of them elements.
      if (depth() >= Limit && node.type() == pugi::node_element) {
        TooDeep = true;
        return false;
      }
      return true;
    }
  } walker;
  walker.Limit = limit;
  doc.traverse(walker);
  return walker.TooDeep;
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
  return WriteFileAtomically(path, [&](const TByteSink& sink) { sink(bytes); });
}

std::string WriteFileAtomically(const std::string& path,
                                const std::function<void(const TByteSink& sink)>& produce) {
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
  TBufferedFile file(fd);
  try {
    produce([&](std::string_view bytes) { file.Write(bytes); });
  } catch (...) {
    ::close(fd);
    unlink(temp.c_str());
    throw;
  }
  file.Flush();
  if (file.Error() != 0) return fail(file.Error(), true);
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
constexpr const char* kXmlError = "EXMLReadError";

// The checks pugixml leaves out that need the text: not empty, no NUL byte,
// valid UTF-8.
bool CheckXmlText(const char* data, size_t size, pugi::xml_document& doc, TXmlReadError& error) {
  if (size == 0) return Fail(doc, error, kXmlError, "The file is empty");
  if (const void* nul = std::memchr(data, '\0', size))
    return Fail(doc, error, kXmlError,
                "NUL character at offset " + std::to_string(static_cast<const char*>(nul) - data));
  size_t bad = 0;
  if (!IsValidUtf8(data, size, bad))
    return Fail(doc, error, kXmlError, "Invalid UTF-8 at offset " + std::to_string(bad));
  return true;
}

// The checks on the tree: nesting of at most kMaxXmlDepth (also of the part
// that was read before a syntax error, which is reported first, as a scan
// of the text would), the parser's verdict, then exactly one document
// element.
bool CheckParsed(const pugi::xml_parse_result& result, pugi::xml_document& doc,
                 TXmlReadError& error) {
  if (NestsDeeperThan(doc, kMaxXmlDepth))
    return Fail(doc, error, kXmlError,
                "Elements nested deeper than " + std::to_string(kMaxXmlDepth) + " levels");
  if (!result)
    return Fail(doc, error, kXmlError,
                std::string(result.description()) + " at offset " + std::to_string(result.offset));
  int elements = 0;
  for (pugi::xml_node n = doc.first_child(); n; n = n.next_sibling())
    if (n.type() == pugi::node_element) ++elements;
  if (elements != 1)
    return Fail(doc, error, kXmlError,
                elements == 0 ? "No document element" : "More than one document element");
  return true;
}

// Reads the whole file open as fd into a block from pugixml's allocator (so
// that the document can take it over); false with errno set on a read error.
// A regular file is read straight into a block of its size.
bool ReadAll(int fd, void*& block, size_t& size) {
  block = nullptr;
  size = 0;
  std::string rest;  // what does not fit the block sized from fstat
  struct stat st;
  size_t capacity = 0;
  if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0)
    capacity = static_cast<size_t>(st.st_size);
  if (capacity > 0) {
    block = pugi::get_memory_allocation_function()(capacity);
    if (block == nullptr) throw std::bad_alloc();
  }
  auto release = [&] {
    if (block) pugi::get_memory_deallocation_function()(block);
    block = nullptr;
  };
  char* const bytes = static_cast<char*>(block);
  while (size < capacity) {
    const ssize_t n = ::read(fd, bytes + size, capacity - size);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int err = errno;
      release();
      errno = err;
      return false;
    }
    if (n == 0) break;  // shorter than it was
    size += static_cast<size_t>(n);
  }
  if (size == capacity) {
    // Not a regular file, or one that grew: read on to the end.
    char buf[65536];
    for (;;) {
      const ssize_t n = ::read(fd, buf, sizeof buf);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        const int err = errno;
        release();
        errno = err;
        return false;
      }
      if (n == 0) break;
      rest.append(buf, static_cast<size_t>(n));
    }
  }
  if (!rest.empty()) {
    void* whole = pugi::get_memory_allocation_function()(size + rest.size());
    if (whole == nullptr) {
      release();
      throw std::bad_alloc();
    }
    if (size > 0) std::memcpy(whole, block, size);
    std::memcpy(static_cast<char*>(whole) + size, rest.data(), rest.size());
    release();
    block = whole;
    size += rest.size();
  }
  return true;
}

}  // namespace

bool ParseXmlText(const std::string& bytes, pugi::xml_document& doc, TXmlReadError& error) {
  if (!CheckXmlText(bytes.data(), bytes.size(), doc, error)) return false;
  return CheckParsed(
      doc.load_buffer(bytes.data(), bytes.size(), kParseOptions, pugi::encoding_utf8), doc, error);
}

bool ReadXmlFile(const std::string& path, pugi::xml_document& doc, TXmlReadError& error,
                 unsigned extraOptions) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0)
    return Fail(doc, error, "EInOutError", "Cannot open " + Quoted(path) + ": " + ErrnoText(errno));
  void* block = nullptr;
  size_t size = 0;
  bool read = false;
  try {
    read = ReadAll(fd, block, size);
  } catch (...) {
    ::close(fd);
    throw;
  }
  const int err = errno;
  ::close(fd);
  if (!read)
    return Fail(doc, error, "EInOutError", "Cannot read " + Quoted(path) + ": " + ErrnoText(err));
  // The document parses the block in place and takes it over: the file is
  // held once while its tree is built.
  if (!CheckXmlText(static_cast<const char*>(block), size, doc, error)) {
    if (block) pugi::get_memory_deallocation_function()(block);
    return false;
  }
  return CheckParsed(
      doc.load_buffer_inplace_own(block, size, kParseOptions | extraOptions, pugi::encoding_utf8),
      doc, error);
}

std::string SetDamagedFileAside(const std::string& path) {
  std::error_code ec;
  for (int n = 1; n < 1000; ++n) {
    const std::string aside = path + ".damaged" + (n == 1 ? "" : std::to_string(n));
    if (std::filesystem::exists(aside, ec) || ec) continue;
    std::filesystem::rename(path, aside, ec);
    return ec ? std::string() : aside;
  }
  return {};
}

bool IsDamagedXmlFile(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return false;
  pugi::xml_document doc;
  TXmlReadError error;
  return !ReadXmlFile(path, doc, error) && error.Kind != "EInOutError";
}
