// Where an INI will not read on Windows as it was written, or may read otherwise than under
// Wine: each warning names its line, says what Windows will do, and gives the fix.
#pragma once

#include <string>
#include <vector>

#include "checker/folder_check.h"
#include "checker/profile_reader.h"

// From the file's bytes: its encoding, its section headers, NUL bytes, the size of [Files].
std::vector<CheckedBox> FileReadingWarnings(const std::string& bytes);

// From the [SystemSettings] values as read: numbers written so that readings may differ, and
// quoted texts exactly one over their limit.
std::vector<CheckedBox> SettingReadingWarnings(const ProfileFile& profile);
