// Folder mode: the plain files of the program's own folder, sorted by name.
#pragma once

#include <cstdint>

struct LaunchEntry;

// Turns the configuration path into the folder's search pattern (in place), whose folder part,
// up to and including its last backslash, is folderLength bytes long, and lists the folder.
// Returns false after showing one message box.
bool ScanProgramFolder(char* configPath, const char* ownName, int* folderLength);

// True when the text after the name's last full stop is a housekeeping extension.
bool IsExcludedExtension(const char* name);

// Why an entry is left out of the list, from the four tests in their order.
enum EntryVerdict {
  kOffered,
  kLeftOutFolder,
  kLeftOutHidden,
  kLeftOutSystem,
  kLeftOutNotAtHand,  // temporary or offline
  kLeftOutOwnName,
  kLeftOutExtension,
};
EntryVerdict JudgeEntry(uint32_t attributes, const char* name, const char* ownName);

bool IsOfferedEntry(uint32_t attributes, const char* name, const char* ownName);

int CompareEntryNames(const LaunchEntry& a, const LaunchEntry& b);

// Sorts the used rows of the launch list in place by CompareEntryNames.
void SortLaunchList();
