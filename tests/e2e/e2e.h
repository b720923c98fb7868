// The end-to-end driver: runs lanterpick.exe in prepared folders and looks at it from outside,
// as a user would, through the windows it shows.
#pragma once

#include <windows.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

// ---- Tests and checks -------------------------------------------------------------------------

typedef void (*TestFunction)();
struct Registration {
  Registration(const char* name, TestFunction function);
};

#define E2E_TEST(name)                                  \
  static void name();                                   \
  static Registration registration_##name(#name, name); \
  static void name()

void RecordFailure(const char* file, int line, const std::string& what);

// Named in every failure while set: the case of a table-driven test being checked.
extern std::string FailureContext;

inline std::ostream& operator<<(std::ostream& out, const std::vector<std::string>& rows) {
  for (size_t i = 0; i < rows.size(); ++i) out << (i ? "|" : "") << rows[i];
  return out;
}

template <typename A, typename B>
bool CheckEqual(const A& expected, const B& actual, const char* file, int line, const char* text) {
  if (expected == actual) return true;
  std::ostringstream s;
  s << text << "\n      expected: [" << expected << "]\n      actual:   [" << actual << "]";
  RecordFailure(file, line, s.str());
  return false;
}

#define CHECK(condition) \
  ((condition) ? true : (RecordFailure(__FILE__, __LINE__, #condition), false))
#define CHECK_EQ(expected, actual) CheckEqual((expected), (actual), __FILE__, __LINE__, #actual)
#define REQUIRE(condition)         \
  do {                             \
    if (!CHECK(condition)) return; \
  } while (0)

// Ends a test that cannot be judged here, counted as skipped with its reason, never as passed.
void RecordSkip(const std::string& reason);
#define SKIP_TEST(reason) \
  do {                    \
    RecordSkip(reason);   \
    return;               \
  } while (0)

// ---- Paths given on the command line ----------------------------------------------------------

extern std::string ProgramUnderTest;  // lanterpick.exe, as run here
extern std::string ShippedProgram;    // the 32-bit lanterpick.exe, whose file itself is checked
extern std::string MarkerProgram;     // launch-marker.exe
extern std::string WorkFolder;        // fresh folders are made below it

// ---- Folders ----------------------------------------------------------------------------------

std::string NewFolder(const std::string& name);  // a fresh, empty folder; ends without backslash
void WriteTextFile(const std::string& path, const std::string& text);
void CopyProgram(const std::string& to);  // lanterpick.exe under another path
void CopyMarker(const std::string& to);   // the launch marker under another path
void SetAttributes(const std::string& path, DWORD attributes);
void MakeFolder(const std::string& path);

// Names, sizes, write times and attributes of everything below a folder.
typedef std::map<std::string, std::string> FolderSnapshot;
FolderSnapshot Snapshot(const std::string& folder);

// ---- Launch observation -------------------------------------------------------------------------

// The marker's record of its start, or "" when it has not started within the timeout.
std::string WaitForMarker(int timeoutMs);
bool MarkerStarted();
void ResetMarker();
void ReleaseMarker();  // lets a waiting marker exit
bool MarkerStillRunning();

// ---- Windows of another process --------------------------------------------------------------

struct MessageBoxSeen {
  std::string caption, text, icon;  // icon: "error", "warning", "information" or "none"
  HWND owner;
};

struct ControlState {
  std::string text;
  bool visible, enabled;
  int checked;
  RECT rect;  // in the dialog's client coordinates
};

std::string WindowText(HWND window);
bool IsMessageBoxWindow(HWND window);
std::string IconKind(HWND messageBox);
ControlState Control(HWND dialog, int id);
std::vector<std::string> ListRows(HWND dialog);
int ClientWidth(HWND window);
int AverageCharWidthOf(HWND window);  // a fresh DC of the window, as the launcher measures
int MeasuredRowWidth(HWND dialog);
// The texts the launcher's rows must read for these paths at that width.
std::vector<std::string> RowTexts(
    const std::vector<std::string>& paths, int width,
    int fullPath);  // the characters a list row may hold, as the launcher saw
void PostClick(HWND dialog, int id);
void SelectRow(HWND dialog, int row);  // as a click on the row: selection and notification

// ---- One run of the launcher ------------------------------------------------------------------

class Run {
 public:
  // Starts application (a path) with commandLine exactly as given, in currentFolder.
  Run(const std::string& application, const std::string& commandLine,
      const std::string& currentFolder);
  ~Run();
  Run(const Run&) = delete;  // one owner of the process handles
  Run& operator=(const Run&) = delete;
  bool Started() const { return process_.hProcess != nullptr; }
  HANDLE Process() const { return process_.hProcess; }
  DWORD ProcessId() const { return process_.dwProcessId; }

  HWND WaitForDialog(int timeoutMs = 10000);
  // The launcher's dialog or a message box, whichever shows first.
  HWND WaitForFirstWindow(bool* isDialog, int timeoutMs = 10000);
  HWND WaitForMessageBox(int timeoutMs = 10000);
  // Reads the message box, presses its OK and waits for it to go.
  MessageBoxSeen ReadAndDismiss(HWND box);
  // Waits for the next message box, reads it and dismisses it.
  MessageBoxSeen ExpectMessageBox();
  // The process's exit code, or -1 after killing it at the timeout.
  int WaitForExit(int timeoutMs = 10000);
  bool Exited() const;
  bool NoWindowFor(int milliseconds);  // true when no window of the process shows meanwhile

 private:
  HWND WaitForWindow(bool dialog, int timeoutMs);
  PROCESS_INFORMATION process_ = {};
};

// The visible dialog (not a message box) of a process, or null.
HWND DialogOfProcess(DWORD processId);

// The path in double quotes, as a command line names a program.
std::string Quoted(const std::string& path);
