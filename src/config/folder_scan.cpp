// Folder mode: the plain files of the program's own folder, sorted by name.
#include "config/folder_scan.h"

#include <cstdlib>
#include <cstring>

#include "config/launch_list.h"
#include "config/text_rules.h"
#include "launcher/messages.h"
#include "launcher/platform.h"

namespace {

const char* const kExcludedExtensions[] = {"ini", "inf", "dll", "manifest", "sys", "bak",
                                           "tmp", "log", "dat", "old",      "reg", "lnk"};

enum : uint32_t { kNotAtHand = kAttributeTemporary | kAttributeOffline };

// The pattern searches the configuration path's folder; without a backslash, the whole path.
// Returns the length of its folder part.
int BuildSearchPattern(char* configPath) {
  char* slash = strrchr(configPath, '\\');
  char* folderEnd = slash ? slash : configPath + strlen(configPath);
  strcpy(folderEnd, "\\*.*");
  return static_cast<int>(folderEnd + 1 - configPath);
}

void AddRow(const char* name) {
  LaunchEntry& row = TheLaunchList.rows[TheLaunchList.count++];
  strncpy(row.path, name, kMaxPathLength);
  row.path[kMaxPathLength] = '\0';
  row.description[0] = '\0';
  row.keepOpenAllowed = 1;
}

// Reads entries until the platform has no more or the table is full.
void CollectOfferedEntries(FolderEntry& entry, const char* ownName) {
  do {
    entry.name[sizeof entry.name - 1] = '\0';
    if (IsOfferedEntry(entry.attributes, entry.name, ownName)) {
      AddRow(entry.name);
      if (TheLaunchList.count == kMaxEntries) return;
    }
  } while (PlatformFindNext(&entry));
}

int CompareRows(const void* a, const void* b) {
  return CompareEntryNames(*static_cast<const LaunchEntry*>(a),
                           *static_cast<const LaunchEntry*>(b));
}

}  // namespace

bool IsExcludedExtension(const char* name) {
  const char* dot = strrchr(name, '.');
  if (dot == nullptr) return false;
  char extension[260];
  strncpy(extension, dot + 1, sizeof extension - 1);
  extension[sizeof extension - 1] = '\0';
  PlatformLowerCase(extension, static_cast<uint32_t>(strlen(extension)));
  for (const char* excluded : kExcludedExtensions) {
    if (strcmp(extension, excluded) == 0) return true;
  }
  return false;
}

EntryVerdict JudgeEntry(uint32_t attributes, const char* name, const char* ownName) {
  if (attributes & kAttributeDirectory) return kLeftOutFolder;
  if (attributes & kAttributeHidden) return kLeftOutHidden;
  if (attributes & kAttributeSystem) return kLeftOutSystem;
  if (attributes & kNotAtHand) return kLeftOutNotAtHand;
  if (CompareAsciiFolded(name, ownName) == 0) return kLeftOutOwnName;
  return IsExcludedExtension(name) ? kLeftOutExtension : kOffered;
}

bool IsOfferedEntry(uint32_t attributes, const char* name, const char* ownName) {
  return JudgeEntry(attributes, name, ownName) == kOffered;
}

int CompareEntryNames(const LaunchEntry& a, const LaunchEntry& b) {
  return CompareAsciiFolded(a.path, b.path);
}

void SortLaunchList() {
  qsort(TheLaunchList.rows, static_cast<size_t>(TheLaunchList.count), sizeof(LaunchEntry),
        CompareRows);
}

bool ScanProgramFolder(char* configPath, const char* ownName, int* folderLength) {
  *folderLength = BuildSearchPattern(configPath);
  FolderEntry entry;
  if (!PlatformFindFirst(configPath, &entry)) {
    ShowError("Could not find any files in the EXE directory.", kUnexpectedError);
    return false;
  }
  CollectOfferedEntries(entry, ownName);
  PlatformFindClose();
  TheSettings.descriptionLabel[0] = '\0';
  if (TheLaunchList.count == 0) {
    ShowError(
        "There are no files available to list.\n\nN.B. If the configuration (.ini) file is "
        "not\nused, all target files must be in the same\nlocation as the Lanterpick "
        "program.",
        kUnexpectedError);
    return false;
  }
  SortLaunchList();
  ShowFullPath = 1;
  return true;
}
