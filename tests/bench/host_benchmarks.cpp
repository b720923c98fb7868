// Google Benchmarks of the logic on its largest inputs: parsing 1000 [Files] lines, building
// 1000 row texts, sorting 1000 names, and scanning a folder of 1000 entries.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "config/files_parser.h"
#include "config/folder_scan.h"
#include "config/launch_list.h"
#include "dialog/item_text.h"
#include "fake_platform.h"

namespace {

std::string ThousandLines() {
  std::vector<std::string> lines;
  for (int i = 0; i < 1000; ++i) {
    lines.push_back("\"D:\\Setup\\Programs\\Package " + std::to_string(i) +
                    "\\install.exe\" \"Installs package " + std::to_string(i) +
                    "\\nfrom the disc\" \"CheckboxDisabled\"");
  }
  return SectionBuffer(lines);
}

void ParseThousandLines(benchmark::State& state) {
  const std::string section = ThousandLines();
  for (auto _ : state) {
    TheLaunchList.count = 0;
    benchmark::DoNotOptimize(ParseFileList(section.data(), static_cast<uint32_t>(section.size())));
  }
}
BENCHMARK(ParseThousandLines)->Unit(benchmark::kMicrosecond);

void ThousandRowTexts(benchmark::State& state) {
  const std::string section = ThousandLines();
  ResetFake();
  ParseFileList(section.data(), static_cast<uint32_t>(section.size()));
  char text[kItemTextRoom];
  for (auto _ : state) {
    for (int i = 0; i < TheLaunchList.count; ++i) {
      MakeItemText(TheLaunchList.rows[i].path, 48, 1, text);
      benchmark::DoNotOptimize(text);
    }
  }
}
BENCHMARK(ThousandRowTexts)->Unit(benchmark::kMicrosecond);

void SortThousandNames(benchmark::State& state) {
  ResetLaunchState();
  std::vector<std::string> names;
  for (int i = 0; i < 1000; ++i) names.push_back("File " + std::to_string((i * 7919) % 1000));
  for (auto _ : state) {
    state.PauseTiming();
    for (int i = 0; i < 1000; ++i) strcpy(TheLaunchList.rows[i].path, names[i].c_str());
    TheLaunchList.count = 1000;
    state.ResumeTiming();
    SortLaunchList();
  }
}
BENCHMARK(SortThousandNames)->Unit(benchmark::kMicrosecond);

void ScanThousandEntries(benchmark::State& state) {
  ResetFake();
  for (int i = 0; i < 1000; ++i) Fake.folder.push_back({0x20, "file" + std::to_string(999 - i)});
  for (auto _ : state) {
    TheLaunchList.count = 0;
    char pattern[268] = "c:\\d\\l.ini";
    int folderLength = 0;
    benchmark::DoNotOptimize(ScanProgramFolder(pattern, "l.exe", &folderLength));
  }
}
BENCHMARK(ScanThousandEntries)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
