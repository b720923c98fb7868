// Start-up under Wine: the program path, the mode choice, the settings and their messages.
#include "resource.h"
#include "observation.h"
#include "stage.h"

namespace {

const char kConfigurationError[] = "Configuration Error";
const char kFilesSection[] = "[Files]\n\"readme.txt\"\n";

std::string WithFiles(const std::string& settings) {
  return "[SystemSettings]\n" + settings + "\n" + kFilesSection;
}

void ExpectConfigurationError(const char* test, const std::string& settings,
                              const std::string& message) {
  std::string ini = WithFiles(settings);
  Stage stage = Prepare(test, "Launch.exe", ini.c_str());
  ExpectOnlyMessage(stage, kConfigurationError, message);
}

struct DialogTexts {
  const char* caption;
  const char* filesLabel;
  const char* descriptionLabel;
  const char* keepOpen;
  const char* ok;
  const char* cancel;
};

void CheckDialogTexts(const char* test, const char* ini, const DialogTexts& expected) {
  Stage stage = Prepare(test, "Launch.exe", ini);
  Run run = StartLauncher(stage);
  HWND dialog = DialogOf(run);
  REQUIRE(dialog != nullptr);
  KeepDialog(stage, dialog);
  CHECK_EQ(expected.caption, WindowText(dialog));
  CHECK_EQ(expected.filesLabel, Control(dialog, IDC_FILES_LABEL).text);
  CHECK_EQ(expected.descriptionLabel, Control(dialog, IDC_DESCRIPTION_LABEL).text);
  CHECK_EQ(expected.keepOpen, Control(dialog, IDC_KEEP_OPEN).text);
  CHECK_EQ(expected.ok, Control(dialog, IDOK).text);
  CHECK_EQ(expected.cancel, Control(dialog, IDCANCEL).text);
  CancelAndFinish(stage, run, dialog);
}

}  // namespace

E2E_TEST(ProgramWithoutExeInItsPathRefusesToStart) {
  Stage stage = Prepare("no-exe", "launcher.bin");
  Run run(stage.program, "launcher", stage.folder);
  MessageBoxSeen box = run.ExpectMessageBox();
  CHECK_EQ("Unexpected Error", box.caption);
  CHECK_EQ("Expected to be run as an EXE.", box.text);
  CHECK_EQ("error", box.icon);
  Finish(stage, run);
}

E2E_TEST(ConfigurationIsFoundFromEveryFormOfCommandLine) {
  // Each run must read the INI beside the program: its caption shows.
  struct {
    const char* programName;
    std::string (*commandLine)(const std::string& program);
  } cases[] = {
      // unquoted, with 400 characters of arguments: the path is cut, its ".exe" stays
      {"Launch.exe", [](const std::string& p) { return p + " " + std::string(400, 'a'); }},
      // a bare name: the INI that is opened must also be the one read
      {"launch.exe", [](const std::string&) { return std::string("launch.exe"); }},
      // upper case with arguments: the lowered path up to the first ".exe"
      {"SETUP.EXE", [](const std::string& p) { return Quoted(p) + " /q"; }},
  };
  for (const auto& c : cases) {
    FailureContext = c.programName;
    Stage stage = Prepare("command-line", c.programName,
                          "[SystemSettings]\nWindowTitle=Read Beside Me\n[Files]\n\"a.txt\"\n");
    Run run(stage.program, c.commandLine(stage.program), stage.folder);
    HWND dialog = DialogOf(run);
    REQUIRE(dialog != nullptr);
    CHECK_EQ("Read Beside Me", WindowText(dialog));
    CancelAndFinish(stage, run, dialog);
  }
}

E2E_TEST(FileWithoutSystemSettingsUsesEveryDefault) {
  CheckDialogTexts("defaults", kFilesSection,
                   {"Launch File", "Files:", "Description:",
                    "Keep this window open when launching files", "OK", "Cancel"});
}

E2E_TEST(ConfiguredTextsReachTheDialog) {
  CheckDialogTexts(
      "configured-texts",
      "[systemsettings]\n"
      "WindowTitle = Product Disc\n"
      "DescriptionLabel=About this file:\n"
      "FilesLabel=\"Choose one:\"\n"
      "KeepOpenLabel=Stay open\n"
      "OkButton=Install\n"
      "CancelButton=Close\n"
      "[Files]\n\"a.txt\"\n",
      {"Product Disc", "Choose one:", "About this file:", "Stay open", "Install", "Close"});
}

E2E_TEST(BlankSettingIsNamed) {
  ExpectConfigurationError("blank", "WindowTitle=", "WindowTitle has been left blank.");
}

E2E_TEST(TenThousandCharacterValueIsTooLong) {
  ExpectConfigurationError("ten-thousand", "FilesLabel=" + std::string(10000, 'f'),
                           "FilesLabel is longer than the maximum permitted length of 40.");
}

E2E_TEST(MessageTextOverItsLimitIsTooLong) {
  ExpectConfigurationError("message-text", "CouldNotFindFileErrorText=" + std::string(301, 't'),
                           "CouldNotFindFileErrorText is longer than the maximum permitted "
                           "length of 300.");
}

E2E_TEST(ShowFilepathMustBeOneLetter) {
  ExpectConfigurationError("show-filepath", "ShowFilepath=Yes", "ShowFilepath must be Y or N.");
}

E2E_TEST(ButtonSizeOutOfRange) {
  ExpectConfigurationError("size-range", "OkButtonSize=81",
                           "OkButtonSize is outside the permitted range.\nPlease use a value "
                           "between 4 and 80.");
}

E2E_TEST(NegativeButtonSizeOutOfRange) {
  ExpectConfigurationError("size-negative", "OkButtonSize=0\nCancelButtonSize=-1",
                           "CancelButtonSize is outside the permitted range.\nPlease use a "
                           "value between 4 and 80.");
}

E2E_TEST(CombinedButtonSizesOutOfRange) {
  ExpectConfigurationError("size-combined", "OkButtonSize=0\nCancelButtonSize=6",
                           "The combined value of OkButtonSize and CancelButtonSize\nis outside "
                           "the permitted range. Please use values that, when\ncombined, are "
                           "between 8 and 88.");
}

E2E_TEST(FirstFailureInOrderIsTheOnlyMessage) {
  ExpectConfigurationError("order", "OkButtonSize=99\nShowFilepath=x\nCancelButton=",
                           "CancelButton has been left blank.");
}
