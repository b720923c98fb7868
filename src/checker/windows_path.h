// How Windows finds a file by name: a path made whole as GetFullPathName makes it, from a folder
// that stands for a drive's root, and the names Windows cannot open or hold.
#pragma once

#include <string>
#include <vector>

enum NameProblem {
  kNameFine,
  kForbiddenCharacter,  // < > : " | ? * \ or a control character 1-31
  kDeviceName,          // CON, PRN, AUX, NUL, COM1-9, LPT1-9, with or without an extension
  kTrailingDotOrSpace,  // Windows drops them, and finds another name
};

// The first problem a single name (one segment of a path, in Windows-1252) has.
NameProblem NameProblemOf(const std::string& name);

// The first character of the name Windows forbids, shown as it is or as \xNN; "" when none.
std::string ForbiddenCharacterIn(const std::string& name);

// A path relative to the drive's root as Windows makes it whole: / is \, "." goes, ".." drops
// the segment before it and never goes above the root, and the last segment loses its trailing
// dots and spaces.
struct WindowsPath {
  std::vector<std::string> segments;  // from the root
  bool climbsAboveRoot = false;       // a ".." met the root and stayed there
  bool trimmedLast = false;           // trailing dots or spaces were dropped from the last segment
  bool endsInSeparator = false;       // a \ or / after the last name: Windows wants a folder
  NameProblem problem = kNameFine;    // the first segment's problem that keeps Windows from it
  std::string problemName;            // that segment
};
WindowsPath ResolveWindowsPath(const std::string& path);

// The segments joined by \, as Windows names the file from the root.
std::string JoinedWindowsPath(const WindowsPath& path);
