// Where an INI will not read on Windows as its author wrote it, or may read otherwise than under
// Wine: each finding names its line, says what Windows (or Wine) will do, and gives the fix.
// Only what the launcher reads counts: its settings, its [Files] lines, and the section headers
// that decide which lines those are.
#pragma once

#include <string>
#include <vector>

#include "checker/findings.h"

// From the file's bytes, read as Windows and as Wine read them.
std::vector<Finding> ReadingFindings(const std::string& bytes);
