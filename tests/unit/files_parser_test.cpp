// The [Files] parser over hand-made buffers in the profile reader's form.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/files_parser.h"
#include "config/launch_list.h"
#include "fake_platform.h"

namespace {

const char kSyntax[] =
    "The following line from the [Files] section of the configuration file contains a syntax "
    "error:\n";
const char kNoFiles[] =
    "There are no files listed in the [Files] section of the configuration file.";
const char kTooMany[] =
    "The [Files] section of the configuration file contains more than 1000 entries.";

bool Parse(const std::vector<std::string>& lines) {
  ResetFake();
  std::string buffer = SectionBuffer(lines);
  return ParseFileList(buffer.data(), static_cast<uint32_t>(buffer.size()));
}

struct Accepted {
  const char* line;
  const char* path;
  const char* description;
  int keepOpenAllowed;
};

const Accepted kAccepted[] = {
    {"\"Setup.exe\"", "Setup.exe", "", 1},
    {"   \"Docs\\Manual.pdf\" \"User manual\\nPDF version\"", "Docs\\Manual.pdf",
     "User manual\r\nPDF version", 1},
    {"\"Tools\\Viewer.exe\" \"\" \"CheckboxDisabled\"", "Tools\\Viewer.exe", "", 0},
    {"\"a.txt\" \"Notes\" \"checkboxenabled\" more \"text\"", "a.txt", "Notes", 1},
    {"\"a.txt\" \"Notes\" \"CHECKBOXDISABLED\"\"trailing", "a.txt", "Notes", 0},
    {"\"a.txt\" \"CheckboxDisabled\"", "a.txt", "CheckboxDisabled", 1},
    {"\"a.txt\"=anything", "a.txt", "", 1},
    {"\"a.txt\"x\"Notes\"", "a.txt", "Notes", 1},
    {"\"a.txt\"\"Notes\"\"CheckboxDisabled\"", "a.txt", "Notes", 0},
    {"\"a.txt\" \"a\\\\nb\"", "a.txt", "a\\\r\nb", 1},
    {"\"a.txt\" \"\\n\\n\"", "a.txt", "\r\n\r\n", 1},
    {"\"a.txt\" \"C:\\Notes\\N\"", "a.txt", "C:\\Notes\\N", 1},
    {"\" spaced path \"", " spaced path ", "", 1},
    {"\"a.txt\" ; not a comment here", "a.txt", "", 1},
};

TEST(FilesParser, AcceptedLinesGiveTheirFields) {
  for (const Accepted& a : kAccepted) {
    EXPECT_TRUE(Parse({a.line})) << a.line;
    ASSERT_EQ(1, TheLaunchList.count) << a.line;
    const LaunchEntry& row = TheLaunchList.rows[0];
    EXPECT_STREQ(a.path, row.path) << a.line;
    EXPECT_STREQ(a.description, row.description) << a.line;
    EXPECT_EQ(a.keepOpenAllowed, row.keepOpenAllowed) << a.line;
    EXPECT_TRUE(Fake.messages.empty()) << a.line;
  }
}

const char* const kRejected[] = {
    "\"\"",
    "\"a.txt",
    "\"a.txt\" \"Notes",
    "\"a.txt\" \"Notes\" \"CheckboxEnabled",
    "\"a.txt\" \"Notes\" \"Yes\"",
    "\"a.txt\" \"Notes\" \"\"",
    "\"a.txt\" \"say \"hi\"\"",
    "\t\"a.txt\"",
    "a.txt",
    "File1=a.txt",
    "File1=\"a.txt\"",
    "a.txt\"",
    "     ",
    "\"a.txt\" \"Notes\" \"Checkbox\xc9nabled\"",
    "\"a.txt\" \"Notes\" \"CheckboxEnabledX\"",
};

TEST(FilesParser, RejectedLinesShowTheSyntaxError) {
  for (const char* line : kRejected) {
    EXPECT_FALSE(Parse({"\"first.txt\"", line, "\"never.txt\""})) << line;
    EXPECT_EQ(1, TheLaunchList.count) << line;  // the failing line leaves no partial row
    ASSERT_EQ(1u, Fake.messages.size()) << line;
    EXPECT_EQ(std::string(kSyntax) + line, Fake.messages[0].text);
    EXPECT_EQ("Syntax Error", Fake.messages[0].caption);
    EXPECT_EQ(kIconError, Fake.messages[0].icon);
  }
}

TEST(FilesParser, FieldLengthBoundaries) {
  struct {
    std::string line;
    bool accepted;
  } cases[] = {
      {"\"" + std::string(260, 'p') + "\"", true},
      {"\"" + std::string(261, 'p') + "\"", false},
      {"\"" + std::string(261, 'p'), false},
      {"\"a\" \"" + std::string(500, 'd') + "\"", true},
      {"\"a\" \"" + std::string(501, 'd') + "\"", false},
      {"\"a\" \"" + std::string(498, 'd') + "\\n\"", true},
      {"\"a\" \"\" \"CheckboxDisabled\"", true},
      {"\"a\" \"\" \"CheckboxDisabled" + std::string(3, ' ') + "\"", false},
      {"\"a\" \"\" \"" + std::string(19, 'c') + "\"", false},
      {"\"a\" \"\" \"" + std::string(20, 'c') + "\"", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.accepted, Parse({c.line})) << c.line;
    EXPECT_EQ(c.accepted ? 1 : 0, TheLaunchList.count);
  }
  Parse({"\"" + std::string(260, 'p') + "\" \"" + std::string(500, 'd') + "\""});
  EXPECT_EQ(260u, std::string(TheLaunchList.rows[0].path).size());
  EXPECT_EQ(500u, std::string(TheLaunchList.rows[0].description).size());
}

TEST(FilesParser, SyntaxMessageQuotesAtMost200BytesWithLeadingSpaces) {
  std::string line = "  " + std::string(300, 'z');
  EXPECT_FALSE(Parse({line}));
  EXPECT_EQ(std::string(kSyntax) + line.substr(0, 200), Fake.messages[0].text);
}

TEST(FilesParser, CommentsAreSkippedAndNotCounted) {
  EXPECT_TRUE(Parse({"; comment", "\"b.txt\"", "   ;comment", "\"a.txt\""}));
  ASSERT_EQ(2, TheLaunchList.count);
  EXPECT_STREQ("b.txt", TheLaunchList.rows[0].path);  // file order, not sorted
  EXPECT_STREQ("a.txt", TheLaunchList.rows[1].path);
}

TEST(FilesParser, OnlyCommentsLeavesTheListEmptyWithoutAMessage) {
  EXPECT_TRUE(Parse({"; one", ";two"}));
  EXPECT_EQ(0, TheLaunchList.count);
  EXPECT_TRUE(Fake.messages.empty());
}

TEST(FilesParser, EmptyBufferShowsTheNoFilesMessage) {
  ResetFake();
  const char empty[2] = {0, 0};
  EXPECT_FALSE(ParseFileList(empty, 2));
  ASSERT_EQ(1u, Fake.messages.size());
  EXPECT_EQ(kNoFiles, Fake.messages[0].text);
  EXPECT_EQ("Unexpected Error", Fake.messages[0].caption);
  ResetFake();
  EXPECT_FALSE(ParseFileList(empty, 0));  // nothing at all may be read
  EXPECT_EQ(1u, Fake.messages.size());
}

std::vector<std::string> Entries(int count) {
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i) {
    lines.push_back("\"file" + std::to_string(i) + ".txt\"");
    if (i % 100 == 0) lines.push_back("; comment between entries");
  }
  return lines;
}

TEST(FilesParser, ThousandEntriesAreAcceptedWithCommentsAfterThem) {
  std::vector<std::string> lines = Entries(1000);
  lines.push_back("; comment after the last entry");
  EXPECT_TRUE(Parse(lines));
  EXPECT_EQ(1000, TheLaunchList.count);
  EXPECT_STREQ("file999.txt", TheLaunchList.rows[999].path);
}

TEST(FilesParser, AValid1001stEntryIsTooMany) {
  EXPECT_FALSE(Parse(Entries(1001)));
  ASSERT_EQ(1u, Fake.messages.size());
  EXPECT_EQ(kTooMany, Fake.messages[0].text);
  EXPECT_EQ("Too Many Files", Fake.messages[0].caption);
  EXPECT_EQ(1000, TheLaunchList.count);
}

TEST(FilesParser, AMalformed1001stLineIsASyntaxError) {
  std::vector<std::string> lines = Entries(1000);
  lines.push_back("\"broken");
  EXPECT_FALSE(Parse(lines));
  ASSERT_EQ(1u, Fake.messages.size());
  EXPECT_EQ("Syntax Error", Fake.messages[0].caption);
}

// The buffer ends where memory that cannot be read begins: no byte past size is read, whether
// the lines and the list are ended by their zeros or not.
TEST(FilesParser, StopsAtTheBufferEndEvenWithoutTerminators) {
  const struct {
    std::string buffer;
    std::vector<std::string> rows;
    std::string message;
  } cases[] = {
      {"\"a\"", {"a"}, ""},
      {std::string("\"a\"\0\"b\"", 7), {"a", "b"}, ""},
      {std::string("\"a\"\0", 4), {"a"}, ""},
      {std::string("\"a\" \"about a\" \"CheckboxDisabled\"", 32), {"a"}, ""},
      {std::string("\"a\"\0; last", 10), {"a"}, ""},
      {"\"a", {}, std::string(kSyntax) + "\"a"},
      {"\"", {}, std::string(kSyntax) + "\""},
      {"a", {}, std::string(kSyntax) + "a"},
      {std::string("\"a\"\0  \"b", 9), {"a"}, std::string(kSyntax) + "  \"b"},
      {std::string("\"a\" \"about", 11), {}, std::string(kSyntax) + "\"a\" \"about"},
      {"", {}, kNoFiles},
  };
  for (const auto& c : cases) {
    ResetFake();
    const BytesAtMemoryEnd buffer(c.buffer);
    EXPECT_EQ(c.message.empty(), ParseFileList(buffer.data(), c.buffer.size())) << c.buffer;
    std::vector<std::string> rows;
    for (int i = 0; i < TheLaunchList.count; ++i) rows.push_back(TheLaunchList.rows[i].path);
    EXPECT_EQ(c.rows, rows) << c.buffer;
    std::vector<std::string> shown;
    for (const ShownMessage& m : Fake.messages) shown.push_back(m.text);
    EXPECT_EQ(c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message},
              shown)
        << c.buffer;
  }
}

}  // namespace

TEST(FilesParser, OneLineAtATimeTellsItsKindAndWhereItEnds) {
  const struct {
    std::string buffer;
    FileLineKind kind;
    uint32_t length;
  } cases[] = {
      {std::string("\"a.txt\"\0\"b.txt\"\0", 16), kEntryLine, 7},
      {std::string("  ; note\0", 9), kCommentLine, 8},
      {std::string("\"a.txt\" \"d\" \"CheckboxDisabled\" x\0", 33), kEntryLine, 32},
      {std::string("a.txt\0", 6), kBadLine, 0},
      {std::string("\"a.txt", 6), kBadLine, 6},
      {std::string("\"a.txt\"", 7), kEntryLine, 7},  // runs to the buffer's end
  };
  for (const auto& c : cases) {
    LaunchEntry entry;
    uint32_t length = 99;
    EXPECT_EQ(c.kind, ReadFileLine(c.buffer.data(), static_cast<uint32_t>(c.buffer.size()), &entry,
                                   &length))
        << c.buffer;
    if (c.kind != kBadLine) {
      EXPECT_EQ(c.length, length) << c.buffer;
    }
  }
}
