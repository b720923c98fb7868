// For the demo: waits for the window that the launcher at a given path shows, selects a row of
// its list so the description shows, and writes what it found, in UTF-8, to a file the script reads.
// Usage: demo-window.exe PROGRAM-PATH ROW SECONDS RESULT-FILE
//   ROW counts from 1; 0 selects the second row where there is one, else the first.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "resource.h"

namespace {

struct Search {
  const char* program;
  HWND found;
  std::string seen;  // every other visible window, for the report when none is the launcher's
};

std::string ImageOf(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  HANDLE handle = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process);
  char image[MAX_PATH] = "";
  DWORD size = sizeof image;
  if (handle != nullptr) {
    if (!QueryFullProcessImageNameA(handle, 0, image, &size)) image[0] = '\0';
    CloseHandle(handle);
  }
  return image;
}

// A window's text as UTF-8, whatever the ANSI code page the launcher's text came through.
std::string TextOf(HWND window) {
  wchar_t wide[2048] = L"";
  GetWindowTextW(window, wide, sizeof wide / sizeof wide[0]);
  char text[3 * 2048] = "";
  if (WideCharToMultiByte(CP_UTF8, 0, wide, -1, text, sizeof text, nullptr, nullptr) == 0) {
    return std::string();
  }
  return text;
}

BOOL CALLBACK Consider(HWND window, LPARAM context) {
  Search* search = reinterpret_cast<Search*>(context);
  if (!IsWindowVisible(window)) return TRUE;
  char className[64] = "";
  GetClassNameA(window, className, sizeof className);
  const std::string title = TextOf(window);
  const std::string image = ImageOf(window);
  if (strcmp(className, "#32770") == 0 && lstrcmpiA(image.c_str(), search->program) == 0) {
    search->found = window;
    return FALSE;
  }
  search->seen += "  a window of class " + std::string(className) + ", titled \"" + title +
                  "\", of " + (image.empty() ? std::string("an unknown program") : image) + "\n";
  return TRUE;
}

HWND WaitForLauncher(Search* search, int seconds) {
  for (int waited = 0; waited < seconds * 10; ++waited) {
    search->found = nullptr;
    search->seen.clear();
    EnumWindows(Consider, reinterpret_cast<LPARAM>(search));
    if (search->found != nullptr) return search->found;
    Sleep(100);
  }
  return nullptr;
}

// The launcher's dialog gets a row selected; its message box is only read.
std::string Describe(HWND window, int row) {
  HWND list = GetDlgItem(window, IDC_FILE_LIST);
  if (list == nullptr) {
    return "message: [" + TextOf(window) + "] " + TextOf(GetDlgItem(window, 0xFFFF)) + "\n";
  }
  const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  std::string out = "dialog: " + TextOf(window) + "\nrows: " + std::to_string(count) + "\n";
  if (row == 0) row = count >= 2 ? 2 : 1;
  if (row < 1 || row > count) return out + "selected: none (out of range)\n";
  SendMessageA(list, LB_SETCURSEL, row - 1, 0);
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_FILE_LIST, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
  SetForegroundWindow(window);
  return out + "selected: " + std::to_string(row) + "\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    fprintf(stderr, "usage: demo-window.exe PROGRAM-PATH ROW SECONDS RESULT-FILE\n");
    return 2;
  }
  Search search = {argv[1], nullptr, ""};
  HWND window = WaitForLauncher(&search, atoi(argv[3]));
  const std::string result =
      window != nullptr
          ? Describe(window, atoi(argv[2]))
          : "none: no window of " + std::string(argv[1]) + " within " + argv[3] + " s\n" +
                (search.seen.empty() ? "  no other window either\n" : search.seen);
  FILE* out = fopen(argv[4], "wb");
  if (out == nullptr) return 2;
  fputs(result.c_str(), out);
  fclose(out);
  return window != nullptr ? 0 : 1;
}
