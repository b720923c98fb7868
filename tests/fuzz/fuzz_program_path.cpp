// Arbitrary command lines through the program-path and configuration-path derivation.
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

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

  if (derived) {  // the listed folder is the configuration path's folder, only its case restored
    char folder[kConfigPathRoom];
    TakeListedFolder(configPath, programPath, folder, sizeof folder);
    const char* slash = strrchr(configPath, '\\');
    const size_t folderLength = slash ? static_cast<size_t>(slash + 1 - configPath) : 0;
    if (strlen(folder) != folderLength) abort();
    PlatformLowerCase(folder, static_cast<uint32_t>(folderLength));
    if (strncmp(folder, configPath, folderLength) != 0) abort();
  }
  free(programPath);
  free(configPath);
  return 0;
}
