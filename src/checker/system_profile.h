// The running system's own profile functions, which --platform native reads through: where the
// checker is a Windows program, the very functions the launcher calls (system_profile_win.cpp);
// on any other host there are none (system_profile_posix.cpp).
#pragma once

#include <cstdint>

struct SystemProfile {
  void (*string)(const char* section, const char* key, const char* fallback, char* buffer,
                 uint32_t room, const char* hostPath);
  int32_t (*integer)(const char* section, const char* key, int32_t fallback, const char* hostPath);
  void (*section)(const char* section, char* buffer, uint32_t size, const char* hostPath);
  bool isWine;  // the system is Wine, whose profile functions read as Wine's do
};

// Null where the system has no profile functions.
const SystemProfile* SystemProfileFunctions();
