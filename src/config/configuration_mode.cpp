// Configuration mode: the settings, then the [Files] section, from the file beside the program.
#include "config/configuration_mode.h"

#include "config/files_parser.h"
#include "config/launch_list.h"
#include "config/settings.h"
#include "launcher/messages.h"
#include "launcher/platform.h"

namespace {

// The section's lines are always shorter than the whole file. Two more zeroed bytes keep the
// closing empty line in the block even for a file of 0 or 1 bytes, where the reader has no room.
enum { kGuardBytes = 2 };

}  // namespace

bool ReadConfiguration(const char* configPath, uint32_t fileSize) {
  const uint32_t size = fileSize > UINT32_MAX - kGuardBytes ? 0 : fileSize + kGuardBytes;
  char* section = size == 0 ? nullptr : PlatformAllocate(size);
  if (section == nullptr) {
    ShowError(
        "Unable to allocate sufficient memory to read in\nthe [Files] section of the "
        "configuration file.",
        kUnexpectedError);
    return false;
  }
  bool showFilepathValid = false;
  ReadSettings(configPath, &showFilepathValid);
  bool parsed = false;
  if (ValidateSettings(showFilepathValid)) {
    PlatformProfileSection(kFilesSection, section, size, configPath);
    parsed = ParseFileList(section, size);
  }
  PlatformRelease(section);
  if (parsed && TheLaunchList.count == 0) {
    ReportNoFilesListed();  // only comment lines
    return false;
  }
  return parsed;
}
