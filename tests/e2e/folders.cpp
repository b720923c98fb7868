// Fresh folders for each run, files in them, and snapshots that show whether anything changed.
#include <cstdio>

#include "e2e.h"

namespace {

void SnapshotInto(const std::string& folder, const std::string& prefix, FolderSnapshot& out) {
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    std::string name = data.cFileName;
    if (name == "." || name == "..") continue;
    std::ostringstream s;
    s << data.nFileSizeLow << " " << data.ftLastWriteTime.dwLowDateTime << " "
      << data.ftLastWriteTime.dwHighDateTime << " " << std::hex << data.dwFileAttributes;
    out[prefix + name] = s.str();
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      SnapshotInto(folder + "\\" + name, prefix + name + "\\", out);
    }
  } while (FindNextFileA(search, &data));
  FindClose(search);
}

void CopyOrFail(const std::string& from, const std::string& to) {
  if (!CopyFileA(from.c_str(), to.c_str(), FALSE)) {
    RecordFailure(__FILE__, __LINE__, "could not copy " + from + " to " + to);
  }
}

}  // namespace

std::string NewFolder(const std::string& name) {
  static int counter = 0;
  std::string folder = WorkFolder + "\\" + std::to_string(++counter) + "-" + name;
  MakeFolder(folder);
  return folder;
}

void MakeFolder(const std::string& path) {
  if (!CreateDirectoryA(path.c_str(), nullptr)) {
    RecordFailure(__FILE__, __LINE__, "could not make " + path);
  }
}

void WriteTextFile(const std::string& path, const std::string& text) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  if (file == INVALID_HANDLE_VALUE ||
      !WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
      written != text.size()) {
    RecordFailure(__FILE__, __LINE__, "could not write " + path);
  }
  CloseHandle(file);
}

void CopyProgram(const std::string& to) {
  CopyOrFail(ProgramUnderTest, to);
}
void CopyMarker(const std::string& to) {
  CopyOrFail(MarkerProgram, to);
}

void SetAttributes(const std::string& path, DWORD attributes) {
  if (!SetFileAttributesA(path.c_str(), attributes)) {
    RecordFailure(__FILE__, __LINE__, "could not set attributes of " + path);
  }
}

FolderSnapshot Snapshot(const std::string& folder) {
  FolderSnapshot snapshot;
  SnapshotInto(folder, "", snapshot);
  return snapshot;
}
