// Arbitrary command lines through the program-path and configuration-path derivation.
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fake_platform.h"
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

  char folder[kProgramPathRoom];
  TakeFolderPart(programPath, folder, sizeof folder);
  if (strncmp(folder, programPath, strlen(folder)) != 0) abort();
  char joined[kProgramPathRoom];
  if (JoinFolderPath(folder, own, joined, sizeof joined) && strcmp(joined, programPath) != 0) {
    abort();
  }
  free(programPath);
  free(configPath);
  return 0;
}
