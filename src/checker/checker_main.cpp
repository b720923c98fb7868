// lanterpick-check: tells what lanterpick.exe would do when started from a folder, and every
// problem in its INI, before the folder is shipped.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "checker/folder_check.h"
#include "checker/host_files.h"
#include "checker/ini_fix.h"
#include "checker/system_profile.h"
#include "checker/report_output.h"

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
    "             from plain ASCII, and writes \\ for / in the rows' paths; keeps the\n"
    "             original as NAME.ini.orig and says what it changed\n"
    "Exit status, for the platform read as:\n"
    "  0  the dialog would open\n"
    "  1  the launcher would refuse to start, or --strict and there are warnings\n"
    "  2  a usage error, a folder that cannot be checked, or several INIs and no --program\n";

int UsageError(const char* why) {
  fprintf(stderr, "lanterpick-check: %s\n%s", why, kUsage);
  return kCheckerError;
}

bool ParsePlatform(const std::string& name, ReadingPlatform* platform) {
  if (name == "windows") {
    *platform = kReadAsWindows;
  } else if (name == "wine") {
    *platform = kReadAsWine;
  } else if (name == "native" && SystemProfileFunctions() != nullptr) {
    *platform = kReadNatively;
  } else {
    return false;
  }
  return true;
}

bool ParseWidth(const char* text, int* width) {
  char* end = nullptr;
  long value = strtol(text, &end, 10);
  if (end == text || *end != '\0' || value < 0 || value > 1000) return false;
  *width = static_cast<int>(value);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::string folder, program;
  int width = DefaultRowWidth();
  bool json = false, widthGiven = false, strict = false, fix = false;
  ReadingPlatform platform = kReadAsWindows;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      fputs(kUsage, stdout);
      return kOpens;
    } else if (arg == "--json") {
      json = true;
    } else if (arg == "--strict") {
      strict = true;
    } else if (arg == "--fix") {
      fix = true;
    } else if (arg == "--program" || arg == "--width" || arg == "--platform") {
      if (i + 1 == argc) return UsageError((arg + " needs a value").c_str());
      const char* value = argv[++i];
      if (arg == "--platform") {
        if (!ParsePlatform(value, &platform)) {
          return UsageError(
              SystemProfileFunctions() != nullptr
                  ? "--platform takes windows, wine or native"
                  : "--platform takes windows or wine (native: only lanterpick-check.exe, "
                    "on Windows)");
        }
      } else if (arg == "--program") {
        program = HostArgumentInAnsi(value);
        if (program.empty() || program.find_first_of("\\/") != std::string::npos) {
          return UsageError("--program takes a file name without a folder");
        }
      } else if (!ParseWidth(value, &width)) {
        return UsageError("--width takes a number from 0 to 1000");
      } else {
        widthGiven = true;
      }
    } else if (!arg.empty() && arg[0] == '-') {
      return UsageError(("unknown option " + arg).c_str());
    } else if (!folder.empty()) {
      return UsageError("one folder at a time");
    } else {
      folder = arg;
    }
  }
  if (folder.empty()) return UsageError("which folder?");
  if (fix && platform == kReadNatively) {
    return UsageError(
        "--fix mends by the checker's own readings; it does not go with --platform native");
  }

  FolderReport report;
  std::string error, programFrom;
  if (program.empty() && IsHostFolder(folder)) {
    if (!ProgramNameFor(folder, &program, &programFrom, &error)) {
      fprintf(stderr, "lanterpick-check: %s\n", error.c_str());
      return kCheckerError;
    }
  }
  if (fix && IsHostFolder(folder)) {
    std::vector<std::string> said;
    if (!FixFolderIni(folder, program, &said, &error)) {
      fprintf(stderr, "lanterpick-check: --fix: %s\n", error.c_str());
      return kCheckerError;
    }
    size_t changes = 0;
    for (const std::string& line : said) {
      const bool change = line[0] == ' ';
      if (change && ++changes > kShownFindings) continue;
      fprintf(json ? stderr : stdout, "%s%s\n", change ? "" : "Fix: ", ShownText(line).c_str());
    }
    if (changes > kShownFindings) {
      const std::string more = "  and " + std::to_string(changes - kShownFindings) + " more\n";
      fputs(more.c_str(), json ? stderr : stdout);
    }
    if (!json) fputs("\n", stdout);
  }
  if (!CheckFolder(folder, program, width, platform, &report, &error)) {
    fprintf(stderr, "lanterpick-check: %s\n", error.c_str());
    return kCheckerError;
  }
  if (platform == kReadAsWindows) {  // and where Wine, as a preview under Wine shows it, differs
    FolderReport wine;
    if (!CheckFolder(folder, program, width, kReadAsWine, &wine, &error)) {
      fprintf(stderr, "lanterpick-check: %s\n", error.c_str());
      return kCheckerError;
    }
    CompareWithWine(wine, &report);
  }
  const ReportHeading heading = {folder, program, !widthGiven, programFrom, strict};
  fputs((json ? ReportAsJson(heading, report) : ReportAsText(heading, report)).c_str(), stdout);
  return report.opens && !(strict && !report.warnings.empty()) ? kOpens : kRefuses;
}
