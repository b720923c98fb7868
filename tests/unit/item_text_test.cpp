// Row text: names cut with "...", whole paths shortened around "\...\", ".lnk" hidden.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "dialog/item_text.h"

namespace {

struct RowCase {
  const char* path;
  int width;
  int fullPath;
  const char* text;
};

const char kClip[] = "E:\\Media\\Video\\Clips\\2019\\holiday.mp4";  // 37 characters

const RowCase kRows[] = {
    // Whole paths: components join from the right while they fit.
    {kClip, 37, 1, kClip},
    {kClip, 36, 1, "E:\\...\\Video\\Clips\\2019\\holiday.mp4"},
    {kClip, 35, 1, "E:\\...\\Video\\Clips\\2019\\holiday.mp4"},  // reaches exactly W
    {kClip, 34, 1, "E:\\...\\Clips\\2019\\holiday.mp4"},
    {kClip, 18, 1, "E:\\...\\holiday.mp4"},
    {kClip, 17, 1, "E:\\...\\holiday.mp4"},  // the last component is never cut
    // The walk ends at the first component that does not fit, even if a shorter one would.
    {"E:\\a\\very-long-component\\b\\file.txt", 20, 1, "E:\\...\\b\\file.txt"},
    // A path that starts with backslashes has an empty head.
    {"\\\\srv\\share\\dir\\doc.txt", 20, 1, "\\...\\dir\\doc.txt"},
    {"\\\\srv\\share\\dir\\doc.txt", 22, 1, "\\...\\share\\dir\\doc.txt"},
    // The head is cut at W with no mark.
    {"Distribution\\p\\q", 6, 1, "Distri\\...\\q"},
    // Two backslashes side by side: L + 3.
    {"C:\\\\name-is-long.txt", 10, 1, "C:\\...\\name-is-long.txt"},
    {"C:\\Temp\\", 5, 1, "C:\\...\\"},
    // An empty component (two backslashes side by side) is kept when it fits, like any other.
    {"C:\\long-folder-name\\\\b.txt", 20, 1, "C:\\...\\\\b.txt"},
    {"C:\\a-rather-long-file-name.doc", 10, 1, "a-rather-long-file-name.doc"},
    {"C:/Users/Public/readme.txt", 15, 1, "C:/Users/Pub..."},
    {"C:/Users/Public/readme.txt", 15, 0, "C:/Users/Pub..."},
    {"short.txt", 9, 1, "short.txt"},
    // Names: the last component, cut to exactly W.
    {kClip, 11, 0, "holiday.mp4"},
    {kClip, 10, 0, "holiday..."},
    {"C:\\Temp\\", 40, 0, ""},
    {"report.pdf", 10, 0, "report.pdf"},
    {"report.pdf", 9, 0, "report..."},
    // Shortcut extensions go after the width rules.
    {"C:\\Links\\Paint.lnk", 18, 1, "C:\\Links\\Paint"},
    {"C:\\Links\\Paint.lnk", 17, 1, "C:\\...\\Paint"},
    {"C:\\Links\\Paint.LnK", 40, 0, "Paint"},
    {"Editor.lnk", 10, 0, "Editor"},
    {"Editor.lnk", 9, 0, "Editor..."},
    {"A Shortcut With A Long Name.lnk", 20, 0, "A Shortcut With A..."},
    {"Read.lnk.txt", 40, 0, "Read.lnk.txt"},
    {"x.lnk2", 40, 0, "x.lnk2"},
    {".LNK", 40, 0, ""},
    // Below three characters only the dots that fit are shown.
    {"abcd", 3, 0, "..."},
    {"abcd", 2, 0, ".."},
    {"abcd", 0, 1, ""},
    {"abcd", -4, 0, ""},
};

TEST(MakeItemText, RowTexts) {
  for (const RowCase& c : kRows) {
    char out[kItemTextRoom];
    MakeItemText(c.path, c.width, c.fullPath, out);
    EXPECT_STREQ(c.text, out) << c.path << " W=" << c.width << " full=" << c.fullPath;
  }
}

TEST(ShortenPath, ResultTellsWhetherAnyRuleApplied) {
  char out[kItemTextRoom];
  EXPECT_EQ(0, ShortenPath("C:\\a\\b.txt", out, 10));
  EXPECT_EQ(1, ShortenPath("C:\\a\\b.txt", out, 9));
  EXPECT_EQ(1, ShortenPath("C:\\b.txt", out, 3));
  EXPECT_EQ(1, ShortenPath("abc", out, 2));
  EXPECT_EQ(1, ShortenPath("abc", out, -2));  // below 0 counts as 0: nothing of the text fits
  EXPECT_STREQ("", out);
}

TEST(ShortenPath, LongestPathStaysInsideTheBuffer) {
  std::string path = "C:\\\\" + std::string(256, 'n');  // two backslashes side by side, 260
  char out[kItemTextRoom + 8];
  memset(out, 'G', sizeof out);
  ShortenPath(path.c_str(), out, 10);
  EXPECT_EQ(263u, strlen(out));
  EXPECT_EQ('G', out[kItemTextRoom]);
}

TEST(RowWidth, ClientWidthOverAverageLessOne) {
  EXPECT_EQ(48, RowWidth(290, 7));
  EXPECT_EQ(48, RowWidth(292, 7));
  EXPECT_EQ(41, RowWidth(292, 8));
  EXPECT_EQ(290, RowWidth(290, 2));
  EXPECT_EQ(290, RowWidth(290, 1));  // no divisor left: a pixel a character
  EXPECT_EQ(290, RowWidth(290, 0));
  EXPECT_EQ(0, RowWidth(-5, 7));
  EXPECT_EQ(1, RowWidth(1, 2));  // one pixel is one character then
  EXPECT_EQ(0, RowWidth(0, 2));
}

TEST(CountOccurrences, NonOverlappingFromTheLeft) {
  EXPECT_EQ(2, CountOccurrences("a\\b\\c", "\\"));
  EXPECT_EQ(2, CountOccurrences("aaaa", "aa"));
  EXPECT_EQ(1, CountOccurrences("aaa", "aa"));
  EXPECT_EQ(0, CountOccurrences("", "\\"));
}

TEST(CopyLastComponent, CopiesAfterTheLastBackslashOnly) {
  char out[16] = "keep";
  CopyLastComponent("noslash", out);
  EXPECT_STREQ("keep", out);
  CopyLastComponent("C:\\a\\b.txt", out);
  EXPECT_STREQ("b.txt", out);
  CopyLastComponent("C:\\dir\\", out);
  EXPECT_STREQ("", out);
}

}  // namespace
