// The launcher's platform operations carried out on the host, over a folder being checked. The
// folder stands for the root of the drive the launcher is started from, as on a disc.
#pragma once

#include <string>
#include <vector>

#include "checker/host_files.h"
#include "checker/profile_reader.h"
#include "checker/windows_path.h"
#include "launcher/platform.h"
#include "launcher/program_path.h"

struct HostMessage {
  std::string text;
  std::string caption;
};

// Starts a check: the launcher is "D:\" + programName and D:\ is folder.
void UseHostFolder(const std::string& folder, const std::string& programName,
                   ReadingPlatform platform);

// The message boxes the launcher showed since the last call, in UTF-8; the call forgets them.
std::vector<HostMessage> TakeHostMessages();

// The host file a launcher path names, found as Windows finds it (windows_path.h) without
// regard to case; "" when there is none.
std::string HostPathOf(const std::string& windowsPath);

struct HostLookup {
  std::string host;  // "" when nothing stands there
  HostKind kind;
};

// A row's path relative to the drive's root, made whole as Windows makes it, and what stands
// there: nothing when the path names what Windows cannot open. Each folder is listed once per
// check.
struct RowLookup {
  WindowsPath path;
  std::string host;  // "" when none
  HostKind kind = kHostOther;
};
RowLookup LookUpRow(const std::string& path);

// A host folder's entries but "." and "..", listed once per check.
const std::vector<HostEntry>& HostFolderEntries(const std::string& hostFolder);

// The bytes of a host file; empty when it cannot be read.
std::string ReadHostBytes(const std::string& hostPath);

// The INI at a launcher path as the host reader reads it, in the dialect of the platform read as:
// read once per check. It gives the lines of what the profile functions return.
const ProfileFile& HostProfileAt(const char* path);

// The launcher's paths in the check started last, as its start-up derives them from its command
// line, and the host file its configuration path names ("" when there is none).
struct LauncherPaths {
  char programPath[kProgramPathRoom];
  char configPath[kConfigPathRoom];
  bool derived;  // false when the program path holds no ".exe"
  std::string hostConfig;
};
void TakeLauncherPaths(LauncherPaths* paths);

// True when the last probe of the configuration path opened it.
bool HostConfigurationOpened();

extern const char kHostDriveRoot[];  // "D:\"
