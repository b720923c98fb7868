// lanterpick-check --fix: the INI the launcher reads in a folder, mended where that needs no
// guess (ini_mend.h) and written anew in its place.
#pragma once

#include <string>
#include <vector>

#include "checker/ini_mend.h"

// What --fix tells, in UTF-8: what it did or left alone, then each change it made.
struct FixReport {
  std::vector<std::string> said, changes;
};

// Mends the INI the launcher named programName reads in folder, if it has one. The mended file
// replaces it at once (written beside it, flushed, renamed over it); the original is kept as
// NAME.orig, which must not exist yet; the new file keeps the old one's mode and hidden and system
// attributes. An INI that is a link is refused. False, with error set and nothing changed, when it
// cannot.
bool FixFolderIni(const std::string& folder, const std::string& programName, FixReport* told,
                  std::string* error);
