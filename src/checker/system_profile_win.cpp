// The system's own profile functions for --platform native: on Windows, what the launcher calls.
#include <windows.h>

#include "checker/system_profile.h"

namespace {

void ProfileString(const char* section, const char* key, const char* fallback, char* buffer,
                   uint32_t room, const char* hostPath) {
  GetPrivateProfileStringA(section, key, fallback, buffer, room, hostPath);
}

int32_t ProfileInt(const char* section, const char* key, int32_t fallback, const char* hostPath) {
  return static_cast<int32_t>(GetPrivateProfileIntA(section, key, fallback, hostPath));
}

void ProfileSection(const char* section, char* buffer, uint32_t size, const char* hostPath) {
  GetPrivateProfileSectionA(section, buffer, size, hostPath);
}

// Wine's own ntdll exports wine_get_version; Windows' has no such function.
bool RunsOnWine() {
  const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace

const SystemProfile* SystemProfileFunctions() {
  static const SystemProfile functions = {ProfileString, ProfileInt, ProfileSection, RunsOnWine()};
  return &functions;
}
