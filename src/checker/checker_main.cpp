// lanterpick-check: tells what lanterpick.exe would do when started from a folder, and every
// problem in its INI, before the folder is shipped.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "checker/ansi_text.h"
#include "checker/findings.h"
#include "checker/folder_check.h"
#include "checker/host_files.h"
#include "checker/ini_fix.h"
#include "checker/report_output.h"
#include "checker/system_profile.h"
#include "checker/windows_path.h"

namespace {

enum { kOpens = 0, kRefuses = 1, kCheckerError = 2 };

const char kUsage[] =
    "usage: lanterpick-check FOLDER [--program NAME.exe] [--platform windows|wine|native]\n"
    "                        [--width W] [--strict] [--json] [--fix]\n"
    "  Looks at FOLDER as lanterpick.exe would when started from it as NAME.exe: the mode it\n"
    "  chooses, the message it would show or the rows it would list, every problem in its INI,\n"
    "  and what folder mode leaves out. Without --program, the name the folder's one INI calls\n"
    "  for (Start.ini: Start.exe), or Setup.exe when there is none.\n"
    "  --platform windows (the default): the INI read as Windows reads it, and a line where\n"
    "             Wine's verdict differs; wine: as Wine reads it; native: through this\n"
    "             system's own profile functions (only in lanterpick-check.exe on Windows)\n"
    "  --width W  characters a list row may hold (default: the dialog's usual width)\n"
    "  --strict   any warning fails the check (exit status 1), for build scripts\n"
    "  --json     the findings as JSON\n"
    "  --fix      first mends the INI where that needs no guess: saves a UTF-8 or UTF-16 BE\n"
    "             file as UTF-16 LE, which Windows reads as written, removes a UTF-8 mark\n"
    "             from plain ASCII and any mark starting a later line, and writes \\ for /\n"
    "             in the rows' paths; keeps the original as NAME.ini.orig and says what it\n"
    "             changed\n"
    "Exit status, for the platform read as:\n"
    "  0  the dialog would open\n"
    "  1  the launcher would refuse to start, or --strict and there are warnings\n"
    "  2  a usage error, a folder that cannot be checked, or several INIs and no --program\n";

struct Options {
  std::string folder;
  std::string program;  // in the launcher's code page; "" for the one the INI calls for
  int width = DefaultRowWidth();
  ReadingPlatform platform = kReadAsWindows;
  bool help = false, json = false, widthGiven = false, strict = false, fix = false;
};

bool ParsePlatform(const std::string& name, ReadingPlatform* platform) {
  const bool native = name == "native" && SystemProfileFunctions() != nullptr;
  *platform = name == "windows" ? kReadAsWindows : name == "wine" ? kReadAsWine : kReadNatively;
  return name == "windows" || name == "wine" || native;
}

bool ParseWidth(const char* text, int* width) {
  char* end = nullptr;
  long value = strtol(text, &end, 10);
  if (end == text || *end != '\0' || value < 0 || value > 1000) return false;
  *width = static_cast<int>(value);
  return true;
}

// Why Windows cannot give the launcher that name; "" when it can.
std::string UnfitProgramName(const std::string& name) {
  if (name.size() > 255) return "a file name holds at most 255 characters";
  switch (NameProblemOf(name)) {
    case kForbiddenCharacter:
      return "Windows does not allow \"" + ForbiddenCharacterIn(name) + "\" in a file name";
    case kDeviceName:
      return "Windows 10 and earlier take " + AnsiToUtf8(name) + " for a device";
    case kTrailingDotOrSpace:
      return "Windows drops the trailing dots and spaces of a file name";
    default:
      return "";
  }
}

// An option that takes a value, with it; false, with why set, when the value is wrong.
bool TakeValue(const std::string& option, const char* value, Options* o, std::string* why) {
  if (option == "--platform" && !ParsePlatform(value, &o->platform)) {
    *why = SystemProfileFunctions() != nullptr
               ? "--platform takes windows, wine or native"
               : "--platform takes windows or wine (native: only lanterpick-check.exe, on Windows)";
  } else if (option == "--program") {
    o->program = HostNameInAnsi(value);
    const std::string unfit = UnfitCharacters(HostTextInUtf8(value));
    if (o->program.empty() || o->program.find_first_of("\\/") != std::string::npos) {
      *why = "--program takes a file name without a folder";
    } else if (!unfit.empty()) {
      *why = "--program: Windows-1252 cannot hold " + unfit +
             ", so the launcher would get its own name as " + AnsiToUtf8(o->program) +
             "; take a name without it";
    } else if (!UnfitProgramName(o->program).empty()) {
      *why = "--program: " + UnfitProgramName(o->program) + "; take another name";
    }
  } else if (option == "--width" && !(o->widthGiven = ParseWidth(value, &o->width))) {
    *why = "--width takes a number from 0 to 1000";
  }
  return why->empty();
}

bool ParseOptions(int argc, char** argv, Options* o, std::string* why) {
  for (int i = 1; i < argc && why->empty(); ++i) {
    const std::string arg = argv[i];
    if (arg == "--program" || arg == "--width" || arg == "--platform") {
      if (i + 1 == argc) *why = arg + " needs a value";
      if (i + 1 < argc) TakeValue(arg, argv[++i], o, why);
    } else if (arg == "--help" || arg == "-h") {
      o->help = true;
      return true;
    } else if (arg == "--json" || arg == "--strict" || arg == "--fix") {
      (arg == "--json" ? o->json : arg == "--strict" ? o->strict : o->fix) = true;
    } else if (!arg.empty() && arg[0] == '-') {
      *why = "unknown option " + arg;
    } else {
      if (!o->folder.empty()) *why = "one folder at a time";
      o->folder = arg;
    }
  }
  if (why->empty() && o->folder.empty()) *why = "which folder?";
  if (why->empty() && o->fix && o->platform == kReadNatively) {
    *why = "--fix mends by the checker's own readings; it does not go with --platform native";
  }
  return why->empty();
}

// Mends the INI first, saying what it did: to stdout before the report, to stderr beside JSON.
bool Fix(const Options& o, std::string* error) {
  FixReport told;
  if (!FixFolderIni(o.folder, o.program, &told, error)) {
    *error = "--fix: " + *error;
    return false;
  }
  FILE* out = o.json ? stderr : stdout;
  for (const std::string& line : told.said) fprintf(out, "Fix: %s\n", ShownText(line).c_str());
  for (size_t i = 0; i < told.changes.size() && i < kShownFindings; ++i) {
    fprintf(out, "  %s\n", ShownText(told.changes[i]).c_str());
  }
  if (told.changes.size() > kShownFindings) {
    fprintf(out, "  and %s more\n", std::to_string(told.changes.size() - kShownFindings).c_str());
  }
  if (!o.json) fputs("\n", stdout);
  return true;
}

int CheckerError(const std::string& error) {
  fprintf(stderr, "lanterpick-check: %s\n", ShownText(error).c_str());
  return kCheckerError;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  std::string error, programFrom;
  if (!ParseOptions(argc, argv, &o, &error)) {
    fprintf(stderr, "lanterpick-check: %s\n%s", ShownText(error).c_str(), kUsage);
    return kCheckerError;
  }
  if (o.help) {
    fputs(kUsage, stdout);
    return kOpens;
  }
  const bool folder = IsHostFolder(o.folder);
  if (folder && o.program.empty() && !ProgramNameFor(o.folder, &o.program, &programFrom, &error)) {
    return CheckerError(error);
  }
  if (folder && o.fix && !Fix(o, &error)) return CheckerError(error);
  FolderReport report = CheckFolder(o.folder, o.program, o.width, o.platform);
  if (!report.error.empty()) return CheckerError(report.error);
  if (o.platform == kReadAsWindows) {  // and where Wine, as a preview under Wine shows it, differs
    const FolderReport wine = CheckFolder(o.folder, o.program, o.width, kReadAsWine);
    if (!wine.error.empty()) return CheckerError(wine.error);
    CompareWithWine(wine, &report);
  }
  const ReportHeading heading = {HostTextInUtf8(o.folder), AnsiToUtf8(o.program), !o.widthGiven,
                                 AnsiToUtf8(programFrom), o.strict};
  fputs((o.json ? ReportAsJson(heading, report) : ReportAsText(heading, report)).c_str(), stdout);
  return report.opens && !(o.strict && !report.warnings.empty()) ? kOpens : kRefuses;
}
