// What one run of the launcher showed, read from outside, and kept for the folder checker.
#pragma once

#include "stage.h"

struct Observation {
  bool dialog = false;
  std::string caption;  // the dialog's or the message box's
  std::string text;     // the message box's
  std::vector<std::string> rows;
  int width = 0;  // the characters a row may hold
};

// Reads whichever window the run shows first; dismisses a message box (no other window may
// follow) or cancels the dialog. The run must then end as Finish requires.
Observation Observe(const Stage& stage, Run& run);

// Keeps what the launcher showed for the stage's folder, for the checker's differential test:
// WorkFolder\observations\NAME.txt.
void KeepObservation(const std::string& name, const Stage& stage, const std::string& programName,
                     const Observation& seen);

// Keeps the dialog or the message box the launcher showed when started from its own folder under
// its quoted path, named after the folder.
void KeepDialog(const Stage& stage, HWND dialog);
void KeepBox(const Stage& stage, const MessageBoxSeen& box);
