// The launcher's platform operations carried out on the host, over a folder being checked.
#include "checker/platform_host.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <unordered_map>

#include "checker/ansi_text.h"
#include "checker/profile_reader.h"
#include "checker/system_profile.h"
#include "checker/windows_path.h"

const char kHostDriveRoot[] = "D:\\";

namespace {

// A folder's entries, listed once per check, by their names as Windows compares them.
struct FolderIndex {
  std::vector<HostEntry> entries;
  std::unordered_map<std::string, size_t> byName;  // the first of names that fold alike
};

struct HostState {
  ReadingPlatform platform = kReadAsWindows;
  std::string folder;
  std::string commandLine;
  std::vector<HostMessage> messages;
  std::map<std::string, ProfileFile> profiles;  // read once per check
  std::vector<HostEntry> search;
  size_t next = 0;
  bool configurationOpened = false;
  std::map<std::string, FolderIndex> listed;
};
HostState State;

const FolderIndex& IndexOf(const std::string& hostFolder) {
  auto found = State.listed.find(hostFolder);
  if (found != State.listed.end()) return found->second;
  FolderIndex& index = State.listed[hostFolder];
  index.entries = ListEveryHostEntry(hostFolder);
  for (size_t i = 0; i < index.entries.size(); ++i) {
    index.byName.emplace(HostNameKey(index.entries[i].hostName), i);
  }
  return index;
}

// The entry Windows finds under that name in a host folder, or null.
const HostEntry* EntryNamed(const std::string& hostFolder, const std::string& ansiName) {
  const FolderIndex& index = IndexOf(hostFolder);
  auto found = index.byName.find(AnsiNameKey(ansiName));
  return found == index.byName.end() ? nullptr : &index.entries[found->second];
}

// Follows the segments from the folder: each but the last a folder.
HostLookup LookUpSegments(const std::vector<std::string>& segments) {
  HostLookup lookup = {State.folder, kHostFolder};
  for (const std::string& segment : segments) {
    const HostEntry* entry =
        lookup.kind == kHostFolder ? EntryNamed(lookup.host, segment) : nullptr;
    if (entry == nullptr) return {"", kHostOther};
    lookup = {lookup.host + "/" + entry->hostName, entry->kind};
  }
  return lookup;
}

}  // namespace

std::string ReadHostBytes(const std::string& hostPath) {
  std::ifstream in(hostPath, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

const ProfileFile& HostProfileAt(const char* path) {
  auto entry = State.profiles.emplace(path, ProfileFile());
  if (entry.second) {  // first asked for in this check
    entry.first->second = ReadProfile(ReadHostBytes(HostPathOf(path)), DialectOf(State.platform));
  }
  return entry.first->second;
}

void UseHostFolder(const std::string& folder, const std::string& programName,
                   ReadingPlatform platform) {
  State = HostState();
  State.platform = platform;
  State.folder = folder;
  State.commandLine = "\"" + std::string(kHostDriveRoot) + programName + "\"";
}

std::vector<HostMessage> TakeHostMessages() {
  std::vector<HostMessage> messages;
  messages.swap(State.messages);
  return messages;
}

void TakeLauncherPaths(LauncherPaths* paths) {
  TakeProgramPath(PlatformCommandLine(), paths->programPath);
  paths->derived = DeriveConfigPath(paths->programPath, paths->configPath);
  TakeHostMessages();  // the launcher's own box for no ".exe" is the start-up's to show
  paths->hostConfig = paths->derived ? HostPathOf(paths->configPath) : "";
}

bool HostConfigurationOpened() {
  return State.configurationOpened;
}

std::string HostPathOf(const std::string& windowsPath) {
  const size_t root = strlen(kHostDriveRoot);
  if (windowsPath.size() < root || !SameAnsiFolded(windowsPath.substr(0, root), kHostDriveRoot)) {
    return "";
  }
  return LookUpSegments(ResolveWindowsPath(windowsPath.substr(root)).segments).host;
}

RowLookup LookUpRow(const std::string& path) {
  RowLookup row;
  row.path = ResolveWindowsPath(path);
  if (row.path.problem != kNameFine) return row;
  const HostLookup found = LookUpSegments(row.path.segments);
  row.host = found.host;
  row.kind = found.kind;
  return row;
}

const std::vector<HostEntry>& HostFolderEntries(const std::string& hostFolder) {
  return IndexOf(hostFolder).entries;
}

const char* PlatformCommandLine() {
  return State.commandLine.c_str();
}

bool PlatformProbeFile(const char* path, uint32_t* size) {
  const std::string host = HostPathOf(path);
  // Only a plain file opens for reading; a folder, a pipe or a device is never waited on.
  FILE* file = IsHostPlainFile(host) ? fopen(host.c_str(), "rb") : nullptr;
  const bool opened = file != nullptr;
  if (opened && size != nullptr) {
    fseek(file, 0, SEEK_END);
    *size = static_cast<uint32_t>(ftell(file));
  }
  if (file != nullptr) fclose(file);
  if (size != nullptr) State.configurationOpened = opened;
  return opened;
}

void PlatformLowerCase(char* text, uint32_t length) {
  for (uint32_t i = 0; i < length; ++i) text[i] = AnsiLower(text[i]);
}

// Asked to read natively, the system's own functions read the host file the path names.
static const SystemProfile* NativeProfile() {
  return State.platform == kReadNatively ? SystemProfileFunctions() : nullptr;
}

void PlatformProfileString(const char* section, const char* key, const char* fallback, char* buffer,
                           uint32_t room, const char* path) {
  if (const SystemProfile* native = NativeProfile()) {
    return native->string(section, key, fallback, buffer, room, HostPathOf(path).c_str());
  }
  std::string value = ProfileString(HostProfileAt(path), section, key, fallback, room);
  if (room > 0) memcpy(buffer, value.c_str(), value.size() + 1);
}

int32_t PlatformProfileInt(const char* section, const char* key, int32_t fallback,
                           const char* path) {
  if (const SystemProfile* native = NativeProfile()) {
    return native->integer(section, key, fallback, HostPathOf(path).c_str());
  }
  return ProfileInt(HostProfileAt(path), section, key, fallback);
}

void PlatformProfileSection(const char* section, char* buffer, uint32_t size, const char* path) {
  if (const SystemProfile* native = NativeProfile()) {
    return native->section(section, buffer, size, HostPathOf(path).c_str());
  }
  ProfileSectionBuffer(HostProfileAt(path), section, buffer, size);
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

void PlatformShowMessage(const char* text, const char* caption, MessageIcon) {
  State.messages.push_back({AnsiToUtf8(text), AnsiToUtf8(caption)});
}
