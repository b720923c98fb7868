// The shipped exe's resources, read back through the platform's own resource functions.
#include <algorithm>
#include <cstring>

#include "resource.h"
#include "stage.h"

namespace {

const WORD kUnitedKingdom = 0x0809;

struct Module {
  HMODULE handle = LoadLibraryExA(ShippedProgram.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ~Module() {
    if (handle) FreeLibrary(handle);
  }
};

// The x64 stand-in's driver reads the 32-bit file as data; a Wine that cannot leaves the
// resources unjudged, which is no pass.
#define OPEN_SHIPPED_MODULE(module)                                                  \
  Module module;                                                                     \
  if (module.handle == nullptr && ShippedProgram != ProgramUnderTest)                \
    SKIP_TEST("this driver cannot read the shipped 32-bit exe's resources (error " + \
              std::to_string(GetLastError()) + ")");                                 \
  REQUIRE(module.handle != nullptr)

std::vector<BYTE> ResourceBytes(HMODULE module, LPCSTR type, int id) {
  HRSRC found = FindResourceExA(module, type, MAKEINTRESOURCEA(id), kUnitedKingdom);
  if (found == nullptr) return {};
  const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
  return std::vector<BYTE>(data, data + SizeofResource(module, found));
}

struct Reader {
  const std::vector<BYTE>& bytes;
  size_t at = 0;
  WORD Word() {
    WORD w = 0;
    if (at + 2 <= bytes.size()) memcpy(&w, &bytes[at], 2);
    at += 2;
    return w;
  }
  DWORD Dword() {
    DWORD low = Word();
    return low | (static_cast<DWORD>(Word()) << 16);
  }
  short Short() { return static_cast<short>(Word()); }
  std::string Text() {  // a UTF-16 string, or an ordinal written as "#n"
    WORD first = Word();
    if (first == 0xFFFF) return "#" + std::to_string(Word());
    std::string text;
    for (WORD c = first; c != 0; c = Word()) text += static_cast<char>(c);
    return text;
  }
  void AlignToDword() { at = (at + 3) & ~static_cast<size_t>(3); }
};

struct ControlTemplate {
  DWORD style;
  short x, y, cx, cy;
  WORD id;
  const char* className;
  const char* text;
};

const ControlTemplate kControls[] = {
    {0x50000000, 7, 8, 196, 8, IDC_FILES_LABEL, "#130", "Files Label"},
    {0x50B10101, 7, 18, 196, 99, IDC_FILE_LIST, "#131", ""},
    {0x50020000, 7, 130, 196, 8, IDC_DESCRIPTION_LABEL, "#130", "Description Label"},
    {0x50A00804, 7, 140, 196, 48, IDC_DESCRIPTION, "#129", ""},
    {0x50010003, 7, 197, 196, 12, IDC_KEEP_OPEN, "#128", "Keep Open Checkbox"},
    {0x50010001, 47, 218, 50, 14, IDOK, "#128", "OK"},
    {0x50010000, 112, 218, 50, 14, IDCANCEL, "#128", "Cancel"},
};

BOOL CALLBACK CollectLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR out) {
  reinterpret_cast<std::vector<WORD>*>(out)->push_back(language);
  return TRUE;
}

BOOL CALLBACK CollectName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR out) {
  std::vector<WORD> languages;
  EnumResourceLanguagesA(module, type, name, CollectLanguage,
                         reinterpret_cast<LONG_PTR>(&languages));
  std::ostringstream s;
  s << reinterpret_cast<ULONG_PTR>(type) << ":" << reinterpret_cast<ULONG_PTR>(name);
  for (WORD language : languages) s << ":" << std::hex << language << std::dec;
  reinterpret_cast<std::vector<std::string>*>(out)->push_back(s.str());
  return TRUE;
}

BOOL CALLBACK CollectType(HMODULE module, LPSTR type, LONG_PTR out) {
  EnumResourceNamesA(module, type, CollectName, out);
  return TRUE;
}

std::string VersionString(const std::vector<BYTE>& block, const char* key) {
  char* value = nullptr;
  UINT length = 0;
  std::string path = std::string("\\StringFileInfo\\080904b0\\") + key;
  if (!VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length)) {
    return "<missing>";
  }
  return std::string(value);
}

// Where a UTF-16 key stands in the raw version resource.
size_t KeyPosition(const std::vector<BYTE>& raw, const char* key) {
  std::string wide;
  for (const char* c = key; *c; ++c) wide += std::string(1, *c) + '\0';
  wide += std::string(2, '\0');
  auto found = std::search(raw.begin(), raw.end(), wide.begin(), wide.end());
  return found == raw.end() ? std::string::npos : static_cast<size_t>(found - raw.begin());
}

}  // namespace

E2E_TEST(ResourcesAreExactlyTheFiveInEnglishUK) {
  OPEN_SHIPPED_MODULE(module);
  std::vector<std::string> found;
  EnumResourceTypesA(module.handle, CollectType, reinterpret_cast<LONG_PTR>(&found));
  std::vector<std::string> expected;
  for (int icon = 1; icon <= 9; ++icon) expected.push_back("3:" + std::to_string(icon) + ":809");
  expected.push_back("5:102:809");
  expected.push_back("14:101:809");
  expected.push_back("16:1:809");
  expected.push_back("24:1:809");
  std::sort(found.begin(), found.end());
  std::sort(expected.begin(), expected.end());
  CHECK_EQ(expected, found);
}

E2E_TEST(DialogTemplateIsTheClassicFormWithSevenControls) {
  OPEN_SHIPPED_MODULE(module);
  std::vector<BYTE> bytes = ResourceBytes(module.handle, MAKEINTRESOURCEA(5), IDD_LAUNCHER);
  REQUIRE(!bytes.empty());
  Reader r{bytes};
  CHECK_EQ(0x80CA0840ul, r.Dword());
  CHECK_EQ(0ul, r.Dword());  // extended style; the extended form would start 1, 0xFFFF
  CHECK_EQ(7, r.Word());
  CHECK_EQ(0, r.Short());
  CHECK_EQ(0, r.Short());
  CHECK_EQ(210, r.Short());
  CHECK_EQ(241, r.Short());
  CHECK_EQ("", r.Text());  // no menu
  CHECK_EQ("", r.Text());  // the standard dialog class
  CHECK_EQ("Lanterpick", r.Text());
  CHECK_EQ(8, r.Word());
  CHECK_EQ("MS Shell Dlg", r.Text());
  for (const ControlTemplate& c : kControls) {
    r.AlignToDword();
    CHECK_EQ(c.style, r.Dword());
    CHECK_EQ(0ul, r.Dword());
    CHECK_EQ(c.x, r.Short());
    CHECK_EQ(c.y, r.Short());
    CHECK_EQ(c.cx, r.Short());
    CHECK_EQ(c.cy, r.Short());
    CHECK_EQ(c.id, r.Word());
    CHECK_EQ(std::string(c.className), r.Text());
    CHECK_EQ(std::string(c.text), r.Text());
    CHECK_EQ(0, r.Word());  // no creation data
  }
  CHECK(r.at <= bytes.size());
}

E2E_TEST(IconGroupHoldsNineImagesInOrder) {
  OPEN_SHIPPED_MODULE(module);
  std::vector<BYTE> bytes = ResourceBytes(module.handle, MAKEINTRESOURCEA(14), IDI_LAUNCHER);
  REQUIRE(bytes.size() == 6 + 9 * 14);
  Reader r{bytes};
  CHECK_EQ(0, r.Word());
  CHECK_EQ(1, r.Word());
  CHECK_EQ(9, r.Word());
  const int kSizes[9][2] = {{48, 4}, {32, 4},  {16, 4},  {48, 8}, {32, 8},
                            {16, 8}, {16, 24}, {48, 32}, {32, 32}};
  for (int i = 0; i < 9; ++i) {
    const BYTE* entry = &bytes[6 + i * 14];
    CHECK_EQ(kSizes[i][0], entry[0]);
    CHECK_EQ(kSizes[i][0], entry[1]);
    WORD bits, id;
    memcpy(&bits, entry + 6, 2);
    memcpy(&id, entry + 12, 2);
    CHECK_EQ(kSizes[i][1], bits);
    CHECK_EQ(i + 1, id);
    std::vector<BYTE> image = ResourceBytes(module.handle, MAKEINTRESOURCEA(3), id);
    REQUIRE(image.size() > 40);
    BITMAPINFOHEADER header;
    memcpy(&header, image.data(), sizeof header);
    CHECK_EQ(kSizes[i][0], header.biWidth);
    CHECK_EQ(kSizes[i][0] * 2, header.biHeight);  // the colour image and its AND mask
    CHECK_EQ(kSizes[i][1], header.biBitCount);
    const int size = kSizes[i][0], depth = kSizes[i][1];
    const size_t palette = depth <= 8 ? (4u << depth) : 0;
    const size_t colour = ((size * depth + 31) / 32) * 4 * size;
    const size_t mask = ((size + 31) / 32) * 4 * size;
    CHECK_EQ(40 + palette + colour + mask, image.size());
  }
}

E2E_TEST(ManifestAsksForCommonControlsSix) {
  OPEN_SHIPPED_MODULE(module);
  std::vector<BYTE> bytes = ResourceBytes(module.handle, MAKEINTRESOURCEA(24), 1);
  std::string text(bytes.begin(), bytes.end());
  CHECK_EQ(0u, text.find("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"));
  for (const char* part :
       {"<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">",
        "version=\"1.0.0.0\" processorArchitecture=\"X86\" name=\"Quorvel.Lanterpick.Lanterpick\" "
        "type=\"win32\"",
        "<description>Quorvel Lanterpick</description>",
        "type=\"win32\" name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\" "
        "processorArchitecture=\"X86\" publicKeyToken=\"6595b64144ccf1df\" language=\"*\""}) {
    CHECK(text.find(part) != std::string::npos);
  }
  size_t lines = 0, crlf = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n') ++lines, crlf += i > 0 && text[i - 1] == '\r';
  }
  CHECK(lines >= 16);
  CHECK_EQ(lines, crlf);
}

// Without a requested level, Windows takes a 32-bit program named Setup.exe for an installer and
// asks for administrator rights before it starts.
E2E_TEST(ManifestAsksForNoElevation) {
  OPEN_SHIPPED_MODULE(module);
  std::vector<BYTE> bytes = ResourceBytes(module.handle, MAKEINTRESOURCEA(24), 1);
  std::string text(bytes.begin(), bytes.end());
  size_t at = 0;
  for (const char* part :
       {"<trustInfo xmlns=\"urn:schemas-microsoft-com:asm.v3\">", "<security>",
        "<requestedPrivileges>",
        "<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>",
        "</requestedPrivileges>", "</security>", "</trustInfo>", "</assembly>"}) {
    FailureContext = part;
    size_t found = text.find(part, at);
    if (CHECK(found != std::string::npos)) at = found;
  }
  FailureContext.clear();
  CHECK_EQ(std::string::npos, text.find("requireAdministrator"));
  CHECK_EQ(std::string::npos, text.find("highestAvailable"));
}

E2E_TEST(VersionRecordHasItsFixedPartAndStrings) {
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(ShippedProgram.c_str(), &ignored);
  REQUIRE(size > 0);
  std::vector<BYTE> block(size);
  REQUIRE(GetFileVersionInfoA(ShippedProgram.c_str(), 0, size, block.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  REQUIRE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  CHECK_EQ(0x00010000ul, fixed->dwFileVersionMS);
  CHECK_EQ(0ul, fixed->dwFileVersionLS);
  CHECK_EQ(0x00010000ul, fixed->dwProductVersionMS);
  CHECK_EQ(0ul, fixed->dwProductVersionLS);
  CHECK_EQ(0x3Ful, fixed->dwFileFlagsMask);
  CHECK_EQ(static_cast<DWORD>(VS_FF_PRIVATEBUILD | VS_FF_SPECIALBUILD), fixed->dwFileFlags);
  CHECK_EQ(static_cast<DWORD>(VOS_NT_WINDOWS32), fixed->dwFileOS);
  CHECK_EQ(static_cast<DWORD>(VFT_APP), fixed->dwFileType);
  CHECK_EQ(0ul, fixed->dwFileSubtype);
  CHECK_EQ(0ul, fixed->dwFileDateMS | fixed->dwFileDateLS);
  CHECK_EQ("Quorvel Lanterpick", VersionString(block, "FileDescription"));
  CHECK_EQ("1, 0, 0, 0", VersionString(block, "FileVersion"));
  CHECK_EQ("Quorvel Lanterpick", VersionString(block, "InternalName"));
  CHECK_EQ("", VersionString(block, "LegalTrademarks"));
  CHECK_EQ("103", VersionString(block, "PrivateBuild"));
  CHECK_EQ("Quorvel Lanterpick", VersionString(block, "ProductName"));
  CHECK_EQ("1, 0, 0, 0", VersionString(block, "ProductVersion"));
  CHECK_EQ("Build 103", VersionString(block, "SpecialBuild"));
  CHECK_EQ("lanterpick.exe", VersionString(block, "OriginalFilename"));
  DWORD* translation = nullptr;
  REQUIRE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                         reinterpret_cast<void**>(&translation), &length));
  CHECK_EQ(0x04B00809ul, *translation);

  OPEN_SHIPPED_MODULE(module);
  std::vector<BYTE> raw = ResourceBytes(module.handle, MAKEINTRESOURCEA(16), 1);
  const char* order[] = {"Comments",     "CompanyName",    "FileDescription", "FileVersion",
                         "InternalName", "LegalCopyright", "LegalTrademarks", "OriginalFilename",
                         "PrivateBuild", "ProductName",    "ProductVersion",  "SpecialBuild"};
  size_t previous = 0;
  for (const char* key : order) {
    size_t at = KeyPosition(raw, key);
    CHECK(at != std::string::npos);
    CHECK(at > previous);
    previous = at;
  }
}
