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

bool DeriveConfigPath(const char* programPath, char* configPath) {
  configPath[0] = '\0';
  if (strchr(programPath, '\\') == nullptr) strcpy(configPath, ".\\");
  char* lowered = configPath + strlen(configPath);
  strcpy(lowered, programPath);
  PlatformLowerCase(lowered, static_cast<uint32_t>(strlen(lowered)));
  char* extension = strstr(lowered, ".exe");
  if (extension == nullptr) {
    ShowError("Expected to be run as an EXE.", kUnexpectedError);
    return false;
  }
  memcpy(extension, ".ini", 5);
  return true;
}

void TakeProgramFolder(const char* programPath, char* folder, int room) {
  size_t length = static_cast<size_t>(OwnName(programPath) - programPath);
  if (length > static_cast<size_t>(room - 1)) length = 0;
  memcpy(folder, programPath, length);
  folder[length] = '\0';
}

bool JoinFolderPath(const char* folder, const char* name, char* out, int room) {
  size_t folderLength = strlen(folder);
  size_t nameLength = strlen(name);
  if (folderLength + nameLength + 1 > static_cast<size_t>(room)) return false;
  memcpy(out, folder, folderLength);
  memcpy(out + folderLength, name, nameLength + 1);
  return true;
}
