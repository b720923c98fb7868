// What --fix mends in an INI's bytes, without guessing: a UTF-8 or UTF-16 big-endian file becomes
// UTF-16 LE with its mark, which Windows reads as written; UTF-8 marks on plain ASCII go; a row's
// path with / gets \.
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
