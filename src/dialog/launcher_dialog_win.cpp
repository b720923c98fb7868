// The launcher dialog: opening, selection, the keep-open box, OK and Cancel.
#include "config/launch_list.h"
#include "dialog/launcher_dialog.h"
#include "launcher/launch.h"
#include "launcher/messages.h"
#include "launcher/platform_win.h"
#include "resource.h"

namespace {

void OpenDialog(HWND dialog) {
  OwnerWindow = dialog;
  SetSmallIcon(dialog);
  const LauncherSettings& s = TheSettings;
  SetWindowTextA(dialog, s.windowTitle);
  SetDlgItemTextA(dialog, IDC_FILES_LABEL, s.filesLabel);
  SetDlgItemTextA(dialog, IDC_KEEP_OPEN, s.keepOpenLabel);
  SetDlgItemTextA(dialog, IDOK, s.okButton);
  SetDlgItemTextA(dialog, IDCANCEL, s.cancelButton);
  HWND keepOpen = GetDlgItem(dialog, IDC_KEEP_OPEN);
  SendMessageA(keepOpen, BM_SETCHECK, BST_UNCHECKED, 0);
  EnableWindow(keepOpen, KeepOpen != 0);
  if (s.descriptionLabel[0] != '\0') {
    SetDlgItemTextA(dialog, IDC_DESCRIPTION_LABEL, s.descriptionLabel);
    SetDlgItemTextA(dialog, IDC_DESCRIPTION, "");
  } else {
    CollapseDescriptionArea(dialog);
  }
  FillFileList(dialog);
  SendDlgItemMessageA(dialog, IDC_FILE_LIST, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  LayOutButtons(dialog);
}

void FollowSelection(HWND dialog) {
  SelectedIndex =
      static_cast<int32_t>(SendDlgItemMessageA(dialog, IDC_FILE_LIST, LB_GETCURSEL, 0, 0));
  if (SelectedIndex < 0 || SelectedIndex >= TheLaunchList.count) {
    SelectedIndex = -1;
    return;
  }
  const LaunchEntry& row = TheLaunchList.rows[SelectedIndex];
  SetDlgItemTextA(dialog, IDC_DESCRIPTION, row.description);
  const bool allowed = row.keepOpenAllowed == 1;
  HWND keepOpen = GetDlgItem(dialog, IDC_KEEP_OPEN);
  EnableWindow(keepOpen, allowed);
  SendMessageA(keepOpen, BM_SETCHECK, allowed && KeepOpen != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
}

void EndWith(HWND dialog, INT_PTR result) {
  OwnerWindow = nullptr;
  EndDialog(dialog, result);
}

void PressOk(HWND dialog) {
  const LauncherSettings& s = TheSettings;
  if (SelectedIndex == -1) {
    ShowWarning(s.noEntryErrorText, s.noEntryErrorTitle);
    return;
  }
  char target[kTargetPathRoom];
  RowTargetPath(SelectedIndex, target, kTargetPathRoom);
  if (!FileExists(target)) {
    ShowWarning(s.couldNotFindFileErrorText, s.couldNotFindFileErrorTitle);
    return;
  }
  UpdateWindow(GetDlgItem(dialog, IDOK));
  SetCursor(LoadCursorA(nullptr, IDC_WAIT));
  if (KeepOpen != 0 && TheLaunchList.rows[SelectedIndex].keepOpenAllowed == 1) {
    LaunchRow(SelectedIndex);
    return;
  }
  EndWith(dialog, 1);
}

void PressCancel(HWND dialog) {
  SelectedIndex = -1;
  EndWith(dialog, 0);
}

INT_PTR HandleCommand(HWND dialog, int id, int code) {
  switch (id) {
    case IDC_FILE_LIST:
      if (code == LBN_SELCHANGE) FollowSelection(dialog);
      return 0;
    case IDC_KEEP_OPEN:
      KeepOpen = KeepOpen == 0 ? 1 : 0;
      return 0;
    case IDOK:
      PressOk(dialog);
      return 1;
    case IDCANCEL:
      PressCancel(dialog);
      return 1;
  }
  return 0;
}

}  // namespace

INT_PTR CALLBACK LauncherDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      OpenDialog(dialog);
      return 0;
    case WM_COMMAND:
      return HandleCommand(dialog, LOWORD(wParam), HIWORD(wParam));
  }
  return 0;
}
