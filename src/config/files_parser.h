// The [Files] section: one launch-list row per entry line, in file order.
#pragma once

#include <cstdint>

struct LaunchEntry;

// Parses the profile reader's buffer (lines ended by NUL, the list by an empty line), never
// reading past size bytes. Returns false after showing exactly one message box.
bool ParseFileList(const char* buffer, uint32_t size);

// Shows that the section lists more entries than the list holds; returns false.
bool ReportTooManyFiles();

// Shows that the section lists no file at all.
void ReportNoFilesListed();

// Shows the syntax-error box quoting the first 200 bytes of the line, leading spaces included.
void ReportSyntaxError(const char* line, uint32_t available);

enum FileLineKind { kCommentLine, kEntryLine, kBadLine };

// Reads the one line at line (size bytes available, ended by NUL) into entry; length is where
// its ending NUL lies, or size when the line runs to the end of the buffer.
FileLineKind ReadFileLine(const char* line, uint32_t size, LaunchEntry* entry, uint32_t* length);
