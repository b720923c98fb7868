// Start-up: from the command line to a filled launch list, in configuration or folder mode.
#include "launcher/startup.h"

#include <cstdint>

#include "config/configuration_mode.h"
#include "config/folder_scan.h"
#include "config/launch_list.h"
#include "launcher/platform.h"
#include "launcher/program_path.h"

bool LoadLaunchList() {
  ResetLaunchState();
  char programPath[kProgramPathRoom];
  char configPath[kConfigPathRoom];
  TakeProgramPath(PlatformCommandLine(), programPath);
  if (!DeriveConfigPath(programPath, configPath)) return false;
  uint32_t size = 0;
  if (PlatformProbeFile(configPath, &size)) return ReadConfiguration(configPath, size);
  int folderLength = 0;
  const bool listed = ScanProgramFolder(configPath, OwnName(programPath), &folderLength);
  // Rows open from the folder the scan searched.
  TakeListedFolder(programPath, folderLength, ListedFolder, kListedFolderRoom);
  return listed;
}
