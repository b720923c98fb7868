// Looks at a launcher folder as lanterpick.exe would when started from it, and beyond.
#include "checker/folder_check.h"

#include <algorithm>
#include <cstring>
#include <fstream>

#include "checker/platform_host.h"
#include "checker/profile_reader.h"
#include "config/files_parser.h"
#include "config/folder_scan.h"
#include "config/launch_list.h"
#include "config/settings.h"
#include "dialog/item_text.h"
#include "launcher/program_path.h"
#include "launcher/startup.h"

namespace {

const char* const kReasons[] = {"offered",
                                "a folder",
                                "hidden",
                                "a system file",
                                "temporary or offline",
                                "the launcher itself",
                                "a housekeeping extension"};

void AddMessages(std::vector<CheckedBox>* to, int line) {
  for (const HostMessage& m : TakeHostMessages()) to->push_back({m.caption, m.text, line});
}

// Where a settings problem stands: each message names its key first, but for the combined sizes,
// which name OkButtonSize (or CancelButtonSize when that alone is set).
void PlaceSettingsProblem(const ProfileFile& profile, CheckedBox* problem) {
  static const char kCombined[] = "The combined value of OkButtonSize and CancelButtonSize";
  std::vector<std::string> keys = {problem->text.substr(0, problem->text.find(' '))};
  if (problem->text.compare(0, sizeof kCombined - 1, kCombined) == 0) {
    keys = {"OkButtonSize", "CancelButtonSize"};
  }
  for (const std::string& key : keys) {
    problem->line = ProfileKeyLine(profile, "SystemSettings", key);
    if (problem->line > 0) return;
  }
  problem->notSet = true;
}

// Every setting out of bounds, not only the first, each with the line of its key.
void CheckEverySetting(const char* configPath, FolderReport* report) {
  ResetLaunchState();
  bool showFilepathValid = false;
  ReadSettings(configPath, &showFilepathValid);
  ValidateEverySetting(showFilepathValid);
  const size_t first = report->problems.size();
  AddMessages(&report->problems, 0);
  for (size_t i = first; i < report->problems.size(); ++i) {
    PlaceSettingsProblem(HostProfileAt(configPath), &report->problems[i]);
  }
}

bool IsAbsolute(const std::string& path) {
  return (path.size() >= 2 && path[1] == ':') || (!path.empty() && path[0] == '\\');
}

void CheckListedFile(const std::string& path, int line, FolderReport* report) {
  if (IsAbsolute(path)) {
    report->warnings.push_back({"", "\"" + path + "\" is an absolute path; not checked.", line});
    return;
  }
  const std::string host = HostPathOf(kHostDriveRoot + path);
  if (host.empty()) {
    report->warnings.push_back(
        {"",
         "\"" + path +
             "\" is not in the folder. The launcher opens it relative to its current folder "
             "when it runs, which is this folder only when it is started from here.",
         line});
  } else if (IsHostFolder(host)) {
    report->warnings.push_back({"", "\"" + path + "\" names a folder, not a file.", line});
  }
}

// Every [Files] line with a syntax error, with its line in the file; missing files as warnings.
void CheckEveryFileLine(const ProfileFile& profile, FolderReport* report) {
  int entries = 0;
  LaunchEntry entry;
  for (const SectionLine& line : ProfileSectionLines(profile, "Files")) {
    const std::string text = line.text;
    uint32_t length = 0;
    FileLineKind kind =
        ReadFileLine(text.c_str(), static_cast<uint32_t>(text.size() + 1), &entry, &length);
    if (kind == kBadLine) {
      ReportSyntaxError(text.c_str(), static_cast<uint32_t>(text.size()));
      AddMessages(&report->problems, line.line);
    } else if (kind == kEntryLine && ++entries <= kMaxEntries) {
      CheckListedFile(entry.path, line.line, report);
    }
  }
  if (entries > kMaxEntries) ReportTooManyFiles();
  if (entries == 0) ReportNoFilesListed();
  AddMessages(&report->problems, 0);
}

void CheckConfiguration(const std::string& hostConfig, const char* configPath,
                        FolderReport* report) {
  const std::string bytes = ReadHostBytes(hostConfig);
  const bool wide = bytes.compare(0, 2, "\xFF\xFE") == 0 || bytes.compare(0, 2, "\xFE\xFF") == 0;
  const size_t nuls = std::count(bytes.begin(), bytes.end(), '\0');
  if (nuls > 0 && !wide) {
    report->warnings.push_back(
        {"",
         "The file holds " + std::to_string(nuls) +
             " NUL bytes: it may not be text. What follows a NUL on a line is ignored.",
         0});
  }
  CheckEverySetting(configPath, report);
  CheckEveryFileLine(HostProfileAt(configPath), report);
}

void ListLeftOut(const std::string& folder, const char* ownName, FolderReport* report) {
  int offered = 0;
  for (const HostEntry& entry : ListHostFolder(folder)) {
    if (entry.name == "." || entry.name == "..") continue;
    EntryVerdict verdict = JudgeEntry(entry.attributes, entry.name.c_str(), ownName);
    if (verdict != kOffered) {
      report->leftOut.push_back({entry.name, kReasons[verdict]});
    } else if (++offered > kMaxEntries) {
      report->leftOut.push_back({entry.name, "beyond the first 1000 files"});
    }
  }
}

void TakeRows(FolderReport* report) {
  report->windowTitle = TheSettings.windowTitle;
  report->rowsOpenFrom = ListedFolder;
  char text[kItemTextRoom];
  for (int i = 0; i < TheLaunchList.count; ++i) {
    const LaunchEntry& row = TheLaunchList.rows[i];
    MakeItemText(row.path, report->width, ShowFullPath, text);
    report->rows.push_back({row.path, text, row.description, row.keepOpenAllowed != 0});
  }
}

// The launcher's own start-up: the mode it chooses, and the one box it shows or the rows it lists.
void RunStartUp(FolderReport* report) {
  report->opens = LoadLaunchList();
  std::vector<HostMessage> shown = TakeHostMessages();
  if (!shown.empty()) report->first = {shown[0].caption, shown[0].text, 0};
  if (report->opens) TakeRows(report);
  report->mode = HostConfigurationOpened() ? kConfigurationMode : kFolderMode;
}

void FindLineOfFirstProblem(FolderReport* report) {
  if (report->opens) return;
  for (const CheckedBox& problem : report->problems) {
    if (problem.caption == report->first.caption && problem.text == report->first.text) {
      report->first.line = problem.line;
      report->first.notSet = problem.notSet;
      return;
    }
  }
}

}  // namespace

int DefaultRowWidth() {
  return RowWidth(290, 7);
}

bool CheckFolder(const std::string& folder, const std::string& programName, int width,
                 FolderReport* report, std::string* error) {
  if (!IsHostFolder(folder)) {
    *error = "no such folder: " + folder;
    return false;
  }
  UseHostFolder(folder, programName);
  report->width = width;
  char programPath[kProgramPathRoom];
  char configPath[kConfigPathRoom];
  TakeProgramPath(PlatformCommandLine(), programPath);
  const bool derived = DeriveConfigPath(programPath, configPath);
  TakeHostMessages();
  const std::string hostConfig = derived ? HostPathOf(configPath) : "";
  if (IsHostPlainFile(hostConfig) && !std::ifstream(hostConfig).good()) {
    *error = "cannot read " + hostConfig + " (the launcher may not be able to either)";
    return false;
  }
  report->configName = derived ? OwnName(configPath) : "";

  RunStartUp(report);
  if (!derived) {
    report->mode = kStoppedBeforeChoosing;
    report->problems.push_back(report->first);
  } else if (report->mode == kConfigurationMode) {
    CheckConfiguration(hostConfig, configPath, report);
    FindLineOfFirstProblem(report);
  } else {
    if (!report->opens) report->problems.push_back(report->first);
    ListLeftOut(folder, OwnName(programPath), report);
  }
  return true;
}
