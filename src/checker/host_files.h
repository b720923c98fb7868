// The folder being checked, as the machine the checker runs on keeps it: host_files_posix.cpp
// reads it as Wine shows a Unix folder to Windows programs, host_files_win.cpp asks Windows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct HostEntry {
  uint32_t attributes;
  std::string name;  // Windows-1252, as FindFirstFileA gives it
};

// The entries in the order the platform's folder search gives them, "." and ".." first.
std::vector<HostEntry> ListHostFolder(const std::string& folder);

// The path of the folder's entry of that name, found without regard to case; "" when none.
std::string HostChild(const std::string& folder, const std::string& ansiName);

bool IsHostFolder(const std::string& path);

// A file that opens for reading as a file: not a folder, a pipe or a device.
bool IsHostPlainFile(const std::string& path);

bool HostPathExists(const std::string& path);

// A command-line argument in the launcher's code page: Unix hands it over in UTF-8.
std::string HostArgumentInAnsi(const char* argument);

// A host path or argument in UTF-8, for the report.
std::string HostTextInUtf8(const std::string& text);

// Writes a file that must not exist yet, with the permissions of the file model, and flushes it
// to the disk. False, with error set, when it cannot.
bool WriteNewHostFile(const std::string& path, const std::string& bytes, const std::string& model,
                      std::string* error);

// Renames from over to, which it replaces in one step.
bool MoveHostFileOver(const std::string& from, const std::string& to, std::string* error);

void RemoveHostFile(const std::string& path);
