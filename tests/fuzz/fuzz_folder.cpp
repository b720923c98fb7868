// Arbitrary folders through the scan: what is offered, that the order is a total order, and that
// nothing eligible is lost before the table is full.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "config/folder_scan.h"
#include "config/launch_list.h"
#include "fake_platform.h"
#include "launcher/program_path.h"

namespace {

int Sign(int v) {
  return (v > 0) - (v < 0);
}

// Input: the program's own name on the first line, then one entry a line: an attribute byte and
// the name.
void BuildFolder(const uint8_t* data, size_t size, std::string* ownName) {
  std::string text(reinterpret_cast<const char*>(data), size);
  size_t start = 0, end;
  bool first = true;
  while (start <= text.size()) {
    end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    if (first) {
      *ownName = line.substr(0, 259);
      first = false;
    } else if (!line.empty()) {
      const uint32_t bits[] = {kAttributeHidden,
                               kAttributeSystem,
                               kAttributeDirectory,
                               kAttributeTemporary,
                               kAttributeOffline,
                               0x1,
                               0x20,
                               0x80};
      uint32_t attributes = 0;
      for (int b = 0; b < 8; ++b) attributes |= (line[0] >> b & 1) ? bits[b] : 0;
      Fake.folder.push_back({attributes, line.substr(1, 259)});
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ResetFake();
  std::string ownName;
  BuildFolder(data, size, &ownName);
  ownName = ownName.c_str();  // the name ends at a NUL, as a path does
  int eligible = 0;
  for (const FakeFile& file : Fake.folder) {
    eligible += IsOfferedEntry(file.attributes, file.name.c_str(), ownName.c_str());
  }
  char configPath[kConfigPathRoom] = "c:\\disc\\setup.ini";
  int folderLength = 0;
  const bool listed = ScanProgramFolder(configPath, ownName.c_str(), &folderLength);
  if (Fake.messages.size() != (listed ? 0u : 1u)) abort();
  if (listed != (eligible > 0)) abort();
  const int expected = eligible < kMaxEntries ? eligible : kMaxEntries;
  if (listed && TheLaunchList.count != expected) abort();
  const int count = TheLaunchList.count;
  for (int i = 0; i < count; ++i) {
    const LaunchEntry& row = TheLaunchList.rows[i];
    if (JudgeEntry(0, row.path, ownName.c_str()) != kOffered) abort();
    if (i > 0 && CompareEntryNames(TheLaunchList.rows[i - 1], row) > 0) abort();
    for (int j = i + 1; j < count && j < i + 8; ++j) {
      const LaunchEntry& other = TheLaunchList.rows[j];
      if (Sign(CompareEntryNames(row, other)) != -Sign(CompareEntryNames(other, row))) abort();
    }
  }
  return 0;
}
