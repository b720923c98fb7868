// Hostile input under Wine: each case must end in exactly one message box or the dialog, exit
// code 0 and an untouched folder. What the launcher showed is kept for the folder checker.
#include <algorithm>

#include "config/text_rules.h"
#include "dialog/item_text.h"
#include "observation.h"
#include "resource.h"

namespace {

const char kSyntaxPrefix[] =
    "The following line from the [Files] section of the configuration file contains a syntax "
    "error:\n";
const char kUnexpected[] = "Unexpected Error";
const char kConfigurationError[] = "Configuration Error";

struct HostileCase {
  const char* name;
  std::string (*ini)();  // the bytes of Launch.ini
  const char* caption;   // of the box, or of the dialog when text is null
  const char* text;
  std::vector<std::string> rows;  // the paths the dialog lists, shown as names
};

// The bytes of a literal, NULs included.
template <size_t N>
std::string Bytes(const char (&literal)[N]) {
  return std::string(literal, N - 1);
}

std::string Repeated(const std::string& line, int times) {
  std::string out;
  out.reserve(line.size() * times);
  for (int i = 0; i < times; ++i) out += line;
  return out;
}

std::wstring Wide(const std::string& ansi) {  // from Windows-1252
  std::wstring wide(ansi.size(), L'\0');
  wide.resize(MultiByteToWideChar(1252, 0, ansi.data(), static_cast<int>(ansi.size()), &wide[0],
                                  static_cast<int>(wide.size())));
  return wide;
}

// Little-endian UTF-16 with its byte-order mark, from Windows-1252 text.
std::string Utf16(const std::string& ansi) {
  const std::wstring wide = Wide(ansi);
  std::string out = "\xFF\xFE";
  for (wchar_t c : wide) out += static_cast<char>(c & 0xFF), out += static_cast<char>(c >> 8);
  return out;
}

// Little-endian UTF-16 with its byte-order mark, from UTF-16 text.
std::string Utf16(const std::u16string& text) {
  std::string out = "\xFF\xFE";
  for (char16_t c : text) out += static_cast<char>(c & 0xFF), out += static_cast<char>(c >> 8);
  return out;
}

std::string Utf8(const std::string& ansi) {
  const std::wstring wide = Wide(ansi);
  std::string out(wide.size() * 3, '\0');
  out.resize(WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &out[0],
                                 static_cast<int>(out.size()), nullptr, nullptr));
  return out;
}

const char kAccented[] =
    "[SystemSettings]\r\nWindowTitle=Caf\xE9 \x80\r\n[Files]\r\n"
    "\"r\xE9sum\xE9.txt\"\r\n";

const HostileCase kCases[] = {
    {"binary-garbage",
     [] {
       std::string binary;
       for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 7919 + 13) % 256);
       return binary;
     },
     kUnexpected,
     kNoFilesListed,
     {}},
    {"zero-bytes", [] { return std::string(); }, kUnexpected, kNoFilesListed, {}},
    {"one-byte", [] { return std::string("["); }, kUnexpected, kNoFilesListed, {}},
    {"nul-bytes-end-lines",
     [] {
       return Bytes(
           "[SystemSettings]\nWindowTitle=Before\0After\n[Files]\n\"a.txt\"\0"
           "\"junk\"\n\"b.txt\"\0 \"x\n");
     },
     "Before",
     nullptr,
     {"a.txt", "b.txt"}},
    {"nul-byte-cuts-a-quote",
     [] { return Bytes("[Files]\n\"c.txt\" \"desc\0ription\"\n"); },
     "Syntax Error",
     "",
     {}},
    {"utf16-with-byte-order-mark",
     [] { return Utf16(kAccented); },
     "Caf\xE9 \x80",
     nullptr,
     {"r\xE9sum\xE9.txt"}},
    // What Windows-1252 lacks becomes its best fit (Ł L, ő o, Ω O), else '?' for each UTF-16 unit;
    // a full-width quote becomes a plain one and breaks its row.
    {"utf16-best-fits",
     [] {
       return Utf16(u"[SystemSettings]\r\nWindowTitle=\u0141\u0151 \u03A9 \U0001F600\r\n[Files]\r\n"
                    u"\"a.txt\"\r\n");
     },
     "Lo O ??",
     nullptr,
     {"a.txt"}},
    // The reader sees no syntax in them: full-width brackets make no header, full-width quotes
    // around a value stay, as their best fits.
    {"utf16-full-width-brackets",
     [] { return Utf16(u"\uFF3BFiles\uFF3D\r\n\"a.txt\"\r\n"); },
     kUnexpected,
     kNoFilesListed,
     {}},
    {"utf16-full-width-quotes-around-a-title",
     [] { return Utf16(u"[SystemSettings]\r\nWindowTitle=\uFF02Hi\uFF02\r\n[Files]\r\n\"a.txt\"\r\n"); },
     "\"Hi\"",
     nullptr,
     {"a.txt"}},
    {"utf16-full-width-quote",
     [] { return Utf16(u"[Files]\r\n\"a.txt\" \"say \uFF02hi\uFF02\"\r\n"); },
     "Syntax Error",
     "",
     {}},
    {"utf8-with-byte-order-mark",
     [] { return "\xEF\xBB\xBF" + Utf8(kAccented); },
     "Caf\xE9 \x80",
     nullptr,
     {"r\xE9sum\xE9.txt"}},
    // A broken sequence is one replacement character; the line end after it still ends the line.
    {"utf8-with-byte-order-mark-and-a-broken-sequence",
     [] {
       return std::string(
           "\xEF\xBB\xBF; x\r\n[SystemSettings]\r\nWindowTitle=Caf\xE9\r\n"
           "[Files]\r\n\"a.txt\" \"x\xE9\"\r\n\"b.txt\"\r\n");
     },
     "Caf?",
     nullptr,
     {"a.txt", "b.txt"}},
    {"utf8-without-byte-order-mark",
     [] { return Utf8(kAccented); },
     "Caf\xC3\xA9 \xE2\x82\xAC",
     nullptr,
     {"r\xC3\xA9sum\xC3\xA9.txt"}},
    {"cr-only-line-ends",
     [] {
       return std::string("[SystemSettings]\rWindowTitle=Old Mac\r[Files]\r\"a.txt\"\r\"b.txt\"\r");
     },
     "Old Mac",
     nullptr,
     {"a.txt", "b.txt"}},
    {"mixed-line-ends",
     [] { return std::string("[Files]\r\"a.txt\"\r\n\"b.txt\"\r\"c.txt\"\n"); },
     "Launch File",
     nullptr,
     {"a.txt", "b.txt", "c.txt"}},
    {"five-megabytes",
     [] {
       return "[Files]\n" + Repeated("; " + std::string(98, 'c') + "\n", 52429) +
              "\"a.txt\"\n\"b.txt\"\n\"c.txt\"\n";
     },
     "Launch File",
     nullptr,
     {"a.txt", "b.txt", "c.txt"}},
    {"hundred-thousand-lines",
     [] { return "[Files]\n" + Repeated("\"f.txt\"\n", 100000); },
     "Too Many Files",
     "The [Files] section of the configuration file contains more than 1000 entries.",
     {}},
    {"line-of-70000-bytes",
     [] { return "[Files]\n\"" + std::string(70000, 'x') + "\"\n"; },
     "Syntax Error",
     "",
     {}},
    {"unterminated-path-quote",
     [] { return std::string("[Files]\n\"readme.txt\n"); },
     "Syntax Error",
     "",
     {}},
    {"unterminated-description",
     [] { return std::string("[Files]\n\"a.txt\" \"about it\n"); },
     "Syntax Error",
     "",
     {}},
    {"files-section-twice",
     [] { return std::string("[Files]\n\"first.txt\"\n[Other]\nx=1\n[files]\n\"second.txt\"\n"); },
     "Launch File",
     nullptr,
     {"first.txt"}},
    {"settings-section-twice",
     [] {
       return std::string(
           "[SystemSettings]\nWindowTitle=First\n[SystemSettings]\nWindowTitle=Second\n"
           "OkButton=\n[Files]\n\"a.txt\"\n");
     },
     "First",
     nullptr,
     {"a.txt"}},
    {"ten-thousand-character-keys",
     [] {
       return "[SystemSettings]\n" + std::string(10000, 'k') + "=" + std::string(10000, 'v') +
              "\nWindowTitle=Fine\n[Files]\n\"a.txt\"\n";
     },
     "Fine",
     nullptr,
     {"a.txt"}},
    {"ten-thousand-character-message",
     [] {
       return "[SystemSettings]\nNoEntryErrorText=" + std::string(10000, 'm') +
              "\n[Files]\n\"a.txt\"\n";
     },
     kConfigurationError,
     "NoEntryErrorText is longer than the maximum permitted length of 300.",
     {}},
    {"ten-thousand-character-description",
     [] { return "[Files]\n\"a.txt\" \"" + std::string(10000, 'd') + "\"\n"; },
     "Syntax Error",
     "",
     {}},
    {"button-size-beyond-32-bits",
     [] { return std::string("[SystemSettings]\nOkButtonSize=99999999999\n[Files]\n\"a.txt\"\n"); },
     kConfigurationError,
     "OkButtonSize is outside the permitted range.\nPlease use a value between 4 and 80.",
     {}},
    {"button-size-wrapping-into-range",
     [] { return std::string("[SystemSettings]\nOkButtonSize=4294967306\n[Files]\n\"a.txt\"\n"); },
     "Launch File",
     nullptr,
     {"a.txt"}},
    // Wine reads a number after 0x, 0o or 0b in that base (lower case only): 100, 127, 127.
    {"button-size-in-hex",
     [] { return std::string("[SystemSettings]\nOkButtonSize=0x64\n[Files]\n\"a.txt\"\n"); },
     kConfigurationError,
     "OkButtonSize is outside the permitted range.\nPlease use a value between 4 and 80.",
     {}},
    {"button-size-in-octal",
     [] { return std::string("[SystemSettings]\nOkButtonSize=0o177\n[Files]\n\"a.txt\"\n"); },
     kConfigurationError,
     "OkButtonSize is outside the permitted range.\nPlease use a value between 4 and 80.",
     {}},
    {"button-size-in-binary",
     [] {
       return std::string("[SystemSettings]\nCancelButtonSize=0b1111111\n[Files]\n\"a.txt\"\n");
     },
     kConfigurationError,
     "CancelButtonSize is outside the permitted range.\nPlease use a value between 4 and 80.",
     {}},
    {"button-size-with-capital-hex-prefix",
     [] { return std::string("[SystemSettings]\nOkButtonSize=0X64\n[Files]\n\"a.txt\"\n"); },
     "Launch File",
     nullptr,
     {"a.txt"}},
    {"quoted-button-size",
     [] { return std::string("[SystemSettings]\nOkButtonSize=\"90\"\n[Files]\n\"a.txt\"\n"); },
     kConfigurationError,
     "OkButtonSize is outside the permitted range.\nPlease use a value between 4 and 80.",
     {}},
    {"equals-signs-in-a-line",
     [] { return std::string("[Files]\n\"a = b.txt\" \"x = y\"\n"); },
     "Launch File",
     nullptr,
     {"a=b.txt"}},
    {"section-name-with-inner-spaces",
     [] { return std::string("[ Files ]\n\"a.txt\"\n"); },
     "Launch File",
     nullptr,
     {"a.txt"}},
    {"control-characters-in-a-title",
     [] {
       return std::string(
           "[SystemSettings]\nWindowTitle=\tTab\x01"
           "Ctrl\t\n[Files]\n\"a.txt\"\n");
     },
     "Tab\x01"
     "Ctrl",
     nullptr,
     {"a.txt"}},
    {"control-blanks-around-a-value",
     [] {
       return std::string(
           "[SystemSettings]\nWindowTitle=\x0b\x0c\x1c Title\x1f \x1a\r\n"
           "[Files]\n\"a.txt\"\n");
     },
     "\x1c Title\x1f",
     nullptr,
     {"a.txt"}},
    {"no-break-spaces-around-a-value",
     [] {
       return std::string("[SystemSettings]\nWindowTitle=\xa0Title\xa0\n[Files]\n\"a.txt\"\n");
     },
     "\xa0Title\xa0",
     nullptr,
     {"a.txt"}},
    {"quoted-title-of-41-characters",
     [] {
       return "[SystemSettings]\nWindowTitle=\"" + std::string(41, 't') +
              "\"\n[Files]\n\"a.txt\"\n";
     },
     // The reader keeps the closing quote's place when the value fills its room, and drops the
     // last character instead: 40 remain, which is allowed.
     "tttttttttttttttttttttttttttttttttttttttt",
     nullptr,
     {"a.txt"}},
    {"bytes-from-0x80-in-paths",
     [] { return std::string("[Files]\n\"\x80\xE9t\xE9\\\xFF.txt\"\n\"\xA0\xA0.txt\"\n"); },
     "Launch File",
     nullptr,
     {"\x80\xE9t\xE9\\\xFF.txt", "\xA0\xA0.txt"}},
};

void CheckOutcome(const HostileCase& c, const Observation& seen) {
  CHECK_EQ(c.text == nullptr, seen.dialog);
  CHECK_EQ(c.caption, seen.caption);
  if (c.text == nullptr) {
    CHECK_EQ(RowTexts(c.rows, seen.width, 0), seen.rows);
  } else if (c.text[0] == '\0') {  // a syntax error: the line is quoted from the file
    CHECK_EQ(0u, seen.text.find(kSyntaxPrefix));
  } else {
    CHECK_EQ(c.text, seen.text);
  }
}

Observation RunInFolder(const std::string& name, Stage& stage, const std::string& commandLine) {
  Freeze(stage);
  Run run(stage.program, commandLine, stage.folder);
  Observation seen = Observe(stage, run);
  KeepObservation(name, stage, stage.program.substr(stage.program.rfind('\\') + 1), seen);
  return seen;
}

}  // namespace

E2E_TEST(HostileConfigurationFiles) {
  for (const HostileCase& c : kCases) {
    FailureContext = c.name;
    Stage stage = Prepare(c.name);
    AddFile(stage, "Launch.ini", c.ini());
    CheckOutcome(c, RunInFolder(c.name, stage, Quoted(stage.program)));
  }
}

E2E_TEST(HostileProgramPaths) {
  {
    FailureContext = "quoted-400-characters";  // only 263 are kept: no ".exe" is left
    Stage stage = Prepare("long-quoted", "Launch.exe", "[Files]\n\"a.txt\"\n");
    Observation seen = RunInFolder("", stage, "\"" + std::string(396, 'L') + ".exe\"");
    CHECK(!seen.dialog);
    CHECK_EQ("Expected to be run as an EXE.", seen.text);
  }
  {
    FailureContext = "unquoted-400-characters";  // the arguments are cut, ".exe" stays
    Stage stage = Prepare("long-unquoted", "Launch.exe",
                          "[SystemSettings]\nWindowTitle=Found\n"
                          "[Files]\n\"a.txt\"\n");
    Observation seen = RunInFolder("", stage, stage.program + " " + std::string(400, 'a'));
    CHECK_EQ("Found", seen.caption);
  }
  {
    // "tools.exe\launch.exe": the INI is "tools.ini" in the current folder, not in Windows'.
    FailureContext = "exe-in-a-folder-name";
    Stage stage = Prepare("exe-folder-name", "Launch.exe");
    MakeFolder(stage.folder + "\\tools.exe");
    CopyProgram(stage.folder + "\\tools.exe\\launch.exe");
    AddFile(stage, "tools.ini", "[SystemSettings]\nWindowTitle=Tools\n[Files]\n\"a.txt\"\n");
    Observation seen = RunInFolder("", stage, "tools.exe\\launch.exe");
    CHECK_EQ("Tools", seen.caption);
  }
}

E2E_TEST(HostileConfigurationInPlace) {
  {
    FailureContext = "configuration-is-a-folder";  // cannot be opened for reading
    Stage stage = Prepare("ini-folder");
    MakeFolder(stage.folder + "\\Launch.ini");
    AddFile(stage, "guide.txt");
    Observation seen = RunInFolder("configuration-is-a-folder", stage, Quoted(stage.program));
    CHECK_EQ(std::vector<std::string>{"guide.txt"}, seen.rows);
  }
  {
    FailureContext = "configuration-held-open-for-writing";
    Stage stage = Prepare("locked", "Launch.exe",
                          "[SystemSettings]\nWindowTitle=Never Read\n"
                          "[Files]\n\"a.txt\"\n");
    AddFile(stage, "guide.txt");
    HANDLE lock = CreateFileA((stage.folder + "\\Launch.ini").c_str(), GENERIC_WRITE, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    REQUIRE(lock != INVALID_HANDLE_VALUE);
    Observation seen = RunInFolder("", stage, Quoted(stage.program));
    CloseHandle(lock);
    CHECK_EQ("Launch File", seen.caption);
    CHECK_EQ(std::vector<std::string>{"guide.txt"}, seen.rows);
  }
}

namespace {

// Characters for generated names: none of them has another case, so every name stays distinct
// on a case-blind file system; bytes from 0x80 up among them.
const char kNameCharacters[] =
    "0123456789abcdefghijklmnopqrstuvwxyz-_~!#$%&'()+,;=@[]^`{}"
    "\x80\x82\x83\x84\x85\x86\x87\x89\x8B\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9E"
    "\xA1\xA2\xA3\xA5\xA7\xA9\xAB\xAE\xB0\xB1\xB5\xB6\xBB\xBF\xDF\xE0\xE1\xE5\xE6\xE7\xE9\xF1"
    "\xF6\xF8\xFC";
const int kNameAlphabet = sizeof kNameCharacters - 1;
const int kLongestName = 255;

const int kAsciiNameCharacters = 58;  // the first ones

bool IsDeviceName(const std::string& name) {
  for (const char* device : {"con", "prn", "aux", "nul"}) {
    if (name == device) return true;
  }
  return name.size() == 4 && (name.compare(0, 3, "com") == 0 || name.compare(0, 3, "lpt") == 0);
}

// Name i has a length that cycles through 1..255; the twenty names of one length differ in their
// first character. Further characters come from the whole alphabet while the name is short
// enough to stay within 255 bytes on disk, where each byte from 0x80 up takes two or three.
std::string GeneratedName(int i) {
  const int length = 1 + i % kLongestName;
  const int alphabet = length <= 200 ? kNameAlphabet : kAsciiNameCharacters;
  std::string name(1, kNameCharacters[i / kLongestName]);
  for (int k = 1; k < length && k < 3; ++k) name += kNameCharacters[(i * (5 + 8 * k)) % alphabet];
  for (int k = 0; static_cast<int>(name.size()) < length; ++k) name += "Qz_~x"[k % 5];
  if (IsDeviceName(name)) name.back() = '~';
  return name;
}

void CreateNamed(const std::string& folder, const std::string& name) {
  const std::wstring wide = Wide("\\\\?\\" + folder + "\\" + name);
  HANDLE file = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    RecordFailure(__FILE__, __LINE__,
                  "could not make a file of " + std::to_string(name.size()) +
                      " characters: " + std::to_string(GetLastError()));
    return;
  }
  CloseHandle(file);
}

// What the launcher must list: the first thousand offered names in the platform's order, sorted.
std::vector<std::string> ExpectedFolderRows(const std::string& folder, int width) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*.*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    if (CompareAsciiFolded(found.cFileName, "Launch.exe") == 0) continue;
    names.push_back(found.cFileName);
  } while (names.size() < 1000 && FindNextFileA(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return CompareAsciiFolded(a.c_str(), b.c_str()) < 0;
  });
  return RowTexts(names, width, 1);
}

}  // namespace

E2E_TEST(HostileFolderOfFiveThousandNames) {
  Stage stage = Prepare("five-thousand-names");
  size_t longest = 0;
  for (int i = 0; i < 5000; ++i) {
    std::string name = GeneratedName(i);
    longest = std::max(longest, name.size());
    CreateNamed(stage.folder, name);
  }
  CHECK_EQ(static_cast<size_t>(kLongestName), longest);
  Observation seen = RunInFolder("folder-of-five-thousand-names", stage, Quoted(stage.program));
  REQUIRE(seen.dialog);
  CHECK_EQ(1000u, seen.rows.size());
  CHECK_EQ(ExpectedFolderRows(stage.folder, seen.width), seen.rows);
}
