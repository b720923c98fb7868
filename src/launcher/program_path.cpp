// Where the program lives and where its configuration file is, from the command line alone.
#include "launcher/program_path.h"

#include <cstring>

#include "launcher/messages.h"
#include "launcher/platform.h"

void TakeProgramPath(const char* commandLine, char* programPath) {
  const char* start = commandLine;
  const char* end;
  if (*start == '"') {
    ++start;
    end = strchr(start, '"');
    if (end == nullptr) end = start + strlen(start);
  } else {
    end = start + strlen(start);
  }
  size_t length = static_cast<size_t>(end - start);
  if (length > kProgramPathRoom - 1) length = kProgramPathRoom - 1;
  memcpy(programPath, start, length);
  programPath[length] = '\0';
}

const char* OwnName(const char* programPath) {
  const char* slash = strrchr(programPath, '\\');
  return slash ? slash + 1 : programPath;
}

namespace {

// The profile functions look a name without any folder up in the Windows folder, while the
// probe opens it in the current folder. A drive ("c:x.ini") or a slash already names a place.
bool IsBareName(const char* path) {
  return strpbrk(path, "\\/:") == nullptr;
}

}  // namespace

bool DeriveConfigPath(const char* programPath, char* configPath) {
  char* lowered = configPath + 2;  // room for a leading ".\"
  strcpy(lowered, programPath);
  PlatformLowerCase(lowered, static_cast<uint32_t>(strlen(lowered)));
  char* extension = strstr(lowered, ".exe");
  if (extension == nullptr) {
    configPath[0] = '\0';
    ShowError("Expected to be run as an EXE.", kUnexpectedError);
    return false;
  }
  memcpy(extension, ".ini", 5);
  if (IsBareName(lowered)) {
    configPath[0] = '.';
    configPath[1] = '\\';
  } else {
    memmove(configPath, lowered, strlen(lowered) + 1);
  }
  return true;
}

namespace {

bool StartsWithDotFolder(const char* path) {
  return path[0] == '.' && path[1] == '\\';
}

}  // namespace

void TakeListedFolder(const char* pattern, const char* programPath, char* folder, int room) {
  const char* slash = strrchr(pattern, '\\');
  size_t length = slash ? static_cast<size_t>(slash + 1 - pattern) : 0;
  if (length > static_cast<size_t>(room - 1)) length = 0;
  memcpy(folder, pattern, length);
  folder[length] = '\0';
  // The pattern was made from the lowered program path, which lowering moved no byte of; only a
  // bare name got ".\" in front. Wherever the two still agree, the program path's case stands.
  char lowered[kProgramPathRoom];
  strcpy(lowered, programPath);
  const size_t programLength = strlen(lowered);
  PlatformLowerCase(lowered, static_cast<uint32_t>(programLength));
  const size_t shift = StartsWithDotFolder(pattern) && !StartsWithDotFolder(programPath) ? 2 : 0;
  for (size_t i = shift; i < length && i - shift < programLength; ++i) {
    if (folder[i] == lowered[i - shift]) folder[i] = programPath[i - shift];
  }
}

bool JoinFolderPath(const char* folder, const char* name, char* out, int room) {
  size_t folderLength = strlen(folder);
  size_t nameLength = strlen(name);
  if (folderLength + nameLength + 1 > static_cast<size_t>(room)) return false;
  memcpy(out, folder, folderLength);
  memcpy(out + folderLength, name, nameLength + 1);
  return true;
}
