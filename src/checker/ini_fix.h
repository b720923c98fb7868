// lanterpick-check --fix: mends what can be mended in an INI without guessing. A UTF-8 or UTF-16
// big-endian file becomes UTF-16 LE with its mark, which Windows reads as written; a UTF-8 mark
// on plain ASCII goes; a row's path with / gets \. Anything else is left to the author.
#pragma once

#include <string>
#include <vector>

struct IniMend {
  std::string bytes;                   // the file as mended
  std::vector<std::string> changes;    // each change made, in UTF-8
  std::vector<std::string> leftAlone;  // what was not mended, and why
};

// False, with why set, when the file's text is not known: bytes behind a UTF-8 mark that are no
// UTF-8, or lines of UTF-8 beside bytes that are no UTF-8. Nothing is to be changed then.
bool MendIni(const std::string& bytes, IniMend* mend, std::string* why);

// Mends the INI the launcher named programName reads in folder, if it has one. The mended file
// replaces it at once (written beside it, flushed, renamed over it); the original is kept as
// NAME.orig, which must not exist yet; the new file keeps the old one's mode and hidden and system
// attributes. An INI that is a link is refused. Says what it did in said; false, with error set and
// nothing changed, when it cannot.
bool FixFolderIni(const std::string& folder, const std::string& programName,
                  std::vector<std::string>* said, std::string* error);
