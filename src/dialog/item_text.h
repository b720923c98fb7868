// The text of each list row: names cut with "...", whole paths shortened around "\...\",
// shortcut extensions hidden.
#pragma once

enum { kItemTextRoom = 264 };  // a 260-byte path grows by 3 at most

// Characters that fit in the list: client width over (average width - 1), never below 0.
int RowWidth(int clientWidth, int averageCharWidth);

// Builds the row text for path into out (kItemTextRoom bytes).
void MakeItemText(const char* path, int width, int showFullPath, char* out);

// 0 when the path fits unchanged, 1 when it was shortened.
int ShortenPath(const char* path, char* out, int width);

// Non-overlapping matches of a non-empty pattern, searching from the left.
int CountOccurrences(const char* text, const char* pattern);

// Copies what follows the last backslash; out stays untouched without a backslash.
void CopyLastComponent(const char* path, char* out);
