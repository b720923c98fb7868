// The dialog under Wine: its controls after opening, the row texts, the layout and the behaviour.
#include "resource.h"
#include "stage.h"

E2E_TEST(DialogOpensWithNothingSelectedAndKeepOpenGreyed) {
  Stage stage = Prepare("opening", "Launch.exe", "[Files]\n\"a.txt\" \"About a\"\n");
  Run run(stage.program, Quoted(stage.program), stage.folder);
  HWND dialog = DialogOf(run);
  REQUIRE(dialog != nullptr);
  CHECK_EQ(-1, static_cast<int>(SendDlgItemMessageA(dialog, IDC_FILE_LIST, LB_GETCURSEL, 0, 0)));
  ControlState keepOpen = Control(dialog, IDC_KEEP_OPEN);
  CHECK(!keepOpen.enabled);
  CHECK_EQ(0, keepOpen.checked);
  CHECK(Control(dialog, IDC_DESCRIPTION).visible);
  CHECK_EQ("", Control(dialog, IDC_DESCRIPTION).text);
  PostClick(dialog, IDCANCEL);
  Finish(stage, run);
}
