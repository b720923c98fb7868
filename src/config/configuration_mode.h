// Configuration mode: the settings, then the [Files] section, from the file beside the program.
#pragma once

#include <cstdint>

// Returns true when every setting passed and the list holds at least one row.
bool ReadConfiguration(const char* configPath, uint32_t fileSize);
