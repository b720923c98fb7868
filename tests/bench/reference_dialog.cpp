// The floor for start-up timings: the launcher's own dialog template, filled with as many rows as
// the command line asks for, with none of the launcher's logic (no INI, no folder, no layout).
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "resource.h"

namespace {

int RowCount() {
  const char* line = GetCommandLineA();
  const char* last = strrchr(line, ' ');
  return last ? atoi(last + 1) : 0;
}

INT_PTR CALLBACK ReferenceProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    HWND list = GetDlgItem(dialog, IDC_FILE_LIST);
    char row[32];
    for (int i = 0, count = RowCount(); i < count; ++i) {
      wsprintfA(row, "Row %i", i);
      SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row));
    }
    return TRUE;
  }
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    EndDialog(dialog, 0);
    return TRUE;
  }
  return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_LAUNCHER), nullptr, ReferenceProc, 0);
  return 0;
}
