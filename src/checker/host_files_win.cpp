// The folder being checked on Windows: the platform's own search, attributes and case-blind
// names.
#include <windows.h>

#include "checker/ansi_text.h"
#include "checker/host_files.h"

std::vector<HostEntry> ListHostFolder(const std::string& folder) {
  std::vector<HostEntry> entries;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*.*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return entries;
  do {
    const DWORD attributes = found.dwFileAttributes;
    const HostKind kind = attributes & FILE_ATTRIBUTE_DIRECTORY ? kHostFolder
                          : attributes & FILE_ATTRIBUTE_DEVICE  ? kHostOther
                                                                : kHostFile;
    entries.push_back({attributes, found.cFileName, found.cFileName, kind,
                       (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0});
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return entries;
}

std::vector<HostEntry> ListEveryHostEntry(const std::string& folder) {
  std::vector<HostEntry> entries;
  for (const HostEntry& entry : ListHostFolder(folder)) {
    if (entry.name != "." && entry.name != "..") entries.push_back(entry);
  }
  return entries;
}

std::string HostNameInAnsi(const std::string& hostName) {
  return hostName;  // the A functions and main's arguments are in the ANSI code page
}

std::string HostNameKey(const std::string& hostName) {
  return AnsiFolded(hostName);  // what the A functions name, in the ANSI code page
}

std::string AnsiNameKey(const std::string& ansiName) {
  return AnsiFolded(ansiName);
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

std::string HostTextInUtf8(const std::string& text) {
  return AnsiToUtf8(text);
}

bool HostPathExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string HostLinkTarget(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
    return "";
  }
  HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  char target[MAX_PATH] = "another file";
  if (file != INVALID_HANDLE_VALUE) {
    if (GetFinalPathNameByHandleA(file, target, MAX_PATH, 0) == 0) strcpy(target, "another file");
    CloseHandle(file);
  }
  return target;
}

bool WriteNewHostFile(const std::string& path, const std::string& bytes, const std::string& model,
                      std::string* error) {
  const DWORD modelAttributes = GetFileAttributesA(model.c_str());
  const DWORD kept = modelAttributes == INVALID_FILE_ATTRIBUTES
                         ? 0
                         : modelAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            kept ? kept : FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD done = 0;
  bool written = file != INVALID_HANDLE_VALUE &&
                 WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr) &&
                 done == bytes.size() && FlushFileBuffers(file);
  if (file != INVALID_HANDLE_VALUE && !CloseHandle(file)) written = false;
  if (!written) {
    *error = "cannot write " + path + " (error " + std::to_string(GetLastError()) + ")";
    if (file != INVALID_HANDLE_VALUE) DeleteFileA(path.c_str());
  }
  return written;
}

bool MoveHostFileOver(const std::string& from, const std::string& to, std::string* error) {
  if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  *error =
      "cannot rename " + from + " to " + to + " (error " + std::to_string(GetLastError()) + ")";
  return false;
}

void RemoveHostFile(const std::string& path) {
  DeleteFileA(path.c_str());
}
