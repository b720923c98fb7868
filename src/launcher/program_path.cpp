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

// The path up to its first ".exe", found in the lowered path, which becomes ".ini"; lowered
// itself, or in the case the program path gives it (lowering moves no byte). A result without a
// folder or drive gets ".\" in front. False when there is no ".exe".
bool MakeConfigPath(const char* programPath, bool lowered, char* configPath) {
  char* path = configPath + 2;  // room for a leading ".\"
  strcpy(path, programPath);
  PlatformLowerCase(path, static_cast<uint32_t>(strlen(path)));
  char* extension = strstr(path, ".exe");
  if (extension == nullptr) {
    configPath[0] = '\0';
    return false;
  }
  if (!lowered) memcpy(path, programPath, static_cast<size_t>(extension - path));
  memcpy(extension, ".ini", 5);
  if (IsBareName(path)) {
    configPath[0] = '.';
    configPath[1] = '\\';
  } else {
    memmove(configPath, path, strlen(path) + 1);
  }
  return true;
}

}  // namespace

bool DeriveConfigPath(const char* programPath, char* configPath) {
  if (MakeConfigPath(programPath, true, configPath)) return true;
  ShowError("Expected to be run as an EXE.", kUnexpectedError);
  return false;
}

void TakeListedFolder(const char* programPath, int folderLength, char* folder, int room) {
  char path[kConfigPathRoom];
  if (folderLength < 1 || folderLength > room - 1 || !MakeConfigPath(programPath, false, path)) {
    folderLength = 0;
  }
  memcpy(folder, path, static_cast<size_t>(folderLength));
  if (folderLength > 0)
    folder[folderLength - 1] = '\\';  // where the path has none, the scan added it
  folder[folderLength] = '\0';
}

bool JoinFolderPath(const char* folder, const char* name, char* out, int room) {
  size_t folderLength = strlen(folder);
  size_t nameLength = strlen(name);
  if (folderLength + nameLength + 1 > static_cast<size_t>(room)) return false;
  memcpy(out, folder, folderLength);
  memcpy(out + folderLength, name, nameLength + 1);
  return true;
}
