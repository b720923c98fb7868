// Arbitrary INI files through lanterpick-check: a report every time, consistent with itself.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "checker/folder_check.h"
#include "checker/report_output.h"
#include "config/launch_list.h"

namespace {

std::string TheFolder;

void RemoveFolder() {
  remove((TheFolder + "/a.txt").c_str());
  remove((TheFolder + "/setup.ini").c_str());
  rmdir(TheFolder.c_str());
}

// A launcher folder of its own for this run, removed at exit.
std::string Folder() {
  if (TheFolder.empty()) {
    char pattern[] = "/tmp/lanterpick-fuzz-XXXXXX";
    TheFolder = mkdtemp(pattern);
    fclose(fopen((TheFolder + "/a.txt").c_str(), "w"));
    atexit(RemoveFolder);
  }
  return TheFolder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string folder = Folder();
  FILE* ini = fopen((folder + "/setup.ini").c_str(), "wb");
  if (ini == nullptr) abort();
  fwrite(data, 1, size, ini);
  fclose(ini);
  // Both dialects every time, compared as the checker compares them.
  const FolderReport wine = CheckFolder(folder, "Setup.exe", size % 80, kReadAsWine);
  FolderReport report = CheckFolder(folder, "Setup.exe", size % 80, kReadAsWindows);
  if (!wine.error.empty() || !report.error.empty()) abort();
  CompareWithWine(wine, &report);
  if (report.mode != kConfigurationMode) abort();
  if (report.opens != report.problems.empty()) abort();
  if (report.opens && (report.rows.empty() || report.rows.size() > kMaxEntries)) abort();
  if (!report.opens && (report.first.caption.empty() || !report.rows.empty())) abort();
  if (!report.opens && report.problems[0].caption != report.first.caption) abort();
  const ReportHeading heading = {folder, "Setup.exe", false, "", size % 2 == 0};
  if (ReportAsText(heading, report).empty() || ReportAsJson(heading, report).empty()) abort();
  return 0;
}
