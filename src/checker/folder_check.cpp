// Looks at a launcher folder as lanterpick.exe would when started from it, and beyond. What the
// launcher holds in its code page becomes UTF-8 here, as it is taken.
#include "checker/folder_check.h"

#include <algorithm>
#include <fstream>

#include "checker/ansi_text.h"
#include "checker/platform_host.h"
#include "checker/profile_reader.h"
#include "checker/reading_warnings.h"
#include "config/files_parser.h"
#include "config/folder_scan.h"
#include "config/launch_list.h"
#include "config/settings.h"
#include "dialog/item_text.h"
#include "launcher/program_path.h"
#include "launcher/startup.h"
#include "resource.h"

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

// How far a text over its limit is over: the value as written, before any reading cut it.
std::string MeasureLength(const ProfileFile& profile, const FailedSetting& failed) {
  const ProfileKey* key = FindProfileKey(profile, kSettingsSection, failed.keys[0]);
  if (failed.longest == 0 || key == nullptr || !key->hasValue) return "";
  const size_t bytes = UnquotedProfileValue(key->value).size();
  if (bytes <= static_cast<size_t>(failed.longest)) return "";
  return std::to_string(bytes) + " bytes; " + std::to_string(bytes - failed.longest) + " over";
}

// Every setting out of bounds, not only the first, each with the line of its key or keys in the
// first [SystemSettings] section (none where a key is not written there).
void CheckEverySetting(const char* configPath, FolderReport* report) {
  ResetLaunchState();
  bool showFilepathValid = false;
  ReadSettings(configPath, &showFilepathValid);
  FailedSetting failed[kSettingChecks];
  const int failures = ValidateEverySetting(showFilepathValid, failed);
  const ProfileFile& profile = HostProfileAt(configPath);
  std::vector<HostMessage> shown = TakeHostMessages();
  for (int i = 0; i < failures; ++i) {
    int lines[2] = {0, 0}, found = 0;
    for (const char* key : failed[i].keys) {
      const ProfileKey* read = key ? FindProfileKey(profile, kSettingsSection, key) : nullptr;
      if (read != nullptr && read->hasValue) lines[found++] = read->line;
    }
    report->problems.push_back(
        {shown[i].caption, shown[i].text, lines[0], lines[1], MeasureLength(profile, failed[i])});
  }
}

bool IsAbsolute(const std::string& path) {
  return (path.size() >= 2 && path[1] == ':') ||
         (!path.empty() && (path[0] == '\\' || path[0] == '/'));
}

// A warning where it changes the reading checked, else a note.
void AddFinding(const Finding& finding, FolderReport* report) {
  (finding.concerns & ConcernOf(DialectOf(report->platform)) ? report->warnings : report->notes)
      .push_back(finding);
}

void CheckListedFile(const std::string& path, int line, FolderReport* report) {
  const std::vector<std::string> shown = {AnsiToUtf8(path)};
  if (path.find('/') != std::string::npos)
    AddFinding({kSlashInPath, line, kConcernsBoth, shown}, report);
  if (IsAbsolute(path)) return AddFinding({kAbsolutePath, line, 0, shown}, report);
  const std::string host = HostPathOf(kHostDriveRoot + path);
  if (host.empty()) {
    AddFinding({kFileNotInFolder, line, kConcernsBoth, shown}, report);
  } else if (IsHostFolder(host)) {
    AddFinding({kPathNamesFolder, line, kConcernsBoth, shown}, report);
  }
}

// Every [Files] line with a syntax error, with its line in the file; missing files as warnings.
void CheckEveryFileLine(const ProfileFile& profile, FolderReport* report) {
  int entries = 0;
  LaunchEntry entry;
  for (const SectionLine& line : ProfileSectionLines(profile, kFilesSection)) {
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
  for (const Finding& finding : ReadingFindings(ReadHostBytes(hostConfig))) {
    AddFinding(finding, report);
  }
  CheckEverySetting(configPath, report);
  CheckEveryFileLine(HostProfileAt(configPath), report);
  const auto byLine = [](const Finding& a, const Finding& b) { return a.line < b.line; };
  std::stable_sort(report->warnings.begin(), report->warnings.end(), byLine);
  std::stable_sort(report->notes.begin(), report->notes.end(), byLine);
}

void ListLeftOut(const std::string& folder, const char* ownName, FolderReport* report) {
  const std::string beyond = "beyond the first " + std::to_string(kMaxEntries) + " files";
  int offered = 0;
  for (const HostEntry& entry : ListHostFolder(folder)) {
    if (entry.name == "." || entry.name == "..") continue;
    EntryVerdict verdict = JudgeEntry(entry.attributes, entry.name.c_str(), ownName);
    if (verdict != kOffered) {
      report->leftOut.push_back({AnsiToUtf8(entry.name), kReasons[verdict]});
    } else if (++offered > kMaxEntries) {
      report->leftOut.push_back({AnsiToUtf8(entry.name), beyond});
    }
  }
}

void TakeRows(FolderReport* report) {
  report->windowTitle = AnsiToUtf8(TheSettings.windowTitle);
  report->rowsOpenFrom = AnsiToUtf8(ListedFolder);
  char text[kItemTextRoom];
  for (int i = 0; i < TheLaunchList.count; ++i) {
    const LaunchEntry& row = TheLaunchList.rows[i];
    MakeItemText(row.path, report->width, ShowFullPath, text);
    report->rows.push_back({AnsiToUtf8(row.path), AnsiToUtf8(text), AnsiToUtf8(row.description),
                            row.keepOpenAllowed != 0});
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
      report->first = problem;
      return;
    }
  }
}

bool SameRows(const FolderReport& a, const FolderReport& b) {
  return std::equal(a.rows.begin(), a.rows.end(), b.rows.begin(), b.rows.end(),
                    [](const CheckedRow& x, const CheckedRow& y) {
                      return x.text == y.text && x.description == y.description;
                    });
}

}  // namespace

void CompareWithWine(const FolderReport& wine, FolderReport* report) {
  OtherVerdict& verdict = report->underWine;
  verdict = {false, wine.opens, wine.windowTitle, wine.first, false};
  verdict.rowsDiffer = report->opens && wine.opens && !SameRows(*report, wine);
  verdict.differs = wine.opens != report->opens || verdict.rowsDiffer ||
                    (wine.opens ? wine.windowTitle != report->windowTitle
                                : wine.first.caption != report->first.caption ||
                                      wine.first.text != report->first.text);
}

bool ProgramNameFor(const std::string& folder, std::string* program, std::string* ini,
                    std::string* error) {
  std::vector<std::string> inis;
  for (const HostEntry& entry : ListHostFolder(folder)) {
    const std::string& name = entry.name;
    if ((entry.attributes & kAttributeDirectory) || name.size() <= 4) continue;
    if (SameAnsiFolded(name.substr(name.size() - 4), ".ini") &&
        !SameAnsiFolded(name, "desktop.ini")) {
      inis.push_back(name);
    }
  }
  if (inis.size() > 1) {
    *error = "the folder holds several INI files (";
    for (size_t i = 0; i < inis.size(); ++i) *error += (i ? ", " : "") + AnsiToUtf8(inis[i]);
    *error += "); say which with --program NAME.exe";
    return false;
  }
  *ini = inis.empty() ? "" : inis[0];
  *program = inis.empty() ? "Setup.exe" : ini->substr(0, ini->size() - 4) + ".exe";
  // setup.ini asks for Setup.exe: the same file to Windows, and the name people expect to see.
  if ((*program)[0] >= 'a' && (*program)[0] <= 'z')
    (*program)[0] = static_cast<char>((*program)[0] - 'a' + 'A');
  return true;
}

// The list's client width at 96 dpi: the template's full width in dialog units at the dialog
// font's 6 pixels for 4 units, less Wine's 2-pixel edge on each side (Windows' is 1); over that
// font's average character width, 7.
int DefaultRowWidth() {
  return RowWidth(FULL_WIDTH_UNITS * 6 / 4 - 2 * 2, 7);
}

FolderReport CheckFolder(const std::string& folder, const std::string& programName, int width,
                         ReadingPlatform platform) {
  FolderReport report;
  report.platform = platform;
  report.width = width;
  if (!IsHostFolder(folder)) {
    report.error = "no such folder: " + folder;
    return report;
  }
  UseHostFolder(folder, programName, platform);
  LauncherPaths paths;
  TakeLauncherPaths(&paths);
  if (IsHostPlainFile(paths.hostConfig) && !std::ifstream(paths.hostConfig).good()) {
    report.error = "cannot read " + paths.hostConfig + " (the launcher may not be able to either)";
    return report;
  }
  report.configName = paths.derived ? AnsiToUtf8(OwnName(paths.configPath)) : "";
  RunStartUp(&report);
  if (!paths.derived) {
    report.mode = kStoppedBeforeChoosing;
    report.problems.push_back(report.first);
  } else if (report.mode == kConfigurationMode) {
    CheckConfiguration(paths.hostConfig, paths.configPath, &report);
    FindLineOfFirstProblem(&report);
  } else {
    if (!report.opens) report.problems.push_back(report.first);
    ListLeftOut(folder, OwnName(paths.programPath), &report);
  }
  return report;
}
