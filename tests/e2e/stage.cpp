// A prepared folder with the launcher in it, and the checks every run ends with.
#include "stage.h"

#include "observation.h"

const char kNoFilesListed[] =
    "There are no files listed in the [Files] section of the configuration file.";

Stage Prepare(const std::string& test, const std::string& programName, const char* ini) {
  Stage stage;
  stage.folder = NewFolder(test);
  stage.program = stage.folder + "\\" + programName;
  CopyProgram(stage.program);
  if (ini != nullptr) {
    std::string iniName = programName.substr(0, programName.rfind('.')) + ".ini";
    WriteTextFile(stage.folder + "\\" + iniName, ini);
  }
  ResetMarker();
  Freeze(stage);
  return stage;
}

void AddFile(const Stage& stage, const std::string& name, const std::string& text) {
  WriteTextFile(stage.folder + "\\" + name, text);
}

void Freeze(Stage& stage) {
  stage.before = Snapshot(stage.folder);
}

void Finish(const Stage& stage, Run& run) {
  CHECK_EQ(0, run.WaitForExit());
  FolderSnapshot after = Snapshot(stage.folder);
  if (!CHECK(stage.before == after)) {
    for (const auto& entry : after) {
      auto old = stage.before.find(entry.first);
      if (old == stage.before.end() || old->second != entry.second) {
        RecordFailure(__FILE__, __LINE__, "changed or new: " + entry.first);
      }
    }
  }
}

Run StartLauncher(const Stage& stage, const std::string& currentFolder) {
  return Run(stage.program, Quoted(stage.program),
             currentFolder.empty() ? stage.folder : currentFolder);
}

void CancelAndFinish(const Stage& stage, Run& run, HWND dialog) {
  PostClick(dialog, IDCANCEL);
  Finish(stage, run);
}

void ExpectOnlyMessage(Stage& stage, const std::string& caption, const std::string& text,
                       const std::string& icon) {
  Run run = StartLauncher(stage);
  MessageBoxSeen box = run.ExpectMessageBox();
  KeepBox(stage, box);
  CHECK_EQ(caption, box.caption);
  CHECK_EQ(text, box.text);
  CHECK_EQ(icon, box.icon);
  CHECK(box.owner == nullptr);
  CHECK(run.NoWindowFor(300));
  Finish(stage, run);
}

HWND DialogOf(Run& run) {
  HWND dialog = run.WaitForDialog();
  if (dialog == nullptr) {
    HWND box = run.WaitForMessageBox(100);
    if (box != nullptr) {
      MessageBoxSeen seen = run.ReadAndDismiss(box);
      RecordFailure(__FILE__, __LINE__,
                    "a message box came instead of the dialog: " + seen.caption + ": " + seen.text);
    } else {
      RecordFailure(__FILE__, __LINE__, "the dialog did not appear");
    }
  }
  return dialog;
}
