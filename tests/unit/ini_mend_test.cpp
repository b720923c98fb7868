// --fix byte for byte: each INI's bytes, and the exact bytes written and changes listed, or why
// nothing may be changed.
#include "checker/ini_mend.h"
#include "utf16_bytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Bytes(const char* literal, size_t size) {
  return std::string(literal, size);
}

const std::string kMark = "\xEF\xBB\xBF", kLe = "\xFF\xFE", kBe = "\xFE\xFF";
const std::string kAsUtf16 =
    "saved as UTF-16 LE with its byte-order mark, which Windows reads as written: it was UTF-8 ";
const std::string kMarkGone =
    ", which Windows reads as text in front of line 1 (the rest is plain ASCII)";

struct MendCase {
  const char* name;
  std::string bytes;
  bool mends;
  std::string written;  // the bytes --fix writes; the input where it changes nothing
  std::vector<std::string> changes;
  std::vector<std::string> leftAlone;
  std::string why;
};

const std::string kTitle = "[SystemSettings]\r\nWindowTitle=";
const std::string kCafe = kTitle + "Caf\xC3\xA9\r\n[Files]\r\n\"a.txt\"\r\n";
const std::string kCafeLe =
    Le(kTitle + "Caf") + Bytes("\xE9\0", 2) + Le("\r\n[Files]\r\n\"a.txt\"\r\n");
const std::string kCafeChange = "\"Caf\xC3\xA9\" showed as \"Caf\xC3\x83\xC2\xA9\"";

// clang-format off
const std::vector<MendCase> kMends = {
    {"ASCII without a mark: nothing", "[Files]\r\n\"a.txt\"\r\n", true, "[Files]\r\n\"a.txt\"\r\n",
     {}, {}, ""},
    {"ASCII behind a mark", kMark + "[Files]\r\n\"a.txt\"\r\n", true, "[Files]\r\n\"a.txt\"\r\n",
     {"removed the UTF-8 byte-order mark" + kMarkGone}, {}, ""},
    {"ASCII behind two marks", kMark + kMark + "[Files]\n\"a.txt\"\n", true, "[Files]\n\"a.txt\"\n",
     {"removed the 2 marks" + kMarkGone}, {}, ""},
    {"ASCII behind three marks, a row with /", kMark + kMark + kMark + "[Files]\r\"D/a.txt\"\r",
     true, "[Files]\r\"D\\a.txt\"\r",
     {"removed the 3 marks" + kMarkGone, "line 2: \"D/a.txt\" is now \"D\\a.txt\""}, {}, ""},
    {"UTF-8 without a mark", kCafe, true, kLe + kCafeLe,
     {kAsUtf16 + "without a mark, which Windows reads as ANSI bytes: " + kCafeChange}, {}, ""},
    {"UTF-8 behind a mark: the mark is not written again", kMark + kCafe, true, kLe + kCafeLe,
     {kAsUtf16 + "with a mark, which Windows reads as ANSI bytes: " + kCafeChange}, {}, ""},
    {"UTF-8 behind two marks", kMark + kMark + kCafe, true, kLe + kCafeLe,
     {kAsUtf16 + "with 2 marks, which Windows reads as ANSI bytes: " + kCafeChange}, {}, ""},
    {"UTF-8 of three and four bytes", "[Files]\n\"\xE2\x82\xAC.txt\" \"\xF0\x9F\x99\x82\"\n", true,
     kLe + Le("[Files]\n\"") + Bytes("\xAC\x20", 2) + Le(".txt\" \"") +
         Bytes("\x3D\xD8\x42\xDE", 4) + Le("\"\n"),
     {kAsUtf16 + "without a mark, which Windows reads as ANSI bytes: \"\xE2\x82\xAC.txt\" showed "
                 "as \"\xC3\xA2\xE2\x80\x9A\xC2\xAC.txt\""},
     {},
     ""},
    {"UTF-8 with a row's /: mended in the UTF-16 text",
     "[Files]\n\"Docs/R\xC3\xA9sum\xC3\xA9.pdf\" \"and/or\"\n", true,
     kLe + Le("[Files]\n\"Docs\\R") + Bytes("\xE9\0", 2) + Le("sum") + Bytes("\xE9\0", 2) +
         Le(".pdf\" \"and/or\"\n"),
     {kAsUtf16 + "without a mark, which Windows reads as ANSI bytes: \"Docs/R\xC3\xA9sum\xC3\xA9"
                 ".pdf\" showed as \"Docs/R\xC3\x83\xC2\xA9sum\xC3\x83\xC2\xA9.pdf\"",
      "line 2: \"Docs/R\xC3\xA9sum\xC3\xA9.pdf\" is now \"Docs\\R\xC3\xA9sum\xC3\xA9.pdf\""},
     {},
     ""},
    {"UTF-16 BE", kBe + Be("[Files]\r\n\"a.txt\"\r\n"), true, kLe + Le("[Files]\r\n\"a.txt\"\r\n"),
     {"saved as UTF-16 LE with its byte-order mark: it was UTF-16 big-endian, which Windows "
      "cannot read at all"},
     {},
     ""},
    {"UTF-16 BE of odd length: the odd byte goes", kBe + Be("[Files]\n\"a\"\n") + "x", true,
     kLe + Le("[Files]\n\"a\"\n"),
     {"saved as UTF-16 LE with its byte-order mark: it was UTF-16 big-endian, which Windows "
      "cannot read at all"},
     {},
     ""},
    {"UTF-16 BE whose last character is beyond the basic plane",
     kBe + Be("[Files]\n\"a\" \"") + Bytes("\xD8\x3D\xDE\x42", 4), true,
     kLe + Le("[Files]\n\"a\" \"") + Bytes("\x3D\xD8\x42\xDE", 4),
     {"saved as UTF-16 LE with its byte-order mark: it was UTF-16 big-endian, which Windows "
      "cannot read at all"},
     {},
     ""},
    {"UTF-16 LE with a row's /", kLe + Le("[Files]\r\n\"A/b.txt\" \"x/y\"\r\n"), true,
     kLe + Le("[Files]\r\n\"A\\b.txt\" \"x/y\"\r\n"), {"line 2: \"A/b.txt\" is now \"A\\b.txt\""},
     {}, ""},
    {"UTF-16 LE behind two marks: one is kept", kLe + kLe + Le("[Files]\n\"a\"\n"), true,
     kLe + Le("[Files]\n\"a\"\n"),
     {"removed the byte-order mark after the first, which Windows reads as text in front of line "
      "1"},
     {}, ""},
    {"two UTF-16 files joined: the mark starting line 3 goes",
     kLe + Le("[Files]\r\n\"a\"\r\n") + kLe + Le("[N]\r\n"), true,
     kLe + Le("[Files]\r\n\"a\"\r\n[N]\r\n"),
     {"line 3: removed the byte-order mark at its start, which Windows and Wine read as text"}, {},
     ""},
    {"three UTF-16 files joined, the middle one empty: both marks starting line 3 go",
     kLe + Le("[Files]\r\n\"a\"\r\n") + kLe + kLe + Le("\"b\"\r\n"), true,
     kLe + Le("[Files]\r\n\"a\"\r\n\"b\"\r\n"),
     {"line 3: removed 2 byte-order marks at its start, which Windows and Wine read as text"}, {},
     ""},
    {"two UTF-8 files joined: saved as UTF-16 LE without the mark starting line 2",
     kMark + "[Files]\n" + kMark + "\"a/b\"\n", true, kLe + Le("[Files]\n\"a\\b\"\n"),
     {kAsUtf16 + "with a mark, which Windows reads as ANSI bytes",
      "line 2: removed the byte-order mark at its start, which Windows and Wine read as text",
      "line 2: \"a/b\" is now \"a\\b\""},
     {}, ""},
    {"UTF-16 LE of odd length: nothing", kLe + Le("[Files]\n\"a\"\n") + "x", true,
     kLe + Le("[Files]\n\"a\"\n") + "x", {}, {}, ""},
    {"ANSI: nothing", "[Files]\r\n\"Caf\xE9.txt\"\r\n", true, "[Files]\r\n\"Caf\xE9.txt\"\r\n", {},
     {}, ""},
    {"ANSI with rows in every line-end style",
     "[Files]\r\"a/1.txt\"\n\"b/2.txt\"\r\n\"c/3.txt\" \"\xE9\"", true,
     "[Files]\r\"a\\1.txt\"\n\"b\\2.txt\"\r\n\"c\\3.txt\" \"\xE9\"",
     {"line 2: \"a/1.txt\" is now \"a\\1.txt\"", "line 3: \"b/2.txt\" is now \"b\\2.txt\"",
      "line 4: \"c/3.txt\" is now \"c\\3.txt\""},
     {},
     ""},
    {"a / outside [Files] stays", "[Notes]\r\n\"a/b\"\r\n[Files]\r\n\"a.txt\"\r\n", true,
     "[Notes]\r\n\"a/b\"\r\n[Files]\r\n\"a.txt\"\r\n", {}, {}, ""},
    {"UTF-16 that lost its mark", Le("[Files]\r\n\"a.txt\"\r\n"), true,
     Le("[Files]\r\n\"a.txt\"\r\n"), {},
     {"the encoding: it looks like UTF-16 without its byte-order mark. Save it as UTF-16 LE with "
      "its mark (Notepad's \"UTF-16 LE\")."},
     ""},
    {"bytes behind a mark that are no UTF-8: a sequence cut short",
     kMark + "[Files]\r\n\"a.txt\" \"Caf\xE2\x82\"\r\n", false, "", {}, {},
     "line 2 holds bytes that are not UTF-8 (E2 82), though the file starts with a UTF-8 mark: the "
     "text they stand for is not known"},
    {"UTF-8 lines beside ANSI bytes",
     kTitle + "Caf\xC3\xA9\r\n[Files]\r\n\"a.txt\" \"\xE9t\xE9\"\r\n\"b.txt\" \"\xC3\xA0\"\r\n",
     false, "", {}, {},
     "the file mixes UTF-8 (lines 2, 5) with bytes that are no UTF-8 (line 4): which the author "
     "meant is not certain. Make every line one encoding in an editor"},
};
// clang-format on

TEST(IniMend, BytesWrittenAndChangesListed) {
  for (const MendCase& c : kMends) {
    SCOPED_TRACE(c.name);
    IniMend mend;
    std::string why;
    ASSERT_EQ(c.mends, MendIni(c.bytes, &mend, &why)) << why;
    EXPECT_EQ(c.why, why);
    if (!c.mends) continue;
    EXPECT_EQ(c.written, mend.bytes);
    EXPECT_EQ(c.changes, mend.changes);
    EXPECT_EQ(c.leftAlone, mend.leftAlone);
  }
}

// What --fix wrote reads back as what it was mended into: a second run changes nothing.
TEST(IniMend, AMendedFileNeedsNoMore) {
  for (const MendCase& c : kMends) {
    if (!c.mends || c.changes.empty()) continue;
    SCOPED_TRACE(c.name);
    IniMend once, twice;
    std::string why;
    ASSERT_TRUE(MendIni(c.bytes, &once, &why));
    ASSERT_TRUE(MendIni(once.bytes, &twice, &why));
    EXPECT_EQ(once.bytes, twice.bytes);
    EXPECT_TRUE(twice.changes.empty());
  }
}

}  // namespace
