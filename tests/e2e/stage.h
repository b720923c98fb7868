// A prepared folder with the launcher in it, and the checks every run ends with.
#pragma once

#include "e2e.h"

struct Stage {
  std::string folder;   // the launcher's folder
  std::string program;  // its full path
  FolderSnapshot before;
};

// A fresh folder holding the launcher as programName and, when ini is given, programName's INI.
Stage Prepare(const std::string& test, const std::string& programName = "Launch.exe",
              const char* ini = nullptr);
void AddFile(const Stage& stage, const std::string& name, const std::string& text = "x");

// Takes the snapshot that Finish compares against; call when the folder is ready.
void Freeze(Stage& stage);

// The run must exit with code 0 and leave the folder as it was.
void Finish(const Stage& stage, Run& run);

// Runs the launcher under its quoted full path; one message box must come and the run end.
void ExpectOnlyMessage(Stage& stage, const std::string& caption, const std::string& text,
                       const std::string& icon = "error");

// Starts the launcher under its quoted full path, in its own folder unless another is given.
Run StartLauncher(const Stage& stage, const std::string& currentFolder = "");

// Presses Cancel; the run must then end as Finish requires.
void CancelAndFinish(const Stage& stage, Run& run, HWND dialog);

// Waits for the launcher's dialog; a message box instead is read, dismissed and reported.
HWND DialogOf(Run& run);

extern const char kNoFilesListed[];
