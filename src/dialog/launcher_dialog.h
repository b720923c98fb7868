// The launcher dialog's procedure and the Win32 steps of its opening.
#pragma once

#include <windows.h>

INT_PTR CALLBACK LauncherDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Layout, done once while the dialog opens.
void SetSmallIcon(HWND dialog);
void CollapseDescriptionArea(HWND dialog);
int AverageCharWidth(HWND control);
int MeasureButtonGap(HWND dialog, int firstId, int secondId);
void SetButtonWidth(HWND dialog, int id, int size);
void CentreButtons(HWND dialog, int firstId, int secondId, int gap);
void LayOutButtons(HWND dialog);

// One list row per launch-list row, in order.
void FillFileList(HWND dialog);
