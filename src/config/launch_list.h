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

// The longest value of each text setting, in bytes.
enum {
  kTitleLongest = 40,
  kKeepOpenLabelLongest = 80,
  kButtonLongest = 20,
  kErrorTextLongest = 300
};

// Each text's buffer, the room handed to the profile reader, holds its longest value, one byte
// more and a NUL: a value one over reads whole and is refused, not cut to fit. (A quoted value
// one over still fits: the string functions drop its last byte where its closing quote was.)
#define TEXT_ROOM(longest) ((longest) + 2)

// The [SystemSettings] values.
struct LauncherSettings {
  char windowTitle[TEXT_ROOM(kTitleLongest)];
  char descriptionLabel[TEXT_ROOM(kTitleLongest)];
  char filesLabel[TEXT_ROOM(kTitleLongest)];
  char keepOpenLabel[TEXT_ROOM(kKeepOpenLabelLongest)];
  char okButton[TEXT_ROOM(kButtonLongest)];
  int32_t okButtonSize;
  char cancelButton[TEXT_ROOM(kButtonLongest)];
  int32_t cancelButtonSize;
  char noEntryErrorTitle[TEXT_ROOM(kTitleLongest)];
  char noEntryErrorText[TEXT_ROOM(kErrorTextLongest)];
  char couldNotLaunchErrorTitle[TEXT_ROOM(kTitleLongest)];
  char couldNotLaunchErrorText[TEXT_ROOM(kErrorTextLongest)];
  char couldNotFindFileErrorTitle[TEXT_ROOM(kTitleLongest)];
  char couldNotFindFileErrorText[TEXT_ROOM(kErrorTextLongest)];
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
