// Where the program lives and where its configuration file is, from the command line alone.
#pragma once

enum {
  kProgramPathRoom = 264,  // 263 characters and the terminating zero
  kConfigPathRoom = 268,   // also room for a leading ".\"
};

// Quoted: the text up to the next quote; unquoted: the whole line, arguments included.
// A longer text is cut to 263 characters; nothing after a closing quote is kept.
void TakeProgramPath(const char* commandLine, char* programPath);

// The text after the last backslash, or the whole path.
const char* OwnName(const char* programPath);

// The lowered path up to its first ".exe", which becomes ".ini". A result without a folder or
// drive gets ".\" in front, so the profile reader looks where the file was opened, not in the
// Windows folder. Shows "Expected to be run as an EXE." and returns false when there is no ".exe".
bool DeriveConfigPath(const char* programPath, char* configPath);

// The folder folder mode searched, as the command line names it: the first folderLength bytes
// of the configuration path, the last of them a backslash, in the case the program path gives
// them. Empty when folderLength does not fit room - 1.
void TakeListedFolder(const char* programPath, int folderLength, char* folder, int room);

// Joins folder and name into out (room bytes); false when they do not fit.
bool JoinFolderPath(const char* folder, const char* name, char* out, int room);
