// The [SystemSettings] section: reading every key with its default, and validating in fixed order.
#pragma once

#include <cstdint>

// The INI's two sections the launcher reads.
constexpr char kSettingsSection[] = "SystemSettings";
constexpr char kFilesSection[] = "Files";

// Reads every key into TheSettings; sets ShowFullPath and tells whether ShowFilepath was valid.
void ReadSettings(const char* configPath, bool* showFilepathValid);

// Checks the settings in their fixed order; shows the first failure and returns false.
bool ValidateSettings(bool showFilepathValid);

// A failed check's keys: one, or for the sum of the button sizes each size above 0.
struct FailedSetting {
  const char* keys[2];  // unused places are null
  int longest;          // a text's length limit in bytes; 0 for the other checks
};
enum { kSettingChecks = 16 };

// Runs every check, not only up to the first failure; each failure shows its message and, when
// failed is given (kSettingChecks places), is noted there in the same order. Returns how many
// failed.
int ValidateEverySetting(bool showFilepathValid, FailedSetting* failed = nullptr);

// Exactly one character, Y or N under ASCII folding.
bool DecideShowFilepath(const char* value, int32_t* showFullPath);

// The keys the launcher reads from [SystemSettings]: index 0 to kSettingKeyCount - 1.
enum { kSettingKeyCount = 15 };
const char* SettingKey(int index);

// The longest value a text key may have, in bytes; 0 for a key that is no text setting.
int LongestTextSetting(const char* key);

// OkButtonSize and CancelButtonSize, read as numbers.
bool IsSizeSetting(const char* key);

bool CheckTextSetting(const char* key, const char* value, int longest);
bool CheckSizeSetting(const char* key, int32_t size);
bool CheckCombinedSizes(int32_t okSize, int32_t cancelSize);
