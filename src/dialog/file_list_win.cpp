// Fills the dialog's file list with one row text per launch-list row.
#include "config/launch_list.h"
#include "dialog/item_text.h"
#include "dialog/launcher_dialog.h"
#include "resource.h"

void FillFileList(HWND dialog) {
  HWND list = GetDlgItem(dialog, IDC_FILE_LIST);
  const int count = TheLaunchList.count;
  SendMessageA(list, LB_INITSTORAGE, count, static_cast<LPARAM>(count) * kMaxPathLength);
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  RECT client;
  GetClientRect(list, &client);
  const int width = RowWidth(client.right - client.left, AverageCharWidth(list));
  char text[kItemTextRoom];
  for (int i = 0; i < count; ++i) {
    MakeItemText(TheLaunchList.rows[i].path, width, ShowFullPath, text);
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  }
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
}
