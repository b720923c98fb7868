// The folder being checked on a Unix host, as Wine shows it to Windows programs: names in
// Windows-1252, hidden and system attributes, and the search order.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <wctype.h>
#include <locale.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "checker/ansi_text.h"
#include "checker/host_files.h"
#include "launcher/platform.h"

namespace {

const char kDosAttributes[] = "user.DOSATTRIB";

// Wine keeps the hidden and system attributes in an extended attribute; names with a leading
// dot are hidden too.
uint32_t AttributesOf(const std::string& path, const std::string& name, bool directory) {
  uint32_t attributes = directory ? static_cast<uint32_t>(kAttributeDirectory) : 0u;
  if (!name.empty() && name[0] == '.') attributes |= kAttributeHidden;
  char value[32] = {};
  ssize_t length = getxattr(path.c_str(), kDosAttributes, value, sizeof value - 1);
  if (length > 0) attributes |= strtoul(value, nullptr, 16) & (kAttributeHidden | kAttributeSystem);
  return attributes;
}

// The platform's folder search lists names without regard to case, as upper-cased UTF-16.
uint32_t UpperUnit(char c) {
  return AnsiToUnicode(static_cast<uint8_t>(AnsiUpper(c)));
}

bool IsDotEntry(const std::string& name) {
  return name == "." || name == "..";
}

bool SearchOrder(const HostEntry& a, const HostEntry& b) {
  if (IsDotEntry(a.name) || IsDotEntry(b.name)) {
    return IsDotEntry(a.name) && (!IsDotEntry(b.name) || a.name < b.name);
  }
  size_t n = std::min(a.name.size(), b.name.size());
  for (size_t i = 0; i < n; ++i) {
    uint32_t x = UpperUnit(a.name[i]), y = UpperUnit(b.name[i]);
    if (x != y) return x < y;
  }
  if (a.name.size() != b.name.size()) return a.name.size() < b.name.size();
  return a.name < b.name;
}

bool StatOf(const std::string& path, struct stat* info) {
  return !path.empty() && stat(path.c_str(), info) == 0;
}

// The entry of that name in folder; false when it cannot be looked at (it went in between).
bool ReadEntry(const std::string& folder, const std::string& name, HostEntry* entry) {
  const std::string path = folder + "/" + name;
  struct stat info, own;
  if (lstat(path.c_str(), &own) != 0) return false;
  const bool target = stat(path.c_str(), &info) == 0;
  const bool directory = target && S_ISDIR(info.st_mode);
  entry->attributes = AttributesOf(path, name, directory);
  entry->name = HostNameInAnsi(name);
  entry->hostName = name;
  entry->kind = directory ? kHostFolder : target && S_ISREG(info.st_mode) ? kHostFile : kHostOther;
  entry->link = S_ISLNK(own.st_mode);
  return true;
}

bool IsValidUtf8(const std::string& text) {
  bool valid = true;
  ForEachUtf8(text, 0,
              [&](size_t, const Utf8Sequence& sequence) { return valid = sequence.length > 0; });
  return valid;
}

}  // namespace

std::string HostNameInAnsi(const std::string& hostName) {
  return IsValidUtf8(hostName) ? Utf8ToAnsi(hostName) : hostName;
}

std::string HostNameKey(const std::string& hostName) {
  if (!IsValidUtf8(hostName)) return HostNameKey(AnsiToUtf8(hostName));
  static const locale_t kUnicode = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
  std::string key;
  ForEachUtf8(hostName, 0, [&](size_t, const Utf8Sequence& sequence) {
    const uint32_t c = sequence.codePoint;  // beyond U+FFFF, two units no table changes
    AppendUtf8(c <= 0xFFFF && kUnicode != nullptr ? towupper_l(c, kUnicode) : c, key);
    return true;
  });
  return key;
}

std::string AnsiNameKey(const std::string& ansiName) {
  return HostNameKey(AnsiToUtf8(ansiName));
}

std::vector<HostEntry> ListEveryHostEntry(const std::string& folder) {
  std::vector<HostEntry> entries;
  DIR* dir = opendir(folder.c_str());
  while (dirent* e = dir ? readdir(dir) : nullptr) {
    HostEntry entry;
    if (!IsDotEntry(e->d_name) && ReadEntry(folder, e->d_name, &entry)) entries.push_back(entry);
  }
  if (dir) closedir(dir);
  return entries;
}

// Wine lists "." and ".." first, and leaves out what it cannot look at: a broken link.
std::vector<HostEntry> ListHostFolder(const std::string& folder) {
  std::vector<HostEntry> entries;
  if (!IsHostFolder(folder)) return entries;
  for (const char* dot : {".", ".."}) {
    entries.push_back({AttributesOf(folder + "/" + dot, dot, true), dot, dot, kHostFolder, false});
  }
  for (const HostEntry& entry : ListEveryHostEntry(folder)) {
    if (!entry.link || entry.kind != kHostOther) entries.push_back(entry);
  }
  std::sort(entries.begin(), entries.end(), SearchOrder);
  return entries;
}

bool IsHostFolder(const std::string& path) {
  struct stat info;
  return StatOf(path, &info) && S_ISDIR(info.st_mode);
}

bool IsHostPlainFile(const std::string& path) {
  struct stat info;
  return StatOf(path, &info) && S_ISREG(info.st_mode);
}

std::string HostTextInUtf8(const std::string& text) {
  return IsValidUtf8(text) ? text : AnsiToUtf8(text);
}

bool HostPathExists(const std::string& path) {
  struct stat info;
  return lstat(path.c_str(), &info) == 0;
}

std::string HostLinkTarget(const std::string& path) {
  char target[4096];
  const ssize_t length = readlink(path.c_str(), target, sizeof target);
  return length > 0 ? std::string(target, static_cast<size_t>(length)) : "";
}

// Wine's hidden and system attributes of the model, set on the open file: true when it has none.
bool CopyDosAttributes(const std::string& model, int file) {
  char value[64];
  const ssize_t length = getxattr(model.c_str(), kDosAttributes, value, sizeof value);
  return length < 0 || fsetxattr(file, kDosAttributes, value, static_cast<size_t>(length), 0) == 0;
}

bool WriteNewHostFile(const std::string& path, const std::string& bytes, const std::string& model,
                      std::string* error) {
  struct stat info;
  const mode_t mode = StatOf(model, &info) ? info.st_mode & 07777 : 0644;
  const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, mode);
  bool written = file >= 0;
  for (size_t done = 0; written && done < bytes.size();) {
    const ssize_t n = write(file, bytes.data() + done, bytes.size() - done);
    written = n > 0;
    done += written ? static_cast<size_t>(n) : 0;
  }
  written =
      written && fchmod(file, mode) == 0 && CopyDosAttributes(model, file) && fsync(file) == 0;
  if (file >= 0 && close(file) != 0) written = false;
  if (!written) {
    *error = "cannot write " + path + ": " + strerror(errno);
    if (file >= 0) unlink(path.c_str());
  }
  return written;
}

bool MoveHostFileOver(const std::string& from, const std::string& to, std::string* error) {
  if (rename(from.c_str(), to.c_str()) == 0) return true;
  *error = "cannot rename " + from + " to " + to + ": " + strerror(errno);
  return false;
}

void RemoveHostFile(const std::string& path) {
  unlink(path.c_str());
}
