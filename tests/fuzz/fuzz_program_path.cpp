// Arbitrary command lines through the program-path and configuration-path derivation.
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "config/folder_scan.h"
#include "fake_platform.h"
#include "launcher/platform.h"
#include "launcher/program_path.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string commandLine(reinterpret_cast<const char*>(data), size);  // ends at any NUL
  ResetFake();
  // Exact-size heap buffers, so AddressSanitizer sees a write past any room.
  char* programPath = static_cast<char*>(malloc(kProgramPathRoom));
  char* configPath = static_cast<char*>(malloc(kConfigPathRoom));
  TakeProgramPath(commandLine.c_str(), programPath);
  const size_t length = strlen(programPath);
  if (length > kProgramPathRoom - 1) abort();
  if (strstr(commandLine.c_str(), programPath) == nullptr) abort();  // a piece of the line

  const char* own = OwnName(programPath);
  if (own < programPath || own > programPath + length || strchr(own, '\\') != nullptr) abort();

  const bool derived = DeriveConfigPath(programPath, configPath);
  if (Fake.messages.size() != (derived ? 0u : 1u)) abort();
  if (derived) {
    const size_t configLength = strlen(configPath);
    if (configLength < 4 || strcmp(configPath + configLength - 4, ".ini") != 0) abort();
    for (const char* c = configPath; *c; ++c) {
      if (*c >= 'A' && *c <= 'Z') abort();
    }
    if (strpbrk(configPath, "\\/:") == nullptr) abort();  // never a bare name
  }

  if (derived) {  // the listed folder is the folder the scan searched, only its case restored
    Fake.folder = {{0x20, "a.txt"}};
    int folderLength = 0;
    ScanProgramFolder(configPath, own, &folderLength);
    char folder[kConfigPathRoom];
    TakeListedFolder(programPath, folderLength, folder, sizeof folder);
    const size_t length = strlen(folder);
    if (length != static_cast<size_t>(folderLength) || Fake.searchPattern.substr(length) != "*.*")
      abort();
    PlatformLowerCase(folder, static_cast<uint32_t>(length));
    if (Fake.searchPattern.compare(0, length, folder) != 0) abort();
  }
  free(programPath);
  free(configPath);
  return 0;
}
