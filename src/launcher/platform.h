// The platform operations the logic relies on, in plain data; platform_win.cpp carries them out.
#pragma once

#include <cstdint>

enum MessageIcon { kIconError, kIconWarning, kIconInformation };

enum : uint32_t {
  kAttributeHidden = 0x2,
  kAttributeSystem = 0x4,
  kAttributeDirectory = 0x10,
  kAttributeTemporary = 0x100,
  kAttributeOffline = 0x1000,
};

struct FolderEntry {
  uint32_t attributes;
  char name[260];
};

const char* PlatformCommandLine();

// Opens the file for reading with read sharing and closes it again; the size is its low 32 bits.
bool PlatformProbeFile(const char* path, uint32_t* size);

void PlatformLowerCase(char* text, uint32_t length);

void PlatformProfileString(const char* section, const char* key, const char* fallback, char* buffer,
                           uint32_t room, const char* path);
int32_t PlatformProfileInt(const char* section, const char* key, int32_t fallback,
                           const char* path);
void PlatformProfileSection(const char* section, char* buffer, uint32_t size, const char* path);

char* PlatformAllocate(uint32_t size);
void PlatformRelease(char* block);

// One folder search at a time.
bool PlatformFindFirst(const char* pattern, FolderEntry* entry);
bool PlatformFindNext(FolderEntry* entry);
void PlatformFindClose();

// Shown owned by the dialog while it is open, by no window otherwise.
void PlatformShowMessage(const char* text, const char* caption, MessageIcon icon);

// wsprintfA: %s, %.200s, %i and %li into a buffer the caller sized for the result.
int PlatformFormat(char* buffer, const char* format, ...);
