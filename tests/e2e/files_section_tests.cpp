// The [Files] section under Wine, through the real profile reader.
#include "resource.h"
#include "observation.h"
#include "stage.h"

namespace {

const char kSyntaxPrefix[] =
    "The following line from the [Files] section of the configuration file contains a syntax "
    "error:\n";

std::string Description(HWND dialog, int row) {
  SelectRow(dialog, row);
  return Control(dialog, IDC_DESCRIPTION).text;
}

std::string ManyEntries(int count) {
  std::string ini = "[Files]\n";
  for (int i = 0; i < count; ++i) {
    ini += "\"file" + std::to_string(i) + ".txt\"\n";
    if (i % 250 == 0) ini += "; a comment between entries\n";
  }
  return ini;
}

}  // namespace

E2E_TEST(EveryLineShapeReachesTheListInFileOrder) {
  Stage stage = Prepare("line-shapes", "Launch.exe",
                        "[Files]\n"
                        "\"zeta.txt\"\n"
                        "   \"Docs\\alpha.pdf\" \"User manual\\nPDF version\"\n"
                        "; a comment\n"
                        "\"beta.txt\" \"\" \"CheckboxDisabled\"\n"
                        "\"gamma.txt\" \"Notes\" \"checkboxenabled\" more \"text\"\n"
                        "\"delta.txt\" \"CheckboxDisabled\"\n"
                        "\"eta.txt\"x\"Tagged\"\n"
                        "\"theta.txt\" \"a\\\\nb\"\n");
  Run run = StartLauncher(stage);
  HWND dialog = DialogOf(run);
  REQUIRE(dialog != nullptr);
  KeepDialog(stage, dialog);
  CHECK_EQ((std::vector<std::string>{"zeta.txt", "alpha.pdf", "beta.txt", "gamma.txt", "delta.txt",
                                     "eta.txt", "theta.txt"}),
           ListRows(dialog));
  struct {
    const char* description;
    bool keepOpenEnabled;
  } rows[] = {{"", true},        {"User manual\r\nPDF version", true}, {"", false},
              {"Notes", true},   {"CheckboxDisabled", true},           {"Tagged", true},
              {"a\\\r\nb", true}};
  for (int i = 0; i < 7; ++i) {
    CHECK_EQ(rows[i].description, Description(dialog, i));
    CHECK_EQ(rows[i].keepOpenEnabled, Control(dialog, IDC_KEEP_OPEN).enabled);
  }
  CancelAndFinish(stage, run, dialog);
}

E2E_TEST(LineBreakingTheSyntaxIsQuoted) {
  Stage stage = Prepare("syntax", "Launch.exe",
                        "[Files]\n\"good.txt\"\n\"a.txt\" \"Notes\" \"Yes\"\n\"never.txt\"\n");
  ExpectOnlyMessage(stage, "Syntax Error",
                    std::string(kSyntaxPrefix) + "\"a.txt\" \"Notes\" \"Yes\"");
}

E2E_TEST(SyntaxErrorQuotesOnlyTheFirst200Bytes) {
  std::string line = "\"" + std::string(300, 'p') + "\"";  // a path over 260 bytes
  Stage stage = Prepare("syntax-long", "Launch.exe", ("[Files]\n" + line + "\n").c_str());
  ExpectOnlyMessage(stage, "Syntax Error", kSyntaxPrefix + line.substr(0, 200));
}

E2E_TEST(NoListedFileGivesOneBox) {
  // From the parser (no lines reach it) or from the result rule (only comments): one box each.
  for (const char* ini :
       {"[Files]\n; one\n;two\n", "[SystemSettings]\nWindowTitle=T\n", "[Files]\n", "", "["}) {
    FailureContext = std::string("INI ") + ini;
    Stage stage = Prepare("no-files", "Launch.exe", ini);
    ExpectOnlyMessage(stage, "Unexpected Error", kNoFilesListed);
  }
}

E2E_TEST(ThousandEntriesAllListed) {
  Stage stage = Prepare("thousand", "Launch.exe", ManyEntries(1000).c_str());
  Run run = StartLauncher(stage);
  HWND dialog = DialogOf(run);
  REQUIRE(dialog != nullptr);
  KeepDialog(stage, dialog);
  std::vector<std::string> rows = ListRows(dialog);
  CHECK_EQ(1000u, rows.size());
  if (rows.size() == 1000) CHECK_EQ("file999.txt", rows[999]);
  CancelAndFinish(stage, run, dialog);
}

E2E_TEST(EntryAfterTheThousandthIsTooMany) {
  Stage stage = Prepare("too-many", "Launch.exe", ManyEntries(1001).c_str());
  ExpectOnlyMessage(stage, "Too Many Files",
                    "The [Files] section of the configuration file contains more than 1000 "
                    "entries.");
}
