// Start-up figures under Wine: from process start until the dialog shows all its rows, for the
// launcher in both modes and for a reference program that opens the same template with no logic.
// Prints medians of alternating runs; run with ./scripts/bench.
#include "stage.h"  // <windows.h> before <psapi.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>

#include "resource.h"

namespace {

const int kRuns = 11;
const int kRows = 1000;

struct Timed {
  double milliseconds;
  SIZE_T committedBytes;  // private memory committed; Wine leaves PrivateUsage at 0
  SIZE_T workingSetBytes;
};

double Now() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * count.QuadPart / frequency.QuadPart;
}

// Starts the program and polls until its dialog's list holds every row; then cancels it.
Timed TimeToFullList(const std::string& program, const std::string& commandLine,
                     const std::string& folder) {
  Timed timed = {-1, 0, 0};
  const double start = Now();
  Run run(program, commandLine, folder);
  HWND dialog = nullptr;
  while (Now() - start < 15000 && !run.Exited()) {
    dialog = DialogOfProcess(run.ProcessId());
    if (dialog != nullptr && IsWindowVisible(dialog) &&
        SendMessageA(GetDlgItem(dialog, IDC_FILE_LIST), LB_GETCOUNT, 0, 0) == kRows) {
      timed.milliseconds = Now() - start;
      break;
    }
    Sleep(1);
  }
  PROCESS_MEMORY_COUNTERS_EX memory = {};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(run.Process(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                           sizeof memory)) {
    timed.committedBytes = std::max(memory.PrivateUsage, memory.PagefileUsage);
    timed.workingSetBytes = memory.WorkingSetSize;
  }
  if (dialog != nullptr) PostClick(dialog, IDCANCEL);
  CHECK_EQ(0, run.WaitForExit());
  CHECK(timed.milliseconds >= 0);
  return timed;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

E2E_TEST(BenchmarkStartup) {
  // The reference runs from the same folder as the launcher it is compared with, so both pay
  // the platform's costs of starting a program there.
  std::string ini = "[SystemSettings]\nWindowTitle=Benchmark\n[Files]\n";
  for (int i = 0; i < kRows; ++i) {
    ini += "\"Docs\\Document " + std::to_string(i) + ".pdf\" \"About it\"\n";
  }
  Stage configuration = Prepare("bench-configuration", "Launch.exe", ini.c_str());
  Stage folder = Prepare("bench-folder");
  for (int i = 0; i < kRows - 1; ++i) AddFile(folder, "Document " + std::to_string(i) + ".pdf", "");
  const std::string built = ProgramUnderTest.substr(0, ProgramUnderTest.rfind('\\') + 1);
  for (const Stage* stage : {&configuration, &folder}) {
    CopyFileA((built + "reference-dialog.exe").c_str(), (stage->folder + "\\Reference.exe").c_str(),
              FALSE);  // in folder mode it is the thousandth row
  }

  struct Subject {
    const char* name;
    const Stage& stage;
    bool reference;
  } subjects[] = {
      {"reference, beside the configuration", configuration, true},
      {"lanterpick, configuration mode, 1000 entries", configuration, false},
      {"reference, in the folder of 1000 files", folder, true},
      {"lanterpick, folder mode, 1000 files", folder, false},
  };
  const int count = sizeof subjects / sizeof subjects[0];
  std::vector<double> times[count];
  Timed memory[count] = {};
  for (int round = 0; round < kRuns + 1; ++round) {  // the first round warms the caches
    for (int k = 0; k < count; ++k) {
      const int which = (round + k) % count;  // the order rotates
      const Subject& s = subjects[which];
      const std::string program =
          s.reference ? s.stage.folder + "\\Reference.exe" : s.stage.program;
      Timed timed =
          TimeToFullList(program, Quoted(program) + (s.reference ? " 1000" : ""), s.stage.folder);
      if (round > 0) times[which].push_back(timed.milliseconds);
      memory[which].committedBytes = std::max(memory[which].committedBytes, timed.committedBytes);
      memory[which].workingSetBytes =
          std::max(memory[which].workingSetBytes, timed.workingSetBytes);
    }
  }
  printf("\nstart until the dialog lists all %d rows (median of %d alternating runs, Wine):\n",
         kRows, kRuns);
  for (int k = 0; k < count; ++k) {
    const double median = Median(times[k]);
    printf("  %-46s %7.1f ms", subjects[k].name, median);
    if (!subjects[k].reference) printf("  %4.2f x its reference", median / Median(times[k - 1]));
    printf("\n");
  }
  printf("  target: within 1.15 x the reference\n");
  printf("memory with the dialog open (largest seen): committed private / working set\n");
  for (int k = 0; k < count; ++k) {
    printf("  %-46s %6zu KB / %6zu KB\n", subjects[k].name,
           static_cast<size_t>(memory[k].committedBytes / 1024),
           static_cast<size_t>(memory[k].workingSetBytes / 1024));
  }
}
