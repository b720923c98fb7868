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
  // The folder searched is the configuration path's, before the pattern is written over it.
  TakeFolderPart(configPath, ListedFolder, kListedFolderRoom);
  return ScanProgramFolder(configPath, OwnName(programPath));
}
