// The platform operations of platform.h, carried out with Win32.
#include "launcher/platform_win.h"

#include <shellapi.h>

#include <cstdarg>

#include "launcher/platform.h"

HINSTANCE Instance;
HWND OwnerWindow;

namespace {
HANDLE Search = INVALID_HANDLE_VALUE;

void CopyFindData(const WIN32_FIND_DATAA& data, FolderEntry* entry) {
  entry->attributes = data.dwFileAttributes;
  lstrcpynA(entry->name, data.cFileName, sizeof entry->name);
}
}  // namespace

const char* PlatformCommandLine() {
  return GetCommandLineA();
}

bool PlatformProbeFile(const char* path, uint32_t* size) {
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  if (size != nullptr) *size = GetFileSize(file, nullptr);
  CloseHandle(file);
  return true;
}

void PlatformLowerCase(char* text, uint32_t length) {
  CharLowerBuffA(text, length);
}

void PlatformProfileString(const char* section, const char* key, const char* fallback, char* buffer,
                           uint32_t room, const char* path) {
  GetPrivateProfileStringA(section, key, fallback, buffer, room, path);
}

int32_t PlatformProfileInt(const char* section, const char* key, int32_t fallback,
                           const char* path) {
  return static_cast<int32_t>(GetPrivateProfileIntA(section, key, fallback, path));
}

void PlatformProfileSection(const char* section, char* buffer, uint32_t size, const char* path) {
  GetPrivateProfileSectionA(section, buffer, size, path);
}

char* PlatformAllocate(uint32_t size) {
  return static_cast<char*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size));
}

void PlatformRelease(char* block) {
  HeapFree(GetProcessHeap(), 0, block);
}

bool PlatformFindFirst(const char* pattern, FolderEntry* entry) {
  WIN32_FIND_DATAA data;
  Search = FindFirstFileA(pattern, &data);
  if (Search == INVALID_HANDLE_VALUE) return false;
  CopyFindData(data, entry);
  return true;
}

bool PlatformFindNext(FolderEntry* entry) {
  WIN32_FIND_DATAA data;
  if (!FindNextFileA(Search, &data)) return false;
  CopyFindData(data, entry);
  return true;
}

void PlatformFindClose() {
  FindClose(Search);
  Search = INVALID_HANDLE_VALUE;
}

void PlatformShowMessage(const char* text, const char* caption, MessageIcon icon) {
  static const UINT kIcons[] = {MB_ICONERROR, MB_ICONWARNING, MB_ICONINFORMATION};
  MessageBoxA(OwnerWindow, text, caption, kIcons[icon]);
}

int PlatformFormat(char* buffer, const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  int length = wvsprintfA(buffer, format, arguments);
  va_end(arguments);
  return length;
}

bool LaunchThroughShell(const char* path) {
  HINSTANCE result = ShellExecuteA(nullptr, "open", path, nullptr, nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}
