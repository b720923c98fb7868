// A stand-in for Win32 behind platform.h, for the unit tests, benchmarks and fuzzers.
#include "fake_platform.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "config/launch_list.h"

FakePlatform Fake;

namespace {

std::string Trim(const std::string& s) {
  size_t first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  size_t last = s.find_last_not_of(" \t\r");
  return s.substr(first, last - first + 1);
}

bool SameFolded(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (tolower(static_cast<unsigned char>(a[i])) != tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

// The raw lines of a section as the platform's reader gives them: comments and blanks dropped.
bool SectionLines(const std::string& section, std::vector<std::string>* lines) {
  bool inside = false, found = false;
  size_t start = 0;
  const std::string& text = Fake.configText;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = Trim(text.substr(start, end - start));
    start = end + 1;
    if (!line.empty() && line[0] == '[') {
      if (found && inside) return true;
      inside = SameFolded(Trim(line.substr(1, line.find(']') - 1)), section);
      found = found || inside;
    } else if (inside && !line.empty() && line[0] != ';') {
      lines->push_back(line);
    }
  }
  return found;
}

bool FindValue(const char* section, const char* key, std::string* value) {
  std::vector<std::string> lines;
  if (!SectionLines(section, &lines)) return false;
  for (const std::string& line : lines) {
    size_t equals = line.find('=');
    if (equals != std::string::npos && SameFolded(Trim(line.substr(0, equals)), key)) {
      *value = Trim(line.substr(equals + 1));
      return true;
    }
  }
  return false;
}

}  // namespace

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
  std::string value;
  if (!FindValue(section, key, &value)) value = fallback;
  snprintf(buffer, room, "%s", value.c_str());
}

int32_t PlatformProfileInt(const char* section, const char* key, int32_t fallback,
                           const char* path) {
  (void)path;
  std::string value;
  if (!FindValue(section, key, &value)) return fallback;
  return static_cast<int32_t>(strtol(value.c_str(), nullptr, 10));
}

void PlatformProfileSection(const char* section, char* buffer, uint32_t size, const char* path) {
  (void)path;
  std::vector<std::string> lines;
  SectionLines(section, &lines);
  std::string all = SectionBuffer(lines);
  if (size < 2) return;
  if (all.size() > size) {
    all.resize(size - 2);
    all += std::string(2, '\0');
  }
  memcpy(buffer, all.data(), all.size());
}

char* PlatformAllocate(uint32_t size) {
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
  return Deliver(entry);
}

bool PlatformFindNext(FolderEntry* entry) {
  return Deliver(entry);
}

void PlatformFindClose() {}

void PlatformShowMessage(const char* text, const char* caption, MessageIcon icon) {
  Fake.messages.push_back({text, caption, icon});
}

int PlatformFormat(char* buffer, const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  int length = vsnprintf(buffer, 1024, format, arguments);
  va_end(arguments);
  return length;
}
