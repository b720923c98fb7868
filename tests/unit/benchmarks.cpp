// Prints timings of the work start-up and the dialog's opening do on the largest inputs.
#include <chrono>
#include <cstdio>
#include <string>

#include "config/files_parser.h"
#include "config/folder_scan.h"
#include "config/launch_list.h"
#include "dialog/item_text.h"
#include "fake_platform.h"

namespace {

template <typename Work>
double MicrosecondsPerRun(int runs, Work work) {
  auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < runs; ++i) work();
  std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
  return spent.count() / runs;
}

}  // namespace

int main() {
  std::vector<std::string> lines;
  for (int i = 0; i < 1000; ++i) {
    lines.push_back("\"D:\\Setup\\Programs\\Package " + std::to_string(i) +
                    "\\install.exe\" \"Installs package " + std::to_string(i) +
                    "\\nfrom the disc\" \"CheckboxDisabled\"");
  }
  std::string section = SectionBuffer(lines);
  double parse = MicrosecondsPerRun(200, [&] {
    ResetFake();
    ParseFileList(section.data(), static_cast<uint32_t>(section.size()));
  });
  printf("parse 1000 [Files] lines: %.1f us\n", parse);

  char text[kItemTextRoom];
  double rows = MicrosecondsPerRun(200, [&] {
    for (int i = 0; i < TheLaunchList.count; ++i) {
      MakeItemText(TheLaunchList.rows[i].path, 48, 1, text);
    }
  });
  printf("build 1000 row texts (whole paths, W=48): %.1f us\n", rows);

  ResetFake();
  for (int i = 0; i < 1000; ++i) Fake.folder.push_back({0x20, "file" + std::to_string(999 - i)});
  double scan = MicrosecondsPerRun(200, [&] {
    ResetLaunchState();
    char pattern[268] = "c:\\d\\l.ini";
    ScanProgramFolder(pattern, "l.exe");
  });
  printf("scan and sort 1000 folder entries: %.1f us\n", scan);
  return 0;
}
