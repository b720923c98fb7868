// What the Win32 layer shares beyond the plain-data operations of platform.h.
#pragma once

#include <windows.h>

extern HINSTANCE Instance;
extern HWND OwnerWindow;  // the dialog while it is open, no window otherwise

// ShellExecuteA "open"; false when the shell gives 32 or less.
bool LaunchThroughShell(const char* path);
