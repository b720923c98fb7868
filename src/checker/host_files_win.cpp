// The folder being checked on Windows: the platform's own search, attributes and case-blind
// names.
#include <windows.h>

#include "checker/host_files.h"

std::vector<HostEntry> ListHostFolder(const std::string& folder) {
  std::vector<HostEntry> entries;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*.*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return entries;
  do {
    entries.push_back({found.dwFileAttributes, found.cFileName});
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return entries;
}

std::string HostChild(const std::string& folder, const std::string& ansiName) {
  if (ansiName.find_first_of("*?") != std::string::npos) return "";
  const std::string path = folder + "\\" + ansiName;
  return GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES ? "" : path;
}

bool IsHostFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsHostPlainFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE));
}
