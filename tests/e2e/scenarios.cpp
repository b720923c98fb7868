// One run of the launcher, and the launch marker's records.
#include "e2e.h"

namespace {

std::string MarkerPath(const char* suffix = "") {
  return WorkFolder + "\\marker.txt" + suffix;
}

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

struct Search {
  DWORD processId;
  bool dialog;
  HWND found;
};

BOOL CALLBACK FindWindowOf(HWND window, LPARAM parameter) {
  Search* search = reinterpret_cast<Search*>(parameter);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  char className[32] = "";
  GetClassNameA(window, className, sizeof className);
  if (processId != search->processId || lstrcmpA(className, "#32770") != 0 ||
      !IsWindowVisible(window)) {
    return TRUE;
  }
  if (IsMessageBoxWindow(window) == !search->dialog) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindWindowOfProcess(DWORD processId, bool dialog) {
  Search search = {processId, dialog, nullptr};
  EnumWindows(FindWindowOf, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

HWND DialogOfProcess(DWORD processId) {
  return FindWindowOfProcess(processId, true);
}

std::string Quoted(const std::string& path) {
  return "\"" + path + "\"";
}

Run::Run(const std::string& application, const std::string& commandLine,
         const std::string& currentFolder) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  // Wine now and then fails to start a process with an internal error (1359) that the next
  // attempt does not meet; that is the platform, not the launcher, so it is tried again.
  bool started = false;
  for (int attempt = 0; attempt < 3 && !started; ++attempt) {
    if (attempt > 0) Sleep(250);
    started = CreateProcessA(application.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             currentFolder.c_str(), &startup, &process_);
    if (!started && GetLastError() != ERROR_INTERNAL_ERROR) break;
  }
  if (!started) {
    RecordFailure(
        __FILE__, __LINE__,
        "could not start " + application + " (error " + std::to_string(GetLastError()) + ")");
    process_ = {};
    return;
  }
  WaitForInputIdle(process_.hProcess, 5000);
}

Run::~Run() {
  if (!Started()) return;
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
    RecordFailure(__FILE__, __LINE__, "the launcher was still running at the end; killed");
    TerminateProcess(process_.hProcess, 99);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

HWND Run::WaitForWindow(bool dialog, int timeoutMs) {
  if (!Started()) return nullptr;
  for (int waited = 0; waited <= timeoutMs; waited += 10) {
    HWND window = FindWindowOfProcess(process_.dwProcessId, dialog);
    if (window != nullptr) return window;
    if (WaitForSingleObject(process_.hProcess, 10) == WAIT_OBJECT_0) {
      return FindWindowOfProcess(process_.dwProcessId, dialog);
    }
  }
  return nullptr;
}

HWND Run::WaitForFirstWindow(bool* isDialog, int timeoutMs) {
  if (!Started()) return nullptr;
  for (int waited = 0; waited <= timeoutMs; waited += 10) {
    bool exited = WaitForSingleObject(process_.hProcess, 10) == WAIT_OBJECT_0;
    for (bool dialog : {true, false}) {
      HWND window = FindWindowOfProcess(process_.dwProcessId, dialog);
      if (window != nullptr) {
        *isDialog = dialog;
        return window;
      }
    }
    if (exited) break;
  }
  return nullptr;
}

HWND Run::WaitForDialog(int timeoutMs) {
  return WaitForWindow(true, timeoutMs);
}
HWND Run::WaitForMessageBox(int timeoutMs) {
  return WaitForWindow(false, timeoutMs);
}

bool Run::NoWindowFor(int milliseconds) {
  return WaitForWindow(false, milliseconds) == nullptr &&
         FindWindowOfProcess(process_.dwProcessId, true) == nullptr;
}

MessageBoxSeen Run::ReadAndDismiss(HWND box) {
  MessageBoxSeen seen;
  seen.caption = WindowText(box);
  seen.text = WindowText(GetDlgItem(box, 0xFFFF));
  seen.icon = IconKind(box);
  seen.owner = GetWindow(box, GW_OWNER);
  PostClick(box, IDOK);
  for (int waited = 0; waited < 5000 && IsWindow(box) && IsWindowVisible(box); waited += 10) {
    Sleep(10);
  }
  return seen;
}

MessageBoxSeen Run::ExpectMessageBox() {
  HWND box = WaitForMessageBox();
  if (box == nullptr) {
    RecordFailure(__FILE__, __LINE__, "no message box appeared");
    return {"", "", "none", nullptr};
  }
  return ReadAndDismiss(box);
}

int Run::WaitForExit(int timeoutMs) {
  if (!Started()) return -1;
  if (WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) {
    RecordFailure(__FILE__, __LINE__, "the launcher did not exit in time; killed");
    TerminateProcess(process_.hProcess, 99);
    WaitForSingleObject(process_.hProcess, 5000);
    return -1;
  }
  DWORD code = 0;
  GetExitCodeProcess(process_.hProcess, &code);
  return static_cast<int>(code);
}

bool Run::Exited() const {
  return Started() && WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0;
}

void ResetMarker() {
  for (const char* suffix : {"", ".release", ".done", ".partial"}) {
    DeleteFileA(MarkerPath(suffix).c_str());
  }
  SetEnvironmentVariableA("LANTERPICK_MARKER", MarkerPath().c_str());
}

bool MarkerStarted() {
  return Exists(MarkerPath());
}

// The marker moves its record into place through a handle it closes just after: for a moment the
// record is there but refuses an open that does not share delete access, so a failed open is
// tried again (a run through qemu once read nothing at all).
std::string WaitForMarker(int timeoutMs) {
  for (int waited = 0; waited <= timeoutMs; waited += 20) {
    HANDLE file =
        CreateFileA(MarkerPath().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      char text[2048] = "";
      DWORD read = 0;
      ReadFile(file, text, sizeof text - 1, &read, nullptr);
      CloseHandle(file);
      return std::string(text, read);
    }
    Sleep(20);
  }
  return "";
}

void ReleaseMarker() {
  WriteTextFile(MarkerPath(".release"), "");
  for (int waited = 0; waited < 5000 && !Exists(MarkerPath(".done")); waited += 20) Sleep(20);
}

bool MarkerStillRunning() {
  return MarkerStarted() && !Exists(MarkerPath(".done"));
}
