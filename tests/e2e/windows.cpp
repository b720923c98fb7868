// Reading and pressing another process's dialog and message boxes.
#include "e2e.h"
#include "dialog/item_text.h"
#include "resource.h"

namespace {

enum { kWineMessageIcon = 0x440, kWindowsMessageIcon = 0x14 };

// Counts the reddish, yellowish and bluish pixels of a window as it is on the screen.
std::string ClassifyPixels(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  if (width <= 0 || height <= 0) return "none";
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  SelectObject(memory, old);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  std::vector<RGBQUAD> pixels(width * height);
  GetDIBits(memory, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  int red = 0, yellow = 0, blue = 0;
  for (const RGBQUAD& p : pixels) {
    if (p.rgbRed > 160 && p.rgbGreen < 90 && p.rgbBlue < 90) ++red;
    if (p.rgbRed > 160 && p.rgbGreen > 140 && p.rgbBlue < 100) ++yellow;
    if (p.rgbBlue > 140 && p.rgbRed < 100) ++blue;
  }
  const int least = width * height / 20;
  if (red >= least && red >= yellow && red >= blue) return "error";
  if (yellow >= least && yellow >= blue) return "warning";
  if (blue >= least) return "information";
  return "none";
}

}  // namespace

std::string WindowText(HWND window) {
  // WM_GETTEXT itself: GetWindowText of another process's window gives only its stored title,
  // which an edit control does not keep up to date. Across processes Wine answers in UTF-16.
  WCHAR wide[4096] = L"";
  SendMessageW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(wide));
  char text[8192] = "";
  WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
  return text;
}

bool IsMessageBoxWindow(HWND window) {
  return GetDlgItem(window, 0xFFFF) != nullptr && GetDlgItem(window, IDC_FILE_LIST) == nullptr;
}

std::string IconKind(HWND messageBox) {
  HWND icon = GetDlgItem(messageBox, kWineMessageIcon);
  if (icon == nullptr) icon = GetDlgItem(messageBox, kWindowsMessageIcon);
  if (icon == nullptr || !IsWindowVisible(icon)) return "none";
  RECT box;
  GetWindowRect(messageBox, &box);
  if (box.left < 0 || box.top < 0) {  // a wide box hangs off the screen: bring its icon in
    SetWindowPos(messageBox, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  std::string kind = "none";
  for (int tries = 0; tries < 50 && kind == "none"; ++tries) {  // until it has been painted
    Sleep(20);
    kind = ClassifyPixels(icon);
  }
  return kind;
}

ControlState Control(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  ControlState state = {};
  state.text = WindowText(control);
  state.visible = IsWindowVisible(control) != FALSE;
  state.enabled = IsWindowEnabled(control) != FALSE;
  state.checked = static_cast<int>(SendMessageA(control, BM_GETCHECK, 0, 0));
  GetWindowRect(control, &state.rect);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&state.rect), 2);
  return state;
}

std::vector<std::string> ListRows(HWND dialog) {
  HWND list = GetDlgItem(dialog, IDC_FILE_LIST);
  std::vector<std::string> rows;
  const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    // Across processes Wine answers in UTF-16 whatever was asked.
    WCHAR wide[1024] = L"";
    SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide));
    char text[1024] = "";
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    rows.push_back(text);
  }
  return rows;
}

int ClientWidth(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  return r.right - r.left;
}

int AverageCharWidthOf(HWND window) {
  HDC context = GetDC(window);
  TEXTMETRICA metrics = {};
  GetTextMetricsA(context, &metrics);
  ReleaseDC(window, context);
  return metrics.tmAveCharWidth;
}

void PostClick(HWND dialog, int id) {
  PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void SelectRow(HWND dialog, int row) {
  HWND list = GetDlgItem(dialog, IDC_FILE_LIST);
  SendMessageA(list, LB_SETCURSEL, row, 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_FILE_LIST, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
}

// The row width the launcher measured: the list's client width while it was empty (before any
// scroll bar) over one less than the average width of a fresh device context of the list.
int MeasuredRowWidth(HWND dialog) {
  HWND list = GetDlgItem(dialog, IDC_FILE_LIST);
  int width = ClientWidth(list);
  if (GetWindowLongA(list, GWL_STYLE) & WS_VSCROLL) width += GetSystemMetrics(SM_CXVSCROLL);
  return RowWidth(width, AverageCharWidthOf(list));
}

std::vector<std::string> RowTexts(const std::vector<std::string>& paths, int width, int fullPath) {
  std::vector<std::string> rows;
  char text[kItemTextRoom];
  for (const std::string& path : paths) {
    MakeItemText(path.c_str(), width, fullPath, text);
    rows.push_back(text);
  }
  return rows;
}
