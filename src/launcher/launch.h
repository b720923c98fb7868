// Opening a launch-list row through the shell.
#pragma once

#include <cstdint>

extern int32_t SelectedIndex;  // the chosen row, -1 for none

// Opens the row (folder-mode rows from the folder listed); warns and returns false when the
// shell cannot.
bool LaunchRow(int32_t index);

// The path the existence probe and the launch use for a row, in full.
void RowTargetPath(int32_t index, char* out, int room);
enum { kTargetPathRoom = 528 };
