// Looks at a launcher folder as lanterpick.exe would when started from it, and beyond. What the
// launcher holds in its code page becomes UTF-8 here, as it is taken.
#include "checker/folder_check.h"

#include <algorithm>
#include <fstream>
#include <map>

#include "checker/ansi_text.h"
#include "checker/platform_host.h"
#include "checker/profile_reader.h"
#include "checker/reading_warnings.h"
#include "checker/report_output.h"
#include "checker/windows_path.h"
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

// A host entry's name as the report shows it.
std::string ShownName(const HostEntry& entry) {
  return ShownText(HostTextInUtf8(entry.hostName));
}

// A warning where it changes the reading checked, else a note.
void AddFinding(const Finding& finding, FolderReport* report) {
  (finding.concerns & ConcernOf(DialectOf(report->platform)) ? report->warnings : report->notes)
      .push_back(finding);
}

// The arguments the name kinds take: the name as shown, then what Windows does with it.
std::vector<std::string> NameArguments(NameProblem problem, const std::string& shown,
                                       const std::string& name) {
  if (problem == kForbiddenCharacter) {
    const std::string c = ForbiddenCharacterIn(name);
    return {shown, c, c == ":" ? "1" : "", c == "?" || c == "*" ? "1" : ""};
  }
  if (problem == kDeviceName) {
    std::string device = name.substr(0, name.find_first_of(". "));
    for (char& c : device) c = AnsiUpper(c);
    return {shown, device};
  }
  return {shown, name.substr(0, name.find_last_not_of(". ") + 1)};
}

void CheckListedFile(const std::string& path, int line, FolderReport* report) {
  const std::vector<std::string> shown = {AnsiToUtf8(path)};
  if (path.find('/') != std::string::npos) {
    AddFinding({kSlashInPath, line, kConcernsBoth, shown}, report);
  }
  if (IsAbsolute(path)) return AddFinding({kAbsolutePath, line, 0, shown}, report);
  const RowLookup row = LookUpRow(path);
  const std::string opens = AnsiToUtf8(kHostDriveRoot + JoinedWindowsPath(row.path));
  const std::string written = AnsiToUtf8(JoinedWindowsPath(row.path));
  if (row.path.problem != kNameFine) {
    const std::string name = AnsiToUtf8(row.path.problemName);
    const bool device = row.path.problem == kDeviceName;
    AddFinding({device ? kRowDeviceName : kRowForbiddenCharacter, line,
                device ? kConcernsWindows : kConcernsBoth,
                NameArguments(row.path.problem, shown[0], name)},
               report);
  } else if (row.path.climbsAboveRoot && row.host.empty()) {
    AddFinding({kRowLeavesFolder, line, kConcernsBoth, {shown[0], opens}}, report);
  } else if (row.host.empty()) {
    AddFinding({kFileNotInFolder, line, kConcernsBoth, shown}, report);
  } else if (row.kind == kHostOther) {
    AddFinding({kRowNotAFile, line, kConcernsBoth, shown}, report);
  } else if (row.kind == kHostFolder) {
    AddFinding({kPathNamesFolder, line, kConcernsBoth, shown}, report);
  } else if (row.path.endsInSeparator) {
    AddFinding({kRowEndsInSeparator,
                line,
                kConcernsBoth,
                {shown[0], AnsiToUtf8(row.path.segments.back()), written}},
               report);
  } else if (row.path.climbsAboveRoot || row.path.trimmedLast) {
    AddFinding({row.path.climbsAboveRoot ? kRowDotsStopAtRoot : kRowTrailingDotOrSpace,
                line,
                kConcernsBoth,
                {shown[0], opens, written}},
               report);
  }
}

// The names joined: "a, b and c".
std::string Listed(const std::vector<std::string>& names) {
  std::string out;
  for (size_t i = 0; i < names.size(); ++i) {
    out += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
  }
  return out;
}

const FindingKind kNameKinds[] = {kNameNotAFile, kNameForbiddenCharacter, kNameDeviceName,
                                  kNameTrailingDotOrSpace};

// The entries of one folder that are one name to Windows, which compares names without regard to
// case. Where they are the INI the launcher reads (ini), the launcher reads whichever a copy keeps.
void CheckCaseClashes(const std::vector<HostEntry>& entries, const std::string& shown,
                      const std::string& ini, FolderReport* report) {
  std::map<std::string, std::vector<std::string>> byName;
  for (const HostEntry& entry : entries) {
    byName[HostNameKey(entry.hostName)].push_back(shown + ShownName(entry));
  }
  for (auto& same : byName) {
    if (same.second.size() < 2) continue;
    std::sort(same.second.begin(), same.second.end());
    if (!ini.empty() && same.first == AnsiNameKey(ini)) {
      AddFinding({kIniCaseClash, 0, kConcernsBoth, {Listed(same.second)}}, report);
    } else {
      report->names.push_back(
          {kNameCaseClash, 0, kConcernsBoth, {same.second[0], Listed(same.second)}});
    }
  }
}

// Every entry under the folder whose name Windows cannot open or hold, or that is no file or
// folder, found in one walk that does not follow links.
void WalkNames(const std::string& host, const std::string& shown, const std::string& ini,
               FolderReport* report) {
  CheckCaseClashes(HostFolderEntries(host), shown, ini, report);
  for (const HostEntry& entry : HostFolderEntries(host)) {
    const std::string path = shown + ShownName(entry);
    const bool fits = FirstUnfit(HostTextInUtf8(entry.hostName)) == std::string::npos;
    const NameProblem problem = NameProblemOf(fits ? entry.name : entry.hostName);
    if (problem != kNameFine) {
      report->names.push_back({kNameKinds[problem], 0,
                               problem == kDeviceName ? kConcernsWindows : kConcernsBoth,
                               NameArguments(problem, path, HostTextInUtf8(entry.hostName))});
    } else if (entry.kind == kHostOther) {
      report->names.push_back({kNameNotAFile, 0, kConcernsBoth, {path, entry.link ? "1" : ""}});
    }
    if (entry.kind == kHostFolder && !entry.link) {
      WalkNames(host + "/" + entry.hostName, path + "/", "", report);
    }
  }
}

bool HoldsAccentApart(const std::string& utf8) {
  bool found = false;
  ForEachUtf8(utf8, 0, [&](size_t, const Utf8Sequence& sequence) {
    return !(found = IsAccentApart(sequence.codePoint));
  });
  return found;
}

// A row of folder mode whose name Windows-1252 cannot hold: the launcher lists it with a near
// letter or a "?" for each such character and then cannot open it.
void CheckRowName(const HostEntry& entry, FolderReport* report) {
  const std::string name = HostTextInUtf8(entry.hostName), unfit = UnfitCharacters(name);
  if (unfit.empty()) return;
  report->names.push_back(
      {kNameBeyondWindows1252,
       0,
       kConcernsBoth,
       {ShownName(entry), unfit, AnsiToUtf8(entry.name), HoldsAccentApart(name) ? "1" : ""}});
}

// The names found, in the order of their paths, each also a warning or note.
void PublishNames(FolderReport* report) {
  std::sort(report->names.begin(), report->names.end(),
            [](const Finding& a, const Finding& b) { return a.arguments[0] < b.arguments[0]; });
  for (const Finding& name : report->names) AddFinding(name, report);
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

// Folder mode: every entry left out, and the rows whose names Windows-1252 cannot hold.
void JudgeFolderEntries(const std::string& folder, const char* ownName, FolderReport* report) {
  const std::string beyond = "beyond the first " + std::to_string(kMaxEntries) + " files";
  int offered = 0;
  for (const HostEntry& entry : ListHostFolder(folder)) {
    if (entry.name == "." || entry.name == "..") continue;
    EntryVerdict verdict = JudgeEntry(entry.attributes, entry.name.c_str(), ownName);
    if (verdict != kOffered) {
      report->leftOut.push_back({AnsiToUtf8(entry.name), kReasons[verdict]});
    } else if (++offered > kMaxEntries) {
      report->leftOut.push_back({AnsiToUtf8(entry.name), beyond});
    } else {
      CheckRowName(entry, report);
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

namespace {

// The folder's INI files, desktop.ini aside.
std::vector<HostEntry> IniFilesIn(const std::string& folder) {
  std::vector<HostEntry> inis;
  for (const HostEntry& entry : ListHostFolder(folder)) {
    const std::string& name = entry.name;
    if (entry.kind != kHostFile || name.size() <= 4) continue;
    if (SameAnsiFolded(name.substr(name.size() - 4), ".ini") &&
        !SameAnsiFolded(name, "desktop.ini")) {
      inis.push_back(entry);
    }
  }
  return inis;
}

// The INI files that are one name to Windows with name, by their names; empty for fewer than two.
std::vector<std::string> SameNamedInis(const std::vector<HostEntry>& inis,
                                       const std::string& name) {
  std::vector<std::string> same;
  for (const HostEntry& ini : inis) {
    if (SameAnsiFolded(ini.name, name)) same.push_back(ShownName(ini));
  }
  return same.size() > 1 ? same : std::vector<std::string>();
}

// The INI the launcher started as D:\program reads, by the launcher's own rule; "" for none.
std::string IniReadBy(const std::string& program) {
  char programPath[kProgramPathRoom], configPath[kConfigPathRoom];
  TakeProgramPath(("\"" + std::string(kHostDriveRoot) + program + "\"").c_str(), programPath);
  const bool derived = DeriveConfigPath(programPath, configPath);
  TakeHostMessages();
  return derived ? OwnName(configPath) : "";
}

// The INI's name with ".exe", a lower-case first letter made a capital: setup.ini, Setup.exe.
std::string ProgramNamedFor(const HostEntry& ini) {
  std::string program = ini.name.substr(0, ini.name.size() - 4) + ".exe";
  program[0] = AnsiUpper(program[0]);
  return program;
}

// The program name that reads the INI; "" when the launcher's rule makes that name read another,
// or when Windows-1252 cannot hold the name, which the launcher then gets otherwise.
std::string ProgramReading(const HostEntry& ini) {
  if (FirstUnfit(HostTextInUtf8(ini.hostName)) != std::string::npos) return "";
  const std::string program = ProgramNamedFor(ini);
  return SameAnsiFolded(IniReadBy(program), ini.name) ? program : "";
}

// Whether an INI holds [Files] or [SystemSettings] as Windows or Wine reads it.
bool HoldsLauncherSection(const std::string& bytes) {
  for (ProfileDialect dialect : {kWindowsReading, kWineReading}) {
    const ProfileFile file = ReadProfile(bytes, dialect);
    if (FindProfileSection(file, kFilesSection) || FindProfileSection(file, kSettingsSection)) {
      return true;
    }
  }
  return false;
}

// Folder mode, where the folder holds an INI: the program would read another. A note only where
// no INI holds a section the launcher reads, as another program's INI would.
void CheckUnreadIni(const std::string& folder, FolderReport* report) {
  const std::vector<HostEntry> inis = IniFilesIn(folder);
  if (inis.empty()) return;
  std::string held, programs;
  bool launchers = false;
  for (const HostEntry& ini : inis) {
    const std::string program = ProgramReading(ini);
    held += (held.empty() ? "" : ", ") + ShownName(ini);
    if (!program.empty()) programs += (programs.empty() ? "" : " or ") + AnsiToUtf8(program);
    launchers |= HoldsLauncherSection(ReadHostBytes(folder + "/" + ini.hostName));
  }
  AddFinding({kUnreadIni, 0, launchers ? kConcernsBoth : 0,
              {report->configName, held, programs, launchers ? "" : "1"}},
             report);
}

// Why no program name reads the INI.
std::string UnreadableIni(const HostEntry& ini) {
  const std::string unfit = UnfitCharacters(HostTextInUtf8(ini.hostName));
  if (!unfit.empty()) {
    return "no program name reads the folder's INI " + ShownName(ini) +
           ": Windows-1252 cannot hold " + unfit +
           ", so a launcher of that name gets its own name otherwise and looks for " +
           AnsiToUtf8(ini.name) + "; rename the INI, or say which program with --program NAME.exe";
  }
  const std::string candidate = ProgramNamedFor(ini);
  return "no program name reads the folder's INI " + ShownName(ini) +
         ": the launcher takes its own name up to the first \".exe\" and adds \".ini\", so " +
         AnsiToUtf8(candidate) + " reads " + AnsiToUtf8(IniReadBy(candidate)) +
         "; rename the INI, or say which program with --program NAME.exe";
}

}  // namespace

bool ProgramNameFor(const std::string& folder, std::string* program, std::string* ini,
                    std::string* error) {
  const std::vector<HostEntry> inis = IniFilesIn(folder);
  std::vector<HostEntry> readable;
  for (const HostEntry& entry : inis) {
    if (!ProgramReading(entry).empty()) readable.push_back(entry);
  }
  for (const HostEntry& entry : readable) {
    const std::vector<std::string> same = SameNamedInis(readable, entry.name);
    if (same.empty()) continue;
    *error = "the folder holds " + Listed(same) +
             ", one name to Windows, which compares names without regard to case: a copy keeps "
             "only one of them; remove all but one";
    return false;
  }
  if (readable.size() > 1) {
    *error = "the folder holds several INI files (";
    for (size_t i = 0; i < readable.size(); ++i) *error += (i ? ", " : "") + ShownName(readable[i]);
    *error += "); say which with --program NAME.exe";
    return false;
  }
  if (readable.empty() && !inis.empty()) {
    *error = UnreadableIni(inis[0]);
    return false;
  }
  *ini = readable.empty() ? "" : readable[0].name;
  *program = readable.empty() ? "Setup.exe" : ProgramReading(readable[0]);
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
  const bool folderMode = paths.derived && report.mode == kFolderMode;
  WalkNames(folder, "", paths.derived ? OwnName(paths.configPath) : "", &report);
  if (folderMode) JudgeFolderEntries(folder, OwnName(paths.programPath), &report);
  PublishNames(&report);
  if (!paths.derived) {
    report.mode = kStoppedBeforeChoosing;
    report.problems.push_back(report.first);
  } else if (!folderMode) {
    CheckConfiguration(paths.hostConfig, paths.configPath, &report);
    FindLineOfFirstProblem(&report);
  } else {
    if (!report.opens) report.problems.push_back(report.first);
    CheckUnreadIni(folder, &report);
  }
  return report;
}
