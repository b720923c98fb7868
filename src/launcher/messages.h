// The message boxes every part of the program shows, and the existence probe.
#pragma once

// The caption of start-up problems that are not a setting or a [Files] line at fault.
extern const char kUnexpectedError[];

// Start-up and configuration problems: the text as it stands, error icon.
void ShowError(const char* text, const char* caption);

// Launch-time problems: each backslash-n of the configured text becomes a line break.
void ShowWarning(const char* text, const char* caption);

// Copies text into out (room bytes) with every backslash-n turned into CR LF in place.
void ExpandLineBreaks(const char* text, char* out, int room);

// True when the path opens for reading with read sharing.
bool FileExists(const char* path);
