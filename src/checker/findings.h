// What the checker finds in an INI beyond the launcher's own messages: each finding is data (its
// kind, line, the readings it concerns and its arguments); one table gives each kind its words.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "checker/profile_reader.h"

enum FindingKind {
  kUtf16BigEndian,
  kUtf16WithoutMark,
  kUtf8MarkHidesHeader,
  kUtf8MarkBeforeText,
  kNotUtf8BehindMark,
  kUtf8ReadAsAnsi,
  kUtf8BeyondWindows1252,
  kUtf8LineInAnsiFile,
  kMarksHideHeader,
  kMarksBeforeText,
  kMarkStartsLine,
  kBeyondWindows1252,
  kLookAlike,
  kNulByte,
  kUnmeasuredBlank,
  kLoneBlankByte,
  kBlanksAroundEquals,
  kBracketLineIsHeader,
  kHeaderBrackets,
  kHeaderWithoutBracket,
  kNumberInQuotes,
  kNumberWithBasePrefix,
  kQuotedTextOneOver,
  kValueLengthWraps,
  kSecondSection,
  kFilesSectionLong,
  kSlashInPath,
  kAbsolutePath,
  kFileNotInFolder,
  kPathNamesFolder,
  kRowForbiddenCharacter,
  kRowDeviceName,
  kRowLeavesFolder,
  kRowTrailingDotOrSpace,
  kRowNotAFile,
  kRowDotsStopAtRoot,
  kRowEndsInSeparator,
  kNameForbiddenCharacter,
  kNameDeviceName,
  kNameTrailingDotOrSpace,
  kNameNotAFile,
  kNameBeyondWindows1252,
  kNameCaseClash,
  kUnreadIni,
  kIniCaseClash,
  kFindingKinds
};

// The readings a finding changes. One that changes neither is a note: harmless today.
constexpr unsigned kConcernsWindows = 1, kConcernsWine = 2;
constexpr unsigned kConcernsBoth = kConcernsWindows | kConcernsWine;

// The concern bit of a dialect's reading.
unsigned ConcernOf(ProfileDialect dialect);

struct Finding {
  FindingKind kind;
  int line;                            // of the INI; 0 for the file as a whole
  unsigned concerns;                   // kConcernsWindows, kConcernsWine, both, or none
  std::vector<std::string> arguments;  // UTF-8, in the order the kind's words take them
};

// The kind's stable name for scripts: "utf8-read-as-ansi".
const char* FindingName(FindingKind kind);

// What the finding says and the fix, in UTF-8.
std::string FindingText(const Finding& finding);

// The pieces of a line that findings quote.

// Where the first byte over 0x7F stands, or npos.
size_t FirstBeyondAscii(const std::string& text);

// The word of a text around position at: up to blanks, quotes, '=' and line ends.
std::string WordAround(const std::string& text, size_t at);

// Whether a code point is an accent kept apart from the letter before it (U+0300-U+036F).
bool IsAccentApart(uint32_t codePoint);

// The characters of UTF-8 text that Windows-1252 lacks, each once: "ł, ő"; an accent kept apart
// from its letter, with that letter.
std::string UnfitCharacters(const std::string& utf8);

// The bytes of the broken UTF-8 sequence at at, in hexadecimal: "E2 82".
std::string BrokenUtf8At(const std::string& bytes, size_t at);
