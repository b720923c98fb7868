// Opening a launch-list row through the shell.
#include "launcher/launch.h"

#include "config/launch_list.h"
#include "launcher/messages.h"
#include "launcher/platform_win.h"
#include "launcher/program_path.h"

int32_t SelectedIndex = -1;

void RowTargetPath(int32_t index, char* out, int room) {
  // The folder part is at most 263 bytes and a name 260, so the room always holds both.
  JoinFolderPath(ListedFolder, TheLaunchList.rows[index].path, out, room);
  // A relative path means the current folder. The shell would look in the program's folder
  // first, and could open another file than the one found present: name it in full.
  char full[kTargetPathRoom];
  DWORD length = GetFullPathNameA(out, sizeof full, full, nullptr);
  if (length > 0 && length < static_cast<DWORD>(room)) lstrcpyA(out, full);
}

bool LaunchRow(int32_t index) {
  char target[kTargetPathRoom];
  RowTargetPath(index, target, kTargetPathRoom);
  if (LaunchThroughShell(target)) return true;
  ShowWarning(TheSettings.couldNotLaunchErrorText, TheSettings.couldNotLaunchErrorTitle);
  return false;
}
