// The launcher's platform operations carried out on the host, over a folder being checked.
#include "checker/platform_host.h"

#include <dirent.h>
#include <sys/stat.h>
#include <sys/xattr.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>

#include "checker/ansi_text.h"
#include "checker/profile_reader.h"

const char kHostDriveRoot[] = "D:\\";

namespace {

struct HostState {
  std::string folder;
  std::string commandLine;
  std::vector<HostMessage> messages;
  std::map<std::string, ProfileFile> profiles;  // read once per check
  std::vector<HostEntry> search;
  size_t next = 0;
  bool configurationOpened = false;
};
HostState State;

bool SameFolded(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (AnsiLower(a[i]) != AnsiLower(b[i])) return false;
  }
  return true;
}

// Wine keeps the hidden and system attributes in an extended attribute; names with a leading
// dot are hidden too.
uint32_t AttributesOf(const std::string& path, const std::string& name, bool directory) {
  uint32_t attributes = directory ? static_cast<uint32_t>(kAttributeDirectory) : 0u;
  if (!name.empty() && name[0] == '.') attributes |= kAttributeHidden;
  char value[32] = {};
  ssize_t length = getxattr(path.c_str(), "user.DOSATTRIB", value, sizeof value - 1);
  if (length > 0) attributes |= strtoul(value, nullptr, 16) & (kAttributeHidden | kAttributeSystem);
  return attributes;
}

// The platform's folder search lists names without regard to case, as upper-cased UTF-16.
uint32_t UpperUnit(uint32_t unit) {
  if (unit >= 'a' && unit <= 'z') return unit - 32;
  if (unit >= 0xE0 && unit <= 0xFE && unit != 0xF7) return unit - 32;
  if (unit == 0xFF) return 0x178;
  if (unit == 0x161 || unit == 0x153 || unit == 0x17E) return unit - 1;
  return unit;
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
    uint32_t x = UpperUnit(AnsiToUnicode(a.name[i])), y = UpperUnit(AnsiToUnicode(b.name[i]));
    if (x != y) return x < y;
  }
  if (a.name.size() != b.name.size()) return a.name.size() < b.name.size();
  return a.name < b.name;
}

std::string ChildNamed(const std::string& folder, const std::string& ansiName) {
  for (const HostEntry& entry : ListHostFolder(folder)) {
    if (SameFolded(entry.name, ansiName)) {
      // The entry's own name on disk, found again by its Windows-1252 form.
      DIR* dir = opendir(folder.c_str());
      std::string found;
      while (dirent* e = dir ? readdir(dir) : nullptr) {
        if (Utf8ToAnsi(e->d_name) == entry.name) found = folder + "/" + e->d_name;
      }
      if (dir) closedir(dir);
      return found;
    }
  }
  return "";
}

const ProfileFile& ProfileAt(const char* path) {
  auto found = State.profiles.find(path);
  if (found != State.profiles.end()) return found->second;
  std::ifstream in(HostPathOf(path), std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return State.profiles[path] = ReadProfile(bytes.str());
}

}  // namespace

void UseHostFolder(const std::string& folder, const std::string& programName) {
  State = HostState();
  State.folder = folder;
  State.commandLine = "\"" + std::string(kHostDriveRoot) + programName + "\"";
}

std::vector<HostMessage> TakeHostMessages() {
  std::vector<HostMessage> messages;
  messages.swap(State.messages);
  return messages;
}

bool HostConfigurationOpened() {
  return State.configurationOpened;
}

std::vector<HostEntry> ListHostFolder(const std::string& hostFolder) {
  std::vector<HostEntry> entries;
  DIR* dir = opendir(hostFolder.c_str());
  if (dir == nullptr) return entries;
  while (dirent* e = readdir(dir)) {
    std::string name = e->d_name, path = hostFolder + "/" + name;
    struct stat info;
    if (stat(path.c_str(), &info) != 0) continue;
    entries.push_back({AttributesOf(path, name, S_ISDIR(info.st_mode)), Utf8ToAnsi(name)});
  }
  closedir(dir);
  std::sort(entries.begin(), entries.end(), SearchOrder);  // "." and ".." come first
  return entries;
}

std::string HostPathOf(const std::string& windowsPath) {
  const size_t root = strlen(kHostDriveRoot);
  if (windowsPath.size() < root || !SameFolded(windowsPath.substr(0, root), kHostDriveRoot)) {
    return "";
  }
  std::string path = State.folder;
  std::stringstream parts(windowsPath.substr(root));
  std::string part;
  while (std::getline(parts, part, '\\')) {
    if (part.empty() || part == ".") continue;
    path = ChildNamed(path, part);
    if (path.empty()) return "";
  }
  return path;
}

const char* PlatformCommandLine() {
  return State.commandLine.c_str();
}

bool PlatformProbeFile(const char* path, uint32_t* size) {
  const std::string host = HostPathOf(path);
  // Only a plain file opens for reading; a folder, a pipe or a device is never waited on.
  struct stat info;
  bool opened = !host.empty() && stat(host.c_str(), &info) == 0 && S_ISREG(info.st_mode);
  FILE* file = opened ? fopen(host.c_str(), "rb") : nullptr;
  opened = file != nullptr;
  if (file != nullptr) fclose(file);
  if (opened && size != nullptr) *size = static_cast<uint32_t>(info.st_size);
  if (size != nullptr) State.configurationOpened = opened;
  return opened;
}

void PlatformLowerCase(char* text, uint32_t length) {
  for (uint32_t i = 0; i < length; ++i) text[i] = AnsiLower(text[i]);
}

void PlatformProfileString(const char* section, const char* key, const char* fallback, char* buffer,
                           uint32_t room, const char* path) {
  std::string value = ProfileString(ProfileAt(path), section, key, fallback, room);
  if (room > 0) memcpy(buffer, value.c_str(), value.size() + 1);
}

int32_t PlatformProfileInt(const char* section, const char* key, int32_t fallback,
                           const char* path) {
  return ProfileInt(ProfileAt(path), section, key, fallback);
}

void PlatformProfileSection(const char* section, char* buffer, uint32_t size, const char* path) {
  ProfileSectionBuffer(ProfileAt(path), section, buffer, size);
}

char* PlatformAllocate(uint32_t size) {
  return static_cast<char*>(calloc(size, 1));
}

void PlatformRelease(char* block) {
  free(block);
}

static bool DeliverEntry(FolderEntry* entry) {
  if (State.next >= State.search.size()) return false;
  const HostEntry& next = State.search[State.next++];
  entry->attributes = next.attributes;
  snprintf(entry->name, sizeof entry->name, "%s", next.name.c_str());
  return true;
}

bool PlatformFindFirst(const char* pattern, FolderEntry* entry) {
  std::string folder = pattern;
  folder.resize(folder.rfind('\\') + 1);
  const std::string host = HostPathOf(folder);
  State.search = host.empty() ? std::vector<HostEntry>() : ListHostFolder(host);
  State.next = 0;
  return DeliverEntry(entry);
}

bool PlatformFindNext(FolderEntry* entry) {
  return DeliverEntry(entry);
}

void PlatformFindClose() {
  State.search.clear();
}

void PlatformShowMessage(const char* text, const char* caption, MessageIcon icon) {
  State.messages.push_back({text, caption, icon});
}
