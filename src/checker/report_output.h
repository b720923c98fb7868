// The checker's findings as text for people and as JSON for scripts.
#pragma once

#include <string>

#include "checker/folder_check.h"

struct ReportHeading {
  std::string folder, program;
  bool widthIsDefault;
  std::string programFrom;  // the INI the program's name was taken from; "" when it was given
  bool strict;              // warnings fail the check
};

// More warnings, notes or changes by --fix than this are counted, not listed.
constexpr size_t kShownFindings = 100;

std::string ReportAsText(const ReportHeading& heading, const FolderReport& report);
std::string ReportAsJson(const ReportHeading& heading, const FolderReport& report);
