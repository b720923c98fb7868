// A stand-in for Win32 behind platform.h: an INI file in memory, a folder as a list of entries,
// and every message box recorded instead of shown; and bytes placed where reading past them faults.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "launcher/platform.h"

struct ShownMessage {
  std::string text;
  std::string caption;
  MessageIcon icon;
};

struct FakeFile {
  uint32_t attributes;
  std::string name;
};

struct FakePlatform {
  std::string commandLine = "C:\\Disc\\Setup.exe";
  // The configuration file: absent when configExists is false. Its text is an INI file.
  bool configExists = false;
  std::string configText;
  std::string openedPath;  // the path the probe was asked about
  bool allocationFails = false;
  bool findFails = false;
  std::vector<FakeFile> folder;
  std::string searchPattern;
  int entriesRead = 0;                // how many entries the folder search delivered
  int blocksHeld = 0;                 // heap blocks allocated and not yet released
  std::vector<uint32_t> allocations;  // the size of every block asked for, given or not
  bool searchOpen = false;            // a folder search was started and not yet closed
  std::vector<ShownMessage> messages;
};

extern FakePlatform Fake;

// Reads the INI text now, so that a later profile call finds it read (the fake keeps the read
// text until configText changes).
void ReadProfileOnce();

// Fresh fake and fresh launch state.
void ResetFake();

// Turns a profile-reader section (lines) into its buffer form: each line NUL-ended, then NUL.
std::string SectionBuffer(const std::vector<std::string>& lines);

// The bytes as the last ones before memory that cannot be read: a read past their end stops the
// test with a fault instead of going unseen.
class BytesAtMemoryEnd {
 public:
  explicit BytesAtMemoryEnd(const std::string& bytes);
  ~BytesAtMemoryEnd();
  const char* data() const { return data_; }

 private:
  void* pages_ = nullptr;
  size_t length_ = 0;
  const char* data_ = nullptr;
};
