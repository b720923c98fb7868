// The dialog's layout under Wine, against the places the dialog manager gives the template.
#include "resource.h"
#include "observation.h"
#include "stage.h"

namespace {

const int kIds[] = {IDC_FILES_LABEL, IDC_FILE_LIST, IDC_DESCRIPTION_LABEL,
                    IDC_DESCRIPTION, IDC_KEEP_OPEN, IDOK,
                    IDCANCEL};

INT_PTR CALLBACK Quiet(HWND, UINT, WPARAM, LPARAM) {
  return 0;
}

// The controls' rectangles as the dialog manager places them from the exe's own template,
// before the launcher changes anything: made in this process from the same resource.
std::map<int, RECT> TemplatePlaces() {
  std::map<int, RECT> places;
  HMODULE module = LoadLibraryExA(ProgramUnderTest.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(IDD_LAUNCHER), MAKEINTRESOURCEA(5));
  auto* dialogTemplate = static_cast<DLGTEMPLATE*>(LockResource(LoadResource(module, found)));
  HWND dialog =
      CreateDialogIndirectParamA(GetModuleHandleA(nullptr), dialogTemplate, nullptr, Quiet, 0);
  if (dialog != nullptr) {
    for (int id : kIds) places[id] = Control(dialog, id).rect;
    RECT client;
    GetClientRect(dialog, &client);
    places[0] = client;
    DestroyWindow(dialog);
  }
  FreeLibrary(module);
  return places;
}

std::string Describe(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "-" + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

#define CHECK_RECT(expected, actual) CHECK_EQ(Describe(expected), Describe(actual))

struct Buttons {
  RECT ok, cancel;
  int okAverage, cancelAverage, clientWidth;
};

// Opens the launcher with the given button sizes and reads its buttons.
bool ReadButtons(const char* test, const std::string& sizes, Buttons* out) {
  std::string ini = "[SystemSettings]\n" + sizes + "\n[Files]\n\"a.txt\"\n";
  Stage stage = Prepare(test, "Launch.exe", ini.c_str());
  Run run = StartLauncher(stage);
  HWND dialog = DialogOf(run);
  if (dialog == nullptr) return false;
  out->ok = Control(dialog, IDOK).rect;
  out->cancel = Control(dialog, IDCANCEL).rect;
  out->okAverage = AverageCharWidthOf(GetDlgItem(dialog, IDOK));
  out->cancelAverage = AverageCharWidthOf(GetDlgItem(dialog, IDCANCEL));
  out->clientWidth = ClientWidth(dialog);
  CancelAndFinish(stage, run, dialog);
  return true;
}

// Widths from the sizes, both outer margins equal, the odd pixel between the buttons.
void CheckCentred(const Buttons& b, const std::map<int, RECT>& places, int okSize, int cancelSize) {
  const RECT& templateOk = places.at(IDOK);
  const RECT& templateCancel = places.at(IDCANCEL);
  const int gap = templateCancel.left - templateOk.right;
  const int okWidth = okSize ? okSize * (b.okAverage / 2) : templateOk.right - templateOk.left;
  const int cancelWidth =
      cancelSize ? cancelSize * (b.cancelAverage / 2) : templateCancel.right - templateCancel.left;
  CHECK_EQ(okWidth, b.ok.right - b.ok.left);
  CHECK_EQ(cancelWidth, b.cancel.right - b.cancel.left);
  const int leftMargin = b.ok.left, rightMargin = b.clientWidth - b.cancel.right;
  CHECK_EQ(leftMargin, rightMargin);
  const int leftover = b.clientWidth - okWidth - cancelWidth - gap;
  CHECK_EQ(gap + leftover % 2, b.cancel.left - b.ok.right);
  CHECK_EQ(templateOk.top, b.ok.top);
  CHECK_EQ(templateOk.bottom, b.ok.bottom);
  CHECK_EQ(templateCancel.top, b.cancel.top);
}

}  // namespace

E2E_TEST(ConfigurationModeKeepsEveryControlAtItsTemplatePlace) {
  std::map<int, RECT> places = TemplatePlaces();
  REQUIRE(places.size() == 8);
  Stage stage = Prepare("template-places", "Launch.exe",
                        "[SystemSettings]\nOkButtonSize=0\nCancelButtonSize=0\n[Files]\n\"a\"\n");
  Run run = StartLauncher(stage);
  HWND dialog = DialogOf(run);
  REQUIRE(dialog != nullptr);
  KeepDialog(stage, dialog);
  for (int id : kIds) {
    ControlState control = Control(dialog, id);
    CHECK_RECT(places[id], control.rect);
    CHECK(control.visible);
  }
  CHECK_EQ(places[0].right, ClientWidth(dialog));
  CancelAndFinish(stage, run, dialog);
}

E2E_TEST(FolderModeFoldsTheDescriptionAreaIntoTheList) {
  std::map<int, RECT> places = TemplatePlaces();
  REQUIRE(places.size() == 8);
  Stage stage = Prepare("collapse");
  AddFile(stage, "a.txt");
  Freeze(stage);
  Run run = StartLauncher(stage);
  HWND dialog = DialogOf(run);
  REQUIRE(dialog != nullptr);
  KeepDialog(stage, dialog);
  CHECK(!Control(dialog, IDC_DESCRIPTION).visible);
  CHECK(!Control(dialog, IDC_DESCRIPTION_LABEL).visible);
  RECT expectedList = places[IDC_FILE_LIST];
  expectedList.bottom = places[IDC_DESCRIPTION].bottom;
  CHECK_RECT(expectedList, Control(dialog, IDC_FILE_LIST).rect);
  CHECK_RECT(places[IDC_KEEP_OPEN], Control(dialog, IDC_KEEP_OPEN).rect);
  CHECK_RECT(places[IDC_FILES_LABEL], Control(dialog, IDC_FILES_LABEL).rect);
  CancelAndFinish(stage, run, dialog);
}

E2E_TEST(ButtonsAreSizedAndCentred) {
  std::map<int, RECT> places = TemplatePlaces();
  REQUIRE(places.size() == 8);
  struct {
    const char* settings;
    int okSize, cancelSize;
  } cases[] = {
      {"", 24, 24},                                      // the defaults
      {"OkButtonSize=0\nCancelButtonSize=40", 0, 40},    // OK keeps its template width
      {"OkButtonSize=25\nCancelButtonSize=22", 25, 22},  // an odd leftover
      {"OkButtonSize=44\nCancelButtonSize=44", 44, 44},  // the largest sum
  };
  for (const auto& c : cases) {
    FailureContext =
        std::string("sizes ") + std::to_string(c.okSize) + "/" + std::to_string(c.cancelSize);
    Buttons b;
    REQUIRE(ReadButtons("buttons", c.settings, &b));
    CheckCentred(b, places, c.okSize, c.cancelSize);
  }
}

E2E_TEST(BothSizesZeroLeaveTheTemplatePlaces) {
  std::map<int, RECT> places = TemplatePlaces();
  REQUIRE(places.size() == 8);
  Buttons b;
  REQUIRE(ReadButtons("buttons-zero", "OkButtonSize=0\nCancelButtonSize=0", &b));
  CHECK_RECT(places[IDOK], b.ok);
  CHECK_RECT(places[IDCANCEL], b.cancel);
}
