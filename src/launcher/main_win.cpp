// The program's entry: start-up, the dialog, then the launch or the About box; always exit 0.
#include <windows.h>

#include "dialog/launcher_dialog.h"
#include "launcher/launch.h"
#include "launcher/platform_win.h"
#include "launcher/startup.h"
#include "resource.h"

namespace {

const char kAboutCaption[] = "Quorvel Lanterpick";
const char kAboutText[] =
    "Quorvel Lanterpick, version 1.0\n\n"
    "Copyright (C) 2026 Quorvel. Free to copy onto any disc or folder.\n"
    "www.quorvel.example/lanterpick";

void ShowAboutIfF7Held() {
  BYTE keys[256] = {};
  if (GetKeyboardState(keys) && (keys[VK_F7] & 0x80)) {
    MessageBoxA(nullptr, kAboutText, kAboutCaption, MB_ICONINFORMATION);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  Instance = instance;
  if (!LoadLaunchList()) return 0;
  INT_PTR result =
      DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_LAUNCHER), nullptr, LauncherDialogProc, 0);
  if (result == 0) {
    ShowAboutIfF7Held();
  } else if (SelectedIndex >= 0) {
    LaunchRow(SelectedIndex);
  }
  return 0;
}
