// Feeds arbitrary sections in the profile reader's form to the [Files] parser.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "config/files_parser.h"
#include "config/launch_list.h"
#include "fake_platform.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The reader's form: the bytes, then the double NUL that ends the list. Nothing past that
  // may be read, so the buffer ends right there for AddressSanitizer to see.
  std::vector<char> buffer(data, data + size);
  buffer.push_back('\0');
  buffer.push_back('\0');
  ResetFake();
  bool accepted = ParseFileList(buffer.data(), static_cast<uint32_t>(buffer.size()));
  if (Fake.messages.size() != (accepted ? 0u : 1u)) abort();
  if (TheLaunchList.count < 0 || TheLaunchList.count > kMaxEntries) abort();
  for (int i = 0; i < TheLaunchList.count; ++i) {
    const LaunchEntry& row = TheLaunchList.rows[i];
    size_t path = strnlen(row.path, sizeof row.path);
    if (path < 1 || path > kMaxPathLength) abort();
    if (strnlen(row.description, sizeof row.description) > kMaxDescriptionLength) abort();
    if (row.keepOpenAllowed != 0 && row.keepOpenAllowed != 1) abort();
  }
  return 0;
}
