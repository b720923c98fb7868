// The dialog's icon and its two layout changes, applied with Win32; the arithmetic is geometry.cpp.
#include "config/launch_list.h"
#include "dialog/geometry.h"
#include "dialog/launcher_dialog.h"
#include "launcher/platform_win.h"
#include "resource.h"

namespace {

const UINT kResize = SWP_NOMOVE | SWP_NOZORDER | SWP_NOOWNERZORDER;
const UINT kMove = SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER;

PixelRect WindowRectOf(HWND dialog, int id) {
  RECT r;
  GetWindowRect(GetDlgItem(dialog, id), &r);
  return {r.left, r.top, r.right, r.bottom};
}

// The top of a control in the dialog's client coordinates.
int ClientTop(HWND dialog, const PixelRect& screen) {
  POINT topLeft = {screen.left, screen.top};
  ScreenToClient(dialog, &topLeft);
  return topLeft.y;
}

}  // namespace

void SetSmallIcon(HWND dialog) {
  int height = GetSystemMetrics(SM_CYSMICON);
  int width = GetSystemMetrics(SM_CXSMICON);
  HANDLE icon = LoadImageA(Instance, MAKEINTRESOURCEA(IDI_LAUNCHER), IMAGE_ICON, width, height,
                           LR_DEFAULTCOLOR);
  if (icon != nullptr) SendMessageA(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void CollapseDescriptionArea(HWND dialog) {
  ShowWindow(GetDlgItem(dialog, IDC_DESCRIPTION), SW_HIDE);
  PixelRect box = WindowRectOf(dialog, IDC_DESCRIPTION);
  PixelRect list = WindowRectOf(dialog, IDC_FILE_LIST);
  SetWindowPos(GetDlgItem(dialog, IDC_FILE_LIST), nullptr, 0, 0, Width(list),
               CollapsedListHeight(list, box), kResize);
  ShowWindow(GetDlgItem(dialog, IDC_DESCRIPTION_LABEL), SW_HIDE);
}

int AverageCharWidth(HWND control) {
  HDC context = GetDC(control);
  TEXTMETRICA metrics;
  // A failed query leaves 0, which the callers treat as no width to go by.
  metrics.tmAveCharWidth = 0;
  GetTextMetricsA(context, &metrics);
  ReleaseDC(control, context);
  return metrics.tmAveCharWidth;
}

int MeasureButtonGap(HWND dialog, int firstId, int secondId) {
  return ButtonGap(WindowRectOf(dialog, firstId), WindowRectOf(dialog, secondId));
}

void SetButtonWidth(HWND dialog, int id, int size) {
  HWND button = GetDlgItem(dialog, id);
  PixelRect r = WindowRectOf(dialog, id);
  const int width = ButtonWidth(size, AverageCharWidth(button));
  if (width <= 0) return;  // no usable font metrics: keep the template's width
  SetWindowPos(button, nullptr, 0, 0, width, Height(r), kResize);
}

void CentreButtons(HWND dialog, int firstId, int secondId, int gap) {
  RECT client;
  GetClientRect(dialog, &client);
  PixelRect first = WindowRectOf(dialog, firstId);
  PixelRect second = WindowRectOf(dialog, secondId);
  ButtonPlaces places = CentreButtonPlaces(client.right, Width(first), Width(second), gap);
  SetWindowPos(GetDlgItem(dialog, firstId), nullptr, places.firstX, ClientTop(dialog, first), 0, 0,
               kMove);
  SetWindowPos(GetDlgItem(dialog, secondId), nullptr, places.secondX, ClientTop(dialog, second), 0,
               0, kMove);
}

void LayOutButtons(HWND dialog) {
  const int gap = MeasureButtonGap(dialog, IDOK, IDCANCEL);
  const LauncherSettings& s = TheSettings;
  if (s.okButtonSize > 0) SetButtonWidth(dialog, IDOK, s.okButtonSize);
  if (s.cancelButtonSize > 0) SetButtonWidth(dialog, IDCANCEL, s.cancelButtonSize);
  if (s.okButtonSize > 0 || s.cancelButtonSize > 0) CentreButtons(dialog, IDOK, IDCANCEL, gap);
}
