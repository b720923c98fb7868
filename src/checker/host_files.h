// The folder being checked, as the machine the checker runs on keeps it: host_files_posix.cpp
// reads it as Wine shows a Unix folder to Windows programs, host_files_win.cpp asks Windows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What an entry is: a file or folder Windows can open, or something it cannot (a broken link, a
// pipe, a socket or a device).
enum HostKind { kHostFile, kHostFolder, kHostOther };

struct HostEntry {
  uint32_t attributes;
  std::string name;      // Windows-1252, as FindFirstFileA gives it
  std::string hostName;  // as the host names it
  HostKind kind;
  bool link;  // a symbolic link, which a walk of the folder does not follow
};

// The entries in the order the platform's folder search gives them, "." and ".." first.
std::vector<HostEntry> ListHostFolder(const std::string& folder);

// Every entry but "." and "..", broken links and devices too, in no particular order.
std::vector<HostEntry> ListEveryHostEntry(const std::string& folder);

// A host name or command-line argument as the launcher's ANSI functions see it: UTF-8 turned into
// Windows-1252, and bytes that are no UTF-8 taken as Windows-1252 already.
std::string HostNameInAnsi(const std::string& hostName);

// A name as Windows compares file names: unit by unit, upper-cased as its file systems do, so
// that names of one key are one name (Docs and DOCS, σ and Σ, but not Ω and O). Of an entry's
// host name, and of a name the launcher asks for in its code page.
std::string HostNameKey(const std::string& hostName);
std::string AnsiNameKey(const std::string& ansiName);

bool IsHostFolder(const std::string& path);

// A file that opens for reading as a file: not a folder, a pipe or a device.
bool IsHostPlainFile(const std::string& path);

bool HostPathExists(const std::string& path);

// A host path or argument in UTF-8, for the report: bytes that are no UTF-8 shown as
// Windows-1252 characters.
std::string HostTextInUtf8(const std::string& text);

// Where a symbolic link points; "" when path is no link.
std::string HostLinkTarget(const std::string& path);

// Writes a file that must not exist yet, with the permissions and the hidden and system
// attributes of the file model (where the file system keeps them), and flushes it to the disk.
// False, with error set, when it cannot.
bool WriteNewHostFile(const std::string& path, const std::string& bytes, const std::string& model,
                      std::string* error);

// Renames from over to, which it replaces in one step.
bool MoveHostFileOver(const std::string& from, const std::string& to, std::string* error);

void RemoveHostFile(const std::string& path);
