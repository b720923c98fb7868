// Row texts under Wine: what each list row reads for the width the list really has.
#include <algorithm>

#include "dialog/item_text.h"
#include "resource.h"
#include "observation.h"
#include "stage.h"

namespace {

// Paths of every shape, several of them around the list's width in length.
std::vector<std::string> SamplePaths() {
  std::vector<std::string> paths = {
      "D:\\Program Files\\Harbour Survey\\Data Sets\\2026\\June\\tide-tables.csv",
      "\\\\server\\public\\surveys\\2026\\harbour\\report.doc",
      "Installers\\x\\y",
      "D:\\\\a-file-name-that-is-much-longer-than-the-list-is-wide.txt",
      "D:\\Shortcuts\\Chart Viewer.lnk",
      "D:\\Shortcuts\\A Shortcut Whose Name Is Longer Than The List Is Wide.LNK",
      "D:/forward/slashes/are/no/separators/in/a/path/like/this.txt",
      "plain-name.txt",
      "D:\\Data\\",
  };
  for (int extra = 0; extra < 12; ++extra) {  // lengths from 40 to 62 in steps of 2
    paths.push_back("D:\\Surveys\\" + std::string(22 + 2 * extra, 'n') + "\\notes.txt");
  }
  return paths;
}

void CheckRows(const char* test, const char* showFilepath, int fullPath) {
  std::vector<std::string> paths = SamplePaths();
  std::string ini = std::string("[SystemSettings]\nShowFilepath=") + showFilepath + "\n[Files]\n";
  for (const std::string& path : paths) ini += "\"" + path + "\"\n";
  Stage stage = Prepare(test, "Launch.exe", ini.c_str());
  Run run = StartLauncher(stage);
  HWND dialog = DialogOf(run);
  REQUIRE(dialog != nullptr);
  KeepDialog(stage, dialog);
  const int width = MeasuredRowWidth(dialog);
  CHECK(width > 20);
  CHECK_EQ(RowTexts(paths, width, fullPath), ListRows(dialog));
  CancelAndFinish(stage, run, dialog);
}

}  // namespace

E2E_TEST(WholePathRowsAreShortenedToTheListWidth) {
  CheckRows("whole-paths", "Y", 1);
}

E2E_TEST(NameRowsAreCutToTheListWidth) {
  CheckRows("names", "n", 0);
}

E2E_TEST(FolderModeRowsAreNamesCutToTheWiderList) {
  Stage stage = Prepare("folder-rows");
  std::vector<std::string> names;
  for (int length = 40; length <= 60; length += 4) {
    names.push_back(std::string(length - 4, 'a' + length % 26) + ".txt");
    AddFile(stage, names.back());
  }
  std::sort(names.begin(), names.end());  // one case only, so byte order is the folded order
  Freeze(stage);
  Run run = StartLauncher(stage);
  HWND dialog = DialogOf(run);
  REQUIRE(dialog != nullptr);
  KeepDialog(stage, dialog);
  CHECK_EQ(RowTexts(names, MeasuredRowWidth(dialog), 1), ListRows(dialog));
  CancelAndFinish(stage, run, dialog);
}
