// Looks at a launcher folder as lanterpick.exe would when started from it, and beyond: every
// problem, not only the first, and what folder mode leaves out. Its texts are UTF-8.
#pragma once

#include <string>
#include <vector>

#include "checker/platform_host.h"
#include "checker/reading_warnings.h"

enum CheckedMode { kStoppedBeforeChoosing, kConfigurationMode, kFolderMode };

struct CheckedBox {
  std::string caption, text;
  int line;                 // of the INI the problem is on, 0 when none
  int otherLine = 0;        // a second line it is about (the sum of the button sizes), 0 when none
  std::string detail = "";  // what the checker measured, beyond the launcher's own text
};

struct CheckedRow {
  std::string path, text, description;
  bool keepOpenAllowed;
};

struct CheckedEntry {
  std::string name, reason;
};

// Wine's verdict, beside Windows', where the two differ.
struct OtherVerdict {
  bool differs = false;
  bool opens = false;
  std::string windowTitle;
  CheckedBox message = {};
  bool rowsDiffer = false;  // both open, but with other rows or descriptions
};

struct FolderReport {
  std::string error;  // why the folder could not be checked at all; "" when it was
  ReadingPlatform platform = kReadAsWindows;
  CheckedMode mode = kStoppedBeforeChoosing;
  std::string configName;            // the INI the launcher looks for, as it names it
  bool opens = false;                // the dialog would open
  CheckedBox first = {};             // the one box the launcher would show instead
  std::vector<CheckedBox> problems;  // every one found, the first among them
  std::vector<Finding> warnings;     // what the platform read as will show otherwise, or unknown
  std::vector<Finding> notes;        // harmless to it today
  std::string windowTitle;
  std::string rowsOpenFrom;  // the folder the launcher opens rows from; "" for the current one
  int width = 0;
  std::vector<CheckedRow> rows;
  std::vector<CheckedEntry> leftOut;
  std::vector<Finding> names;  // entries Windows cannot open or hold, by path (arguments[0])
  OtherVerdict underWine;  // set by CompareWithWine
};

// The row width of the list at the template's size and the dialog's usual font.
int DefaultRowWidth();

// The program name the folder's INI calls for: with one INI (desktop.ini aside), that INI (ini)
// and its name with ".exe", a lower-case first letter made a capital (setup.ini: Setup.exe);
// with none, "" and "Setup.exe". False, with error set, when there are several to choose from.
// Names are in the launcher's code page; scripts take the name from the report's "program".
bool ProgramNameFor(const std::string& folder, std::string* program, std::string* ini,
                    std::string* error);

// The check of one reading of the folder, launched as programName (in the launcher's code page).
FolderReport CheckFolder(const std::string& folder, const std::string& programName, int width,
                         ReadingPlatform platform);

// Sets report->underWine: where the check of Wine's reading comes to another verdict.
void CompareWithWine(const FolderReport& wine, FolderReport* report);
