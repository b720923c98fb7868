// A stand-in for Win32 behind platform.h, for the unit tests, benchmarks and fuzzers.
#include "fake_platform.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/mman.h>
#include <unistd.h>

#include "checker/profile_reader.h"
#include "config/launch_list.h"

FakePlatform Fake;

namespace {

// The INI as the profile reader sees it, read again only when its text changed.
const ProfileFile& CurrentProfile() {
  static bool read = false;
  static std::string readText;
  static ProfileFile profile;
  if (!read || readText != Fake.configText) {
    profile = ReadProfile(Fake.configText, kWineReading);
    readText = Fake.configText;
    read = true;
  }
  return profile;
}

}  // namespace

void ReadProfileOnce() {
  CurrentProfile();
}

void ResetFake() {
  Fake = FakePlatform();
  ResetLaunchState();
}

std::string SectionBuffer(const std::vector<std::string>& lines) {
  std::string buffer;
  for (const std::string& line : lines) buffer += line + '\0';
  return buffer + '\0';
}

const char* PlatformCommandLine() {
  return Fake.commandLine.c_str();
}

bool PlatformProbeFile(const char* path, uint32_t* size) {
  Fake.openedPath = path;
  if (!Fake.configExists) return false;
  if (size != nullptr) *size = static_cast<uint32_t>(Fake.configText.size());
  return true;
}

void PlatformLowerCase(char* text, uint32_t length) {
  for (uint32_t i = 0; i < length; ++i) {
    text[i] = static_cast<char>(tolower(static_cast<unsigned char>(text[i])));
  }
}

void PlatformProfileString(const char* section, const char* key, const char* fallback, char* buffer,
                           uint32_t room, const char* path) {
  (void)path;
  std::string value = ProfileString(CurrentProfile(), section, key, fallback, room);
  if (room > 0) memcpy(buffer, value.c_str(), value.size() + 1);
}

int32_t PlatformProfileInt(const char* section, const char* key, int32_t fallback,
                           const char* path) {
  (void)path;
  return ProfileInt(CurrentProfile(), section, key, fallback);
}

void PlatformProfileSection(const char* section, char* buffer, uint32_t size, const char* path) {
  (void)path;
  ProfileSectionBuffer(CurrentProfile(), section, buffer, size);
}

char* PlatformAllocate(uint32_t size) {
  Fake.allocations.push_back(size);
  if (Fake.allocationFails) return nullptr;
  ++Fake.blocksHeld;
  return static_cast<char*>(calloc(size, 1));
}

void PlatformRelease(char* block) {
  --Fake.blocksHeld;
  free(block);
}

static size_t NextEntry;

static bool Deliver(FolderEntry* entry) {
  if (NextEntry >= Fake.folder.size()) return false;
  const FakeFile& file = Fake.folder[NextEntry++];
  entry->attributes = file.attributes;
  snprintf(entry->name, sizeof entry->name, "%s", file.name.c_str());
  ++Fake.entriesRead;
  return true;
}

bool PlatformFindFirst(const char* pattern, FolderEntry* entry) {
  Fake.searchPattern = pattern;
  NextEntry = 0;
  if (Fake.findFails) return false;
  Fake.searchOpen = true;
  return Deliver(entry);
}

bool PlatformFindNext(FolderEntry* entry) {
  return Deliver(entry);
}

void PlatformFindClose() {
  if (!Fake.searchOpen) abort();  // closing a search that is not open
  Fake.searchOpen = false;
}

void PlatformShowMessage(const char* text, const char* caption, MessageIcon icon) {
  Fake.messages.push_back({text, caption, icon});
}

BytesAtMemoryEnd::BytesAtMemoryEnd(const std::string& bytes) {
  const size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
  const size_t pages = (bytes.size() + page - 1) / page + 1;
  length_ = pages * page;
  pages_ = mmap(nullptr, length_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (pages_ == MAP_FAILED) abort();
  char* end = static_cast<char*>(pages_) + length_ - page;
  if (mprotect(end, page, PROT_NONE) != 0) abort();
  memcpy(end - bytes.size(), bytes.data(), bytes.size());
  data_ = end - bytes.size();
}

BytesAtMemoryEnd::~BytesAtMemoryEnd() {
  munmap(pages_, length_);
}
