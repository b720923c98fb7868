// The dialog's behaviour under Wine, driven as a user would: selection, the keep-open box, OK,
// Cancel, launches seen through the launch marker, and the About box.
#include "resource.h"
#include "stage.h"

namespace {

const char kTexts[] =
    "[SystemSettings]\n"
    "NoEntryErrorTitle=Nothing Picked\n"
    "NoEntryErrorText=Pick a file first.\\nThen press OK.\n"
    "CouldNotFindFileErrorTitle=Missing\n"
    "CouldNotFindFileErrorText=That file is not here.\\nAsk for a new disc.\n"
    "CouldNotLaunchErrorTitle=No Program\n"
    "CouldNotLaunchErrorText=Nothing can open this file.\\nInstall a viewer.\n";

// A folder holding the launcher, its INI with kTexts and the given [Files] lines, and the
// launch marker as tool.exe.
Stage PrepareWithTool(const char* test, const std::string& files) {
  std::string ini = std::string(kTexts) + "[Files]\n" + files;
  Stage stage = Prepare(test, "Launch.exe", ini.c_str());
  CopyMarker(stage.folder + "\\tool.exe");
  Freeze(stage);
  return stage;
}

void ClickKeepOpen(HWND dialog) {
  SendMessageA(GetDlgItem(dialog, IDC_KEEP_OPEN), BM_CLICK, 0, 0);
}

struct KeepOpenBox {
  bool enabled;
  int checked;
};

void CheckKeepOpen(HWND dialog, KeepOpenBox expected, int line) {
  ControlState box = Control(dialog, IDC_KEEP_OPEN);
  if (box.enabled != expected.enabled || box.checked != expected.checked) {
    RecordFailure(__FILE__, line,
                  "keep-open box: enabled " + std::to_string(box.enabled) + " checked " +
                      std::to_string(box.checked) + ", expected " +
                      std::to_string(expected.enabled) + " " + std::to_string(expected.checked));
  }
}
#define CHECK_KEEP_OPEN(dialog, enabled, checked) \
  CheckKeepOpen(dialog, {enabled, checked}, __LINE__)

// Presses OK and expects a warning owned by the dialog, which stays open.
void ExpectWarningOnOk(Run& run, HWND dialog, const std::string& caption, const std::string& text) {
  PostClick(dialog, IDOK);
  MessageBoxSeen box = run.ExpectMessageBox();
  CHECK_EQ(caption, box.caption);
  CHECK_EQ(text, box.text);
  CHECK_EQ("warning", box.icon);
  CHECK(box.owner == dialog);
  CHECK(IsWindowVisible(dialog));
  CHECK(!run.Exited());
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The launch marker's record: its own path, its command line, its current folder.
struct Launch {
  std::string program, commandLine, folder;
};

Launch ExpectLaunch() {
  std::vector<std::string> lines = Lines(WaitForMarker(10000));
  if (lines.size() < 3) {
    RecordFailure(__FILE__, __LINE__, "nothing was launched");
    return {};
  }
  return {lines[0], lines[1], lines[2]};
}

bool SamePath(const std::string& a, const std::string& b) {
  return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

// Opens the dialog (in currentFolder, the launcher's own by default), lets before act on it,
// selects row and presses OK: the dialog closes, the launcher ends with 0 leaving its folder as
// it was, and the row is launched. The launched marker is left running.
Launch OkLaunchesAfterClosing(Stage& stage, int row, const std::string& currentFolder = "",
                              void (*before)(HWND) = nullptr) {
  Run run = StartLauncher(stage, currentFolder);
  HWND dialog = DialogOf(run);
  if (dialog == nullptr) return {};
  if (before != nullptr) before(dialog);
  SelectRow(dialog, row);
  PostClick(dialog, IDOK);
  Launch launch = ExpectLaunch();
  Finish(stage, run);
  return launch;
}

}  // namespace

E2E_TEST(DialogOpensWithNothingSelectedAndKeepOpenGreyed) {
  Stage stage = Prepare("opening", "Launch.exe", "[Files]\n\"a.txt\" \"About a\"\n");
  Run run = StartLauncher(stage);
  HWND dialog = DialogOf(run);
  REQUIRE(dialog != nullptr);
  CHECK_EQ(-1, static_cast<int>(SendDlgItemMessageA(dialog, IDC_FILE_LIST, LB_GETCURSEL, 0, 0)));
  ControlState keepOpen = Control(dialog, IDC_KEEP_OPEN);
  CHECK(!keepOpen.enabled);
  CHECK_EQ(0, keepOpen.checked);
  CHECK(Control(dialog, IDC_DESCRIPTION).visible);
  CHECK_EQ("", Control(dialog, IDC_DESCRIPTION).text);
  CancelAndFinish(stage, run, dialog);
}

E2E_TEST(SelectionFollowsTheKeepOpenTable) {
  Stage stage = PrepareWithTool("keep-open-table",
                                "\"a.txt\" \"First\\nof three\"\n"
                                "\"b.txt\" \"Second\" \"CheckboxDisabled\"\n"
                                "\"c.txt\" \"Third\" \"CheckboxEnabled\"\n");
  Run run = StartLauncher(stage);
  HWND dialog = DialogOf(run);
  REQUIRE(dialog != nullptr);
  CHECK_KEEP_OPEN(dialog, false, 0);  // opens greyed and clear
  SelectRow(dialog, 0);
  CHECK_EQ("First\r\nof three", Control(dialog, IDC_DESCRIPTION).text);
  CHECK_KEEP_OPEN(dialog, true, 0);
  ClickKeepOpen(dialog);
  CHECK_KEEP_OPEN(dialog, true, 1);
  SelectRow(dialog, 1);  // a row that forbids it: greyed and clear, the choice kept
  CHECK_EQ("Second", Control(dialog, IDC_DESCRIPTION).text);
  CHECK_KEEP_OPEN(dialog, false, 0);
  SelectRow(dialog, 2);  // the choice comes back on an allowing row
  CHECK_KEEP_OPEN(dialog, true, 1);
  ClickKeepOpen(dialog);
  CHECK_KEEP_OPEN(dialog, true, 0);
  SelectRow(dialog, 0);
  CHECK_KEEP_OPEN(dialog, true, 0);
  SelectRow(dialog, -1);  // no selection: nothing changes
  CHECK_EQ("First\r\nof three", Control(dialog, IDC_DESCRIPTION).text);
  CHECK_KEEP_OPEN(dialog, true, 0);
  CancelAndFinish(stage, run, dialog);
  CHECK(!MarkerStarted());
}

E2E_TEST(OkWithoutSelectionWarnsWithTheConfiguredText) {
  Stage stage = PrepareWithTool("no-selection", "\"tool.exe\"\n");
  Run run = StartLauncher(stage);
  HWND dialog = DialogOf(run);
  REQUIRE(dialog != nullptr);
  ExpectWarningOnOk(run, dialog, "Nothing Picked", "Pick a file first.\r\nThen press OK.");
  CancelAndFinish(stage, run, dialog);
  CHECK(!MarkerStarted());
}

E2E_TEST(OkOnMissingFileFolderOrLockedFileWarns) {
  Stage stage = PrepareWithTool("not-found", "\"gone.txt\"\n\"Docs\"\n\"busy.txt\"\n");
  MakeFolder(stage.folder + "\\Docs");
  AddFile(stage, "busy.txt");
  Freeze(stage);
  HANDLE lock = CreateFileA((stage.folder + "\\busy.txt").c_str(), GENERIC_WRITE, 0, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  Run run = StartLauncher(stage);
  HWND dialog = DialogOf(run);
  if (dialog != nullptr) {
    for (int row = 0; row < 3; ++row) {
      SelectRow(dialog, row);
      ExpectWarningOnOk(run, dialog, "Missing", "That file is not here.\r\nAsk for a new disc.");
    }
    PostClick(dialog, IDCANCEL);
  }
  Finish(stage, run);
  CloseHandle(lock);
  CHECK(!MarkerStarted());
}

E2E_TEST(OkClosesTheDialogThenLaunchesWithoutWaiting) {
  Stage stage = PrepareWithTool("launch-after", "\"a.txt\"\n\"tool.exe\" \"The tool\"\n");
  Launch launch = OkLaunchesAfterClosing(stage, 1);
  CHECK(SamePath(stage.folder + "\\tool.exe", launch.program));
  CHECK(SamePath(stage.folder, launch.folder));
  CHECK(MarkerStillRunning());  // the launcher ended while the launched program ran on
  ReleaseMarker();
}

E2E_TEST(DocumentOpensWithItsAssociatedProgram) {
  Stage stage = PrepareWithTool("document", "\"Docs\\chart.lpkdoc\"\n");
  MakeFolder(stage.folder + "\\Docs");
  AddFile(stage, "Docs\\chart.lpkdoc", "chart");
  Freeze(stage);
  Launch launch = OkLaunchesAfterClosing(stage, 0);
  CHECK(launch.commandLine.find("chart.lpkdoc") != std::string::npos);
  CHECK(SamePath(MarkerProgram, launch.program));
  ReleaseMarker();
}

E2E_TEST(KeepOpenLaunchesAtOnceAndTheDialogStays) {
  Stage stage =
      PrepareWithTool("keep-open-launch", "\"tool.exe\" \"The tool\" \"CheckboxEnabled\"\n");
  Run run = StartLauncher(stage);
  HWND dialog = DialogOf(run);
  REQUIRE(dialog != nullptr);
  SelectRow(dialog, 0);
  ClickKeepOpen(dialog);
  PostClick(dialog, IDOK);
  Launch launch = ExpectLaunch();
  CHECK(SamePath(stage.folder + "\\tool.exe", launch.program));
  CHECK(MarkerStillRunning());  // not waited for: the dialog answers meanwhile
  CHECK(IsWindowVisible(dialog));
  CHECK(!run.Exited());
  CHECK_EQ(0, static_cast<int>(SendDlgItemMessageA(dialog, IDC_FILE_LIST, LB_GETCURSEL, 0, 0)));
  CHECK_KEEP_OPEN(dialog, true, 1);
  ReleaseMarker();
  ResetMarker();
  PostClick(dialog, IDOK);  // and again, for the next launch
  ExpectLaunch();
  ReleaseMarker();
  CancelAndFinish(stage, run, dialog);
}

E2E_TEST(KeepOpenOnAForbiddingRowClosesThenLaunches) {
  Stage stage =
      PrepareWithTool("keep-open-forbidden", "\"a.txt\"\n\"tool.exe\" \"\" \"CheckboxDisabled\"\n");
  Launch launch = OkLaunchesAfterClosing(stage, 1, "", [](HWND dialog) {
    SelectRow(dialog, 0);  // keep-open ticked on an allowing row first
    ClickKeepOpen(dialog);
  });
  CHECK(SamePath(stage.folder + "\\tool.exe", launch.program));
  ReleaseMarker();
}

E2E_TEST(LaunchFailureAfterTheDialogWarnsWithoutOwner) {
  Stage stage = PrepareWithTool("cannot-launch", "\"data.zzq\"\n");
  AddFile(stage, "data.zzq");
  Freeze(stage);
  Run run = StartLauncher(stage);
  HWND dialog = DialogOf(run);
  REQUIRE(dialog != nullptr);
  SelectRow(dialog, 0);
  PostClick(dialog, IDOK);
  MessageBoxSeen box = run.ExpectMessageBox();
  CHECK_EQ("No Program", box.caption);
  CHECK_EQ("Nothing can open this file.\r\nInstall a viewer.", box.text);
  CHECK_EQ("warning", box.icon);
  CHECK(box.owner == nullptr);
  CHECK(!IsWindow(dialog) || !IsWindowVisible(dialog));
  Finish(stage, run);
}

E2E_TEST(LaunchFailureWithKeepOpenWarnsInTheDialog) {
  Stage stage = PrepareWithTool("cannot-launch-kept", "\"data.zzq\"\n");
  AddFile(stage, "data.zzq");
  Freeze(stage);
  Run run = StartLauncher(stage);
  HWND dialog = DialogOf(run);
  REQUIRE(dialog != nullptr);
  SelectRow(dialog, 0);
  ClickKeepOpen(dialog);
  ExpectWarningOnOk(run, dialog, "No Program", "Nothing can open this file.\r\nInstall a viewer.");
  CancelAndFinish(stage, run, dialog);
}

E2E_TEST(CancelEscapeAndCloseBoxLaunchNothing) {
  for (int way = 0; way < 3; ++way) {
    FailureContext = way == 0 ? "Cancel" : way == 1 ? "Escape" : "close box";
    Stage stage = PrepareWithTool("cancel", "\"tool.exe\"\n");
    Run run = StartLauncher(stage);
    HWND dialog = DialogOf(run);
    REQUIRE(dialog != nullptr);
    SelectRow(dialog, 0);
    if (way == 0) PostClick(dialog, IDCANCEL);
    if (way == 1) PostMessageA(GetDlgItem(dialog, IDC_FILE_LIST), WM_KEYDOWN, VK_ESCAPE, 0);
    if (way == 2) PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    Finish(stage, run);
    CHECK(run.NoWindowFor(0));
    Sleep(300);
    CHECK(!MarkerStarted());
  }
}

E2E_TEST(DoubleClickDoesNotLaunch) {
  Stage stage = PrepareWithTool("double-click", "\"tool.exe\"\n");
  Run run = StartLauncher(stage);
  HWND dialog = DialogOf(run);
  REQUIRE(dialog != nullptr);
  SelectRow(dialog, 0);
  HWND list = GetDlgItem(dialog, IDC_FILE_LIST);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_FILE_LIST, LBN_DBLCLK),
               reinterpret_cast<LPARAM>(list));
  Sleep(300);
  CHECK(!MarkerStarted());
  CHECK(IsWindowVisible(dialog));
  CancelAndFinish(stage, run, dialog);
}

E2E_TEST(AboutBoxOnlyWhenCancelledWithF7Held) {
  for (bool f7 : {true, false}) {
    FailureContext = f7 ? "F7 held" : "no F7";
    Stage stage = PrepareWithTool("about", "\"tool.exe\"\n");
    Run run = StartLauncher(stage);
    HWND dialog = DialogOf(run);
    REQUIRE(dialog != nullptr);
    INPUT key = {};
    key.type = INPUT_KEYBOARD;
    key.ki.wVk = VK_F7;
    if (f7) {
      SetForegroundWindow(dialog);
      SendInput(1, &key, sizeof key);
      // The launcher takes a posted click before pending keyboard input: give it time to take
      // the key first, generously, since a loaded machine or qemu is slow to (200 ms was not).
      Sleep(1000);
    }
    PostClick(dialog, IDCANCEL);
    if (f7) {
      MessageBoxSeen about = run.ExpectMessageBox();
      key.ki.dwFlags = KEYEVENTF_KEYUP;
      SendInput(1, &key, sizeof key);
      CHECK_EQ("Quorvel Lanterpick", about.caption);
      CHECK_EQ(0u, about.text.find("Quorvel Lanterpick, version 1.0\n\n"));
      CHECK(about.text.size() > 40);
      CHECK_EQ("information", about.icon);
      CHECK(about.owner == nullptr);
    } else {
      CHECK(run.NoWindowFor(500));
    }
    Finish(stage, run);
    CHECK(!MarkerStarted());
  }
}

E2E_TEST(FolderModeFromAnotherCurrentFolderOpensTheListedFile) {
  Stage stage = Prepare("folder-elsewhere");
  CopyMarker(stage.folder + "\\tool.exe");
  Freeze(stage);
  std::string elsewhere = NewFolder("current-folder");
  Launch launch = OkLaunchesAfterClosing(stage, 0, elsewhere, [](HWND dialog) {
    CHECK_EQ(std::vector<std::string>{"tool.exe"}, ListRows(dialog));
  });
  CHECK(SamePath(stage.folder + "\\tool.exe", launch.program));
  ReleaseMarker();
  CHECK(Snapshot(elsewhere).empty());
}

// The folder listed is the configuration path's, cut at the first ".exe": not the folder of the
// program path's last backslash when an argument holds a backslash or a folder's name ".exe".
// Started from a folder holding a decoy of the same name, OK opens the listed file, under the
// folder's own case as the command line gave it.
E2E_TEST(FolderModeOpensFromTheFolderListed) {
  struct Case {
    const char* test;
    const char* program;    // below "Disc Root", the folder listed
    const char* arguments;  // after the program on the command line
    bool quoted;
    std::vector<std::string> rows;
  };
  const Case cases[] = {
      {"listed-quoted", "Setup.exe", "", true, {"chart.lpkdoc"}},
      // The own name is then "t.txt": the program lists itself.
      {"listed-unquoted-arguments",
       "Start.exe",
       " /log=C:\\t.txt",
       false,
       {"chart.lpkdoc", "Start.exe"}},
      {"listed-exe-in-a-folder-name", "Kit.exe.d\\run.exe", "", false, {"chart.lpkdoc"}}};
  for (const Case& c : cases) {
    FailureContext = c.test;
    Stage stage;
    stage.folder = NewFolder(c.test);
    const std::string listed = stage.folder + "\\Disc Root", decoys = stage.folder + "\\Elsewhere";
    MakeFolder(listed);
    MakeFolder(listed + "\\Kit.exe.d");
    MakeFolder(decoys);
    stage.program = listed + "\\" + c.program;
    CopyProgram(stage.program);
    WriteTextFile(listed + "\\chart.lpkdoc", "listed");
    WriteTextFile(listed + "\\Kit.exe.d\\chart.lpkdoc", "beside the program");
    WriteTextFile(decoys + "\\chart.lpkdoc", "in the current folder");
    ResetMarker();
    Freeze(stage);
    Run run(stage.program, (c.quoted ? Quoted(stage.program) : stage.program) + c.arguments,
            decoys);
    HWND dialog = DialogOf(run);
    if (dialog == nullptr) continue;
    CHECK_EQ(c.rows, ListRows(dialog));
    SelectRow(dialog, 0);
    PostClick(dialog, IDOK);
    Launch launch = ExpectLaunch();
    CHECK(run.NoWindowFor(300));
    Finish(stage, run);
    CHECK(launch.commandLine.find(listed + "\\chart.lpkdoc") != std::string::npos);
    ReleaseMarker();
  }
}

E2E_TEST(ConfigurationRowsResolveAgainstTheCurrentFolder) {
  // The same document beside the launcher and, later, in the current folder: only the one in
  // the current folder counts, for the existence probe and for the launch.
  Stage stage = PrepareWithTool("relative-rows", "\"chart.lpkdoc\"\n");
  AddFile(stage, "chart.lpkdoc");
  Freeze(stage);
  std::string elsewhere = NewFolder("current-folder");
  {
    Run run = StartLauncher(stage, elsewhere);
    HWND dialog = DialogOf(run);
    REQUIRE(dialog != nullptr);
    SelectRow(dialog, 0);
    ExpectWarningOnOk(run, dialog, "Missing", "That file is not here.\r\nAsk for a new disc.");
    CancelAndFinish(stage, run, dialog);
  }
  WriteTextFile(elsewhere + "\\chart.lpkdoc", "elsewhere");
  Launch launch = OkLaunchesAfterClosing(stage, 0, elsewhere);
  CHECK_EQ(elsewhere, launch.folder);
  CHECK(launch.commandLine.find(elsewhere + "\\chart.lpkdoc") != std::string::npos);
  ReleaseMarker();
}
