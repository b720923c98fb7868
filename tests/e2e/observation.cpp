// What one run of the launcher showed, read from outside, and kept for the folder checker.
#include "observation.h"

#include "resource.h"

namespace {

// One value a line: backslashes, carriage returns and line feeds written as escapes.
std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else {
      out += c;
    }
  }
  return out;
}

Observation DialogSeen(HWND dialog) {
  Observation seen;
  seen.dialog = true;
  seen.caption = WindowText(dialog);
  seen.rows = ListRows(dialog);
  seen.width = MeasuredRowWidth(dialog);
  return seen;
}

}  // namespace

Observation Observe(const Stage& stage, Run& run) {
  Observation seen;
  HWND window = run.WaitForFirstWindow(&seen.dialog);
  if (window == nullptr) {
    RecordFailure(__FILE__, __LINE__, "neither the dialog nor a message box appeared");
    Finish(stage, run);
    return seen;
  }
  if (seen.dialog) {
    seen = DialogSeen(window);
    CancelAndFinish(stage, run, window);
  } else {
    MessageBoxSeen box = run.ReadAndDismiss(window);
    seen.caption = box.caption;
    seen.text = box.text;
    CHECK(run.NoWindowFor(300));
    Finish(stage, run);
  }
  return seen;
}

void KeepObservation(const std::string& name, const Stage& stage, const std::string& programName,
                     const Observation& seen) {
  const std::string folder = WorkFolder + "\\observations";
  CreateDirectoryA(folder.c_str(), nullptr);
  std::string record = std::string(seen.dialog ? "dialog" : "box") + "\n" + Escaped(stage.folder) +
                       "\n" + Escaped(programName) + "\n" + std::to_string(seen.width) + "\n" +
                       Escaped(seen.caption) + "\n";
  if (seen.dialog) {
    for (const std::string& row : seen.rows) record += Escaped(row) + "\n";
  } else {
    record += Escaped(seen.text) + "\n";
  }
  WriteTextFile(folder + "\\" + name + ".txt", record);
}

namespace {

std::string LastComponent(const std::string& path) {
  return path.substr(path.rfind('\\') + 1);
}

}  // namespace

void KeepDialog(const Stage& stage, HWND dialog) {
  KeepObservation(LastComponent(stage.folder), stage, LastComponent(stage.program),
                  DialogSeen(dialog));
}

void KeepBox(const Stage& stage, const MessageBoxSeen& box) {
  Observation seen;
  seen.caption = box.caption;
  seen.text = box.text;
  KeepObservation(LastComponent(stage.folder), stage, LastComponent(stage.program), seen);
}
