// Where an INI will not read on Windows as its author wrote it, or may read otherwise than under
// Wine: each finding names its line, says what Windows (or Wine) will do, and gives the fix.
// Only what the launcher reads counts: its settings, its [Files] lines, and the section headers
// that decide which lines those are.
#pragma once

#include <string>
#include <vector>

// The readings a finding changes. One that changes neither is a note: harmless today.
constexpr unsigned kConcernsWindows = 1, kConcernsWine = 2;
constexpr unsigned kConcernsBoth = kConcernsWindows | kConcernsWine;

struct Finding {
  int line;           // of the INI; 0 for the file as a whole
  unsigned concerns;  // kConcernsWindows, kConcernsWine, both, or none for a note
  std::string text;   // UTF-8
};

// From the file's bytes, read as Windows and as Wine read them.
std::vector<Finding> ReadingFindings(const std::string& bytes);
