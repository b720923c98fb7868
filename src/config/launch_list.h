// The launch list and the settings that start-up fills once and the dialog only reads.
#pragma once

#include <cstdint>

enum {
  kMaxEntries = 1000,
  kMaxPathLength = 260,
  kMaxDescriptionLength = 500,
  kDefaultButtonSize = 24,  // each button's, kept where its size is not written
};

struct LaunchEntry {
  char path[kMaxPathLength + 1];
  char description[kMaxDescriptionLength + 1];
  int32_t keepOpenAllowed;  // 1 when the keep-open box may be used for this row
};

struct LaunchList {
  LaunchEntry rows[kMaxEntries];
  int32_t count;
};

// The [SystemSettings] values; each array's size is the room handed to the profile reader.
struct LauncherSettings {
  char windowTitle[42];
  char descriptionLabel[42];
  char filesLabel[42];
  char keepOpenLabel[82];
  char okButton[22];
  int32_t okButtonSize;
  char cancelButton[22];
  int32_t cancelButtonSize;
  char noEntryErrorTitle[42];
  char noEntryErrorText[302];
  char couldNotLaunchErrorTitle[42];
  char couldNotLaunchErrorText[302];
  char couldNotFindFileErrorTitle[42];
  char couldNotFindFileErrorText[302];
};

extern LaunchList TheLaunchList;
extern LauncherSettings TheSettings;
extern int32_t ShowFullPath;  // 1: rows show whole paths; 0: the last component
extern int32_t KeepOpen;      // the keep-open check box, 0 at start

// Folder mode lists bare names of the folder it searched; rows are opened from that folder, which
// need not be the program's own (arguments may hold a backslash, a folder's name ".exe"). Empty
// in configuration mode, whose relative paths mean the current folder.
enum { kListedFolderRoom = 264 };
extern char ListedFolder[kListedFolderRoom];

// Empties the list and puts every setting back to its built-in default.
void ResetLaunchState();
