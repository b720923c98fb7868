// Storage for the launch list and the settings, and their built-in defaults.
#include "config/launch_list.h"

#include <cstring>

LaunchList TheLaunchList;
LauncherSettings TheSettings;
int32_t ShowFullPath;
int32_t KeepOpen;
char ListedFolder[kListedFolderRoom];

static void SetText(char* field, const char* text) {
  strcpy(field, text);
}

void ResetLaunchState() {
  TheLaunchList.count = 0;
  LauncherSettings& s = TheSettings;
  SetText(s.windowTitle, "Launch File");
  SetText(s.descriptionLabel, "Description:");
  SetText(s.filesLabel, "Files:");
  SetText(s.keepOpenLabel, "Keep this window open when launching files");
  SetText(s.okButton, "OK");
  s.okButtonSize = kDefaultButtonSize;
  SetText(s.cancelButton, "Cancel");
  s.cancelButtonSize = kDefaultButtonSize;
  SetText(s.noEntryErrorTitle, "No File Selected");
  SetText(s.noEntryErrorText, "Please select a file to launch.");
  SetText(s.couldNotLaunchErrorTitle, "Could Not Launch File");
  SetText(s.couldNotLaunchErrorText,
          "Sorry, the program required for running this file cannot be located.");
  SetText(s.couldNotFindFileErrorTitle, "File Not Found");
  SetText(s.couldNotFindFileErrorText, "Sorry, the selected file cannot be located.");
  ShowFullPath = 0;
  KeepOpen = 0;
  ListedFolder[0] = '\0';
}
