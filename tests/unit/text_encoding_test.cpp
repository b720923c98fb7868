// What the author's editor wrote, decided from the bytes: the file's encoding and marks, and each
// line's text as the author saw it.
#include "checker/text_encoding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checker/profile_reader.h"
#include "utf16_bytes.h"

namespace {

const std::string kMark = "\xEF\xBB\xBF";
const size_t kNone = std::string::npos;

struct EncodingCase {
  const char* name;
  std::string bytes;
  WrittenEncoding encoding;
  size_t utf8Marks, utf16Marks, invalidAt;
  bool bigEndian;
  std::vector<std::string> lines;  // each line's text as written, in UTF-8, as Windows splits them
  std::vector<WrittenEncoding> lineEncodings;
};

// clang-format off
const std::vector<EncodingCase> kEncodings = {
    {"ASCII", "[Files]\r\n\"a.txt\"\r\n", kWrittenAscii, 0, 0, kNone, false,
     {"[Files]", "\"a.txt\""}, {kWrittenAscii, kWrittenAscii}},
    {"ASCII behind a mark", kMark + "[Files]\n\"a\"\n", kWrittenAscii, 1, 0, kNone, false,
     {"[Files]", "\"a\""}, {kWrittenAscii, kWrittenAscii}},
    {"ASCII behind three marks", kMark + kMark + kMark + "[Files]", kWrittenAscii, 3, 0, kNone,
     false, {"[Files]"}, {kWrittenAscii}},
    {"UTF-8 without a mark, CR line ends", "x=Caf\xC3\xA9\ry=P\xC5\x82yta\r", kWrittenUtf8, 0, 0,
     kNone, false, {"x=Caf\xC3\xA9", "y=P\xC5\x82yta"}, {kWrittenUtf8, kWrittenUtf8}},
    {"one UTF-8 pair that is also two ANSI characters: UTF-8", "t=P\xC5\x82yta", kWrittenUtf8, 0,
     0, kNone, false, {"t=P\xC5\x82yta"}, {kWrittenUtf8}},
    {"UTF-8 behind a mark, LF line ends", kMark + "a\n\xE2\x82\xAC\n", kWrittenUtf8, 1, 0, kNone,
     false, {"a", "\xE2\x82\xAC"}, {kWrittenUtf8, kWrittenUtf8}},
    {"UTF-8 behind two marks", kMark + kMark + "\xC3\xA9", kWrittenUtf8, 2, 0, kNone, false,
     {"\xC3\xA9"}, {kWrittenUtf8}},
    {"bytes that are no UTF-8 behind a mark", kMark + "a\r\n\xC3\xA9 \xE9\r\n", kWrittenUtf8, 1, 0,
     9, false, {"a", "\xC3\xA9 \xE9"}, {kWrittenUtf8, kWrittenUtf8}},
    {"ANSI", "t=Caf\xE9\r\n\x80", kWrittenAnsi, 0, 0, kNone, false,
     {"t=Caf\xC3\xA9", "\xE2\x82\xAC"}, {kWrittenAnsi, kWrittenAnsi}},
    {"UTF-8 lines beside ANSI bytes", "a=\xC3\xA9\r\nb=\xE9\r\nc=x\r\n", kWrittenMixed, 0, 0, 8,
     false, {"a=\xC3\xA9", "b=\xC3\xA9", "c=x"}, {kWrittenUtf8, kWrittenAnsi, kWrittenAscii}},
    {"a broken UTF-8 sequence cut by the line end", "a=\xC3\xA9\n\xE2\x82\nz", kWrittenMixed, 0, 0,
     5, false, {"a=\xC3\xA9", "\xC3\xA2\xE2\x80\x9A", "z"},
     {kWrittenUtf8, kWrittenAnsi, kWrittenAscii}},
    {"ANSI from the first byte", "\xC9t=1", kWrittenAnsi, 0, 0, kNone, false, {"\xC3\x89t=1"},
     {kWrittenAnsi}},
    {"a NUL byte in short ASCII text is no UTF-16", std::string("x=a\0bcde", 8), kWrittenAscii, 0,
     0, kNone, false, {std::string("x=a\0bcde", 8)}, {kWrittenAscii}},
    {"UTF-16 LE", "\xFF\xFE" + Le("a\r\nb") + std::string("\xE9\0", 2), kWrittenUtf16Le, 0, 1,
     kNone, false, {"a", "b\xC3\xA9"}, {kWrittenUtf16Le, kWrittenUtf16Le}},
    {"UTF-16 LE behind two marks", "\xFF\xFE\xFF\xFE" + Le("[Files]"), kWrittenUtf16Le, 0, 2, kNone,
     false, {"[Files]"}, {kWrittenUtf16Le}},
    {"UTF-16 LE of odd length", "\xFF\xFE" + Le("ab") + "c", kWrittenUtf16Le, 0, 1, kNone, false,
     {"ab"}, {kWrittenUtf16Le}},
    {"UTF-16 LE cut after half a pair", "\xFF\xFE" + Le("a=") + "\x3D\xD8", kWrittenUtf16Le, 0, 1,
     kNone, false, {"a=\xEF\xBF\xBD"}, {kWrittenUtf16Le}},
    {"UTF-16 BE", "\xFE\xFF" + Be("a\nb"), kWrittenUtf16Be, 0, 1, kNone, false, {},
     {}},  // Windows reads no line of it
    {"UTF-16 LE without its mark", Le("[Files]\r\n\"a\"\r\n"), kWrittenUtf16NoMark, 0, 0, kNone,
     false, {}, {}},
    {"a third of the units with a NUL: no UTF-16", Le("xy") + "abcdefgh", kWrittenAscii, 0, 0, kNone, false, {}, {}},
    {"short UTF-16 LE without its mark", Le("x=1"), kWrittenUtf16NoMark, 0, 0, kNone, false, {},
     {}},
    {"two units without a mark: the fewest that are UTF-16", Le("[]"), kWrittenUtf16NoMark, 0, 0,
     kNone, false, {}, {}},
    {"one unit is too few to tell", Le("["), kWrittenAscii, 0, 0, kNone, false, {}, {}},
    {"half the units with a NUL high byte: UTF-16", Le("ab") + "cdef", kWrittenUtf16NoMark, 0, 0,
     kNone, false, {}, {}},
    {"fewer than half: no UTF-16", Le("a") + "bcdefg", kWrittenAscii, 0, 0, kNone, false, {}, {}},
    {"UTF-16 LE without its mark, one unit in 8 with a NUL low byte (U+0100)",
     Le("abcdefgh") + std::string("\0\x01", 2), kWrittenUtf16NoMark, 0, 0, kNone, false, {}, {}},
    {"one unit in 7 with a NUL low byte: no UTF-16",
     Le("abcdefg") + std::string("\0\x01", 2), kWrittenAscii, 0, 0, kNone, false, {}, {}},
    {"UTF-16 BE without its mark", Be("[Files]\r\n\"a\"\r\n"), kWrittenUtf16NoMark, 0, 0, kNone,
     true, {}, {}},
};
// clang-format on

TEST(TextEncoding, WhatTheAuthorWroteLineByLine) {
  for (const EncodingCase& c : kEncodings) {
    SCOPED_TRACE(c.name);
    const FileEncoding written = EncodingOf(c.bytes);
    EXPECT_EQ(c.encoding, written.encoding);
    EXPECT_EQ(c.utf8Marks, written.utf8Marks);
    EXPECT_EQ(c.utf16Marks, written.utf16Marks);
    EXPECT_EQ(c.invalidAt, written.invalidAt);
    EXPECT_EQ(c.bigEndian, written.bigEndian);
    if (c.lines.empty()) continue;
    std::vector<std::string> lines;
    std::vector<WrittenEncoding> encodings;
    for (const ProfileLine& line : ReadProfile(c.bytes, kWindowsReading).lines) {
      lines.push_back(WrittenText(c.bytes, line.start, line.end, written));
      encodings.push_back(LineEncoding(c.bytes, line.start, line.end, written));
    }
    EXPECT_EQ(c.lines, lines);
    EXPECT_EQ(c.lineEncodings, encodings);
  }
}

TEST(TextEncoding, WhereTheTextBegins) {
  EXPECT_EQ(0u, TextStart(EncodingOf("[Files]")));
  EXPECT_EQ(6u, TextStart(EncodingOf(kMark + kMark + "[Files]")));
  EXPECT_EQ(4u, TextStart(EncodingOf("\xFF\xFE\xFF\xFE" + Le("a"))));
  EXPECT_EQ(2u, TextStart(EncodingOf("\xFE\xFF" + Be("a"))));
}

}  // namespace
