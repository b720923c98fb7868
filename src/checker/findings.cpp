// The words of every kind of finding, in one table, and the pieces of text findings quote.
#include "checker/findings.h"

#include "checker/ansi_text.h"

namespace {

// In words: {N} is argument N; {N?a|b} is a where argument N is not empty, else b; {N#a|b} is a
// where argument N is "1", else b.
struct KindWords {
  FindingKind kind;
  const char* name;
  const char* words;
  const char* advice;
};

#define SAVE_AS_UTF16(fixable)                                   \
  "Save the file as UTF-16 LE (Notepad's \"UTF-16 LE\"{" fixable \
  "?; lanterpick-check --fix does it|})."
#define UTF8_MARK                                                                              \
  "The file starts with a UTF-8 byte-order mark, which Windows does not recognise: its three " \
  "bytes stay in front of line 1"
#define MARK_ADVICE                                                             \
  "{2?Save the file without the mark, as ANSI (lanterpick-check --fix removes " \
  "it).|" SAVE_AS_UTF16("3") "}"
#define UTF8_READ_AS_ANSI \
  "This is UTF-8 text, which Windows reads as ANSI bytes: \"{1}\" shows as \"{2}\"."
#define MORE_MARKS                                                                            \
  "The file starts with {1} {2} byte-order marks: an editor takes the first for a mark, but " \
  "the others are text in front of line 1 to Windows and Wine alike, "
#define MARKS_ADVICE                                                                           \
  "Save the file without them (lanterpick-check --fix removes them{4? and saves it as UTF-16 " \
  "LE|})."
#define FORBIDDEN_WHY "{3# (it names a data stream of another file)|}{4# (it is a wildcard)|}"
#define BUTTON_SIZE                                                                             \
  "{1}: Wine reads {2}{6? (the launcher keeps its default for an empty value)|}; what Windows " \
  "reads "
#define BUTTON_ADVICE \
  "{6?Write {3}={4}, or remove the line.|Write the number in plain decimal: {3}={4}.}"

constexpr KindWords kWords[] = {
    {kUtf16BigEndian, "utf16-big-endian",
     "The file is UTF-16 big-endian (it starts with FE FF), which Windows cannot read: it reads "
     "nothing from it.",
     "Save it as UTF-16 LE (Notepad's \"UTF-16 LE\"; lanterpick-check --fix does it)."},
    {kUtf16WithoutMark, "utf16-without-mark",
     "The file looks like UTF-16 {1} text without its byte-order mark: Windows and Wine read it as "
     "ANSI bytes, with a NUL byte beside every character.",
     "Save it as UTF-16 LE with its mark (Notepad's \"UTF-16 LE\")."},
    {kUtf8MarkHidesHeader, "utf8-mark-hides-header",
     UTF8_MARK ", \"{1}\", so Windows does not read that header and the whole section is lost.",
     MARK_ADVICE},
    {kUtf8MarkBeforeText, "utf8-mark",
     UTF8_MARK ", which the launcher does not read, so nothing changes today.", MARK_ADVICE},
    {kNotUtf8BehindMark, "not-utf8-behind-mark",
     "This line holds bytes that are not UTF-8 ({1}), though the file starts with a UTF-8 mark: "
     "Wine shows \"?\" for them, Windows each byte as a character.",
     "Type the text again, then save the file as UTF-16 LE."},
    {kUtf8ReadAsAnsi, "utf8-read-as-ansi", UTF8_READ_AS_ANSI, SAVE_AS_UTF16("5")},
    {kUtf8BeyondWindows1252, "utf8-beyond-windows-1252",
     UTF8_READ_AS_ANSI " Windows-1252 cannot hold {3}, which no save shows.",
     "Write the text without {3}{4?, then save the file as UTF-16 LE (Notepad's \"UTF-16 "
     "LE\"{5?; lanterpick-check --fix does it|}).|.}"},
    {kUtf8LineInAnsiFile, "utf8-line-in-ansi-file",
     "This line is UTF-8, but line {6} holds bytes that are no UTF-8, so Notepad opens the file "
     "as ANSI and shows \"{1}\" as \"{2}\", as Windows does.",
     "Type the text of this line again there{3?, without {3},|} and save the file as ANSI."},
    {kMarksHideHeader, "marks-hide-header",
     MORE_MARKS "so neither reads \"{3}\" as a header and the whole section is lost.",
     MARKS_ADVICE},
    {kMarksBeforeText, "marks",
     MORE_MARKS "which the launcher does not read, so nothing changes "
                "today.",
     MARKS_ADVICE},
    {kMarkStartsLine, "mark-starts-line",
     "This line starts with a byte-order mark (U+FEFF), as where two files were joined: Windows "
     "and Wine alike read it as text in front of \"{1}\"{2?, which is then no header: its lines "
     "belong to the section above|}.",
     "Delete it{3? (lanterpick-check --fix does it)|}."},
    {kBeyondWindows1252, "beyond-windows-1252",
     "\"{1}\" holds characters that Windows-1252 cannot hold ({3}): Windows shows \"{2}\", "
     "whatever the file is saved as.",
     "Write the text without {3}."},
    {kLookAlike, "look-alike",
     "\"{1}\" holds {2}: characters that look like plain ones but are others to Windows and Wine, "
     "so the line does not read as it looks.",
     "Type the plain ones in their place."},
    {kNulByte, "nul-byte",
     "This line holds a NUL byte: Wine ends the line there, reading \"{1}\"; what Windows does is "
     "not known.",
     "Remove it."},
    {kUnmeasuredBlank, "form-feed-or-eof-byte",
     "A form feed or an end-of-file byte (0x1A) stands at an end of this line or of its value: "
     "Wine trims it as a blank; whether Windows does is not known (if it keeps it, a [Files] line "
     "no longer ends with its quote).",
     "Remove it."},
    {kLoneBlankByte, "form-feed-or-eof-line",
     "This line of [Files] holds only a form feed or an end-of-file byte (0x1A): Wine reads it as "
     "blank; whether Windows does is not known (if it keeps it, [Files] gains a line without "
     "quotes and the launcher refuses to start).",
     "Remove it."},
    {kBlanksAroundEquals, "blanks-around-equals",
     "The blanks around the first \"=\" of a [Files] line are dropped: the row reads \"{1}\", not "
     "\"{2}\".",
     "Write it without them, or without \"=\"."},
    {kBracketLineIsHeader, "bracket-line-is-header",
     "Windows reads \"{1}\" as a section header, so the lines below it are no longer in [{2}]; "
     "Wine reads it as a line of that section.",
     "Delete the line."},
    {kHeaderBrackets, "header-brackets",
     "Windows reads \"{1}\" as the header [{2}], Wine as [{3}].",
     "Write it with one closing bracket: \"[{2}]\"."},
    {kHeaderWithoutBracket, "header-without-bracket",
     "Windows reads \"{1}\" as the header [{2}], Wine as no header at all.",
     "Write it with its closing bracket: \"[{2}]\"."},
    {kNumberInQuotes, "number-in-quotes",
     BUTTON_SIZE "in quotes{5? and with a base prefix|} is not known.", BUTTON_ADVICE},
    {kNumberWithBasePrefix, "number-with-base-prefix",
     BUTTON_SIZE "with a base prefix is not known.", BUTTON_ADVICE},
    {kQuotedTextOneOver, "quoted-text-one-over",
     "{1} is {2} bytes in quotes, one over its limit of {3}: Wine drops the last character and "
     "accepts it; what Windows does is not known.",
     "Remove the quotes and shorten it to {3} bytes."},
    {kValueLengthWraps, "value-length-wraps",
     "{1} is {2} bytes long; Windows reads a value's length modulo 65,536, so it reads {3} of "
     "them, and Wine all.",
     "Shorten it{4? to at most {4} bytes|}."},
    {kSecondSection, "second-section",
     "A second [{1}] section: the launcher reads only the first, on line {2}, so the {3} "
     "{3#line|lines} here {3#is|are} not read.",
     "Move {3#it|them} into the first."},
    {kFilesSectionLong, "files-section-long",
     "The [Files] section is {1} characters long. Windows is documented to read at most 32,767 of "
     "a section; whether today's Windows cuts it is not known.",
     "Keep it shorter: fewer or shorter descriptions."},
    {kSlashInPath, "slash-in-path",
     "\"{1}\": / works, but the list shows the whole path as the name;",
     "write \\ (lanterpick-check --fix does it)."},
    {kAbsolutePath, "absolute-path", "\"{1}\" is an absolute path; not checked.", ""},
    {kFileNotInFolder, "file-not-in-folder",
     "\"{1}\" is not in the folder. The launcher opens it relative to its current folder when it "
     "runs, which is this folder only when it is started from here.",
     ""},
    {kPathNamesFolder, "path-names-folder", "\"{1}\" names a folder, not a file.", ""},
    {kRowForbiddenCharacter, "row-forbidden-character",
     "\"{1}\": Windows does not allow \"{2}\" in a file name" FORBIDDEN_WHY
     ", so it cannot open it.",
     "Rename the file, and the row with it."},
    {kRowDeviceName, "row-device-name",
     "\"{1}\": Windows 10 and earlier take {2} for a device, with or without an extension, not a "
     "file.",
     "Rename the file, and the row with it."},
    {kRowLeavesFolder, "row-leaves-folder",
     "\"{1}\" is not on the disc: the folder is the disc's root, above which \"..\" goes "
     "nowhere, so Windows opens {2}, which is not in the folder.",
     "Put the file in the folder and write its path from there."},
    {kRowTrailingDotOrSpace, "row-trailing-dot-or-space",
     "\"{1}\": Windows drops the trailing dots and spaces and opens {2}; whether the shell then "
     "opens it by its type is not known.",
     "Write \"{3}\"."},
    {kRowNotAFile, "row-not-a-file",
     "\"{1}\" is not a file Windows can open: a broken link, a pipe or a device stands there.",
     "Put the file itself there."},
    {kRowDotsStopAtRoot, "row-dots-stop-at-root",
     "\"{1}\" climbs above the folder through \"..\": on the disc, whose root the folder is, "
     "\"..\" stops there and Windows opens {2}, this folder's file; copied into a folder of a "
     "stick or share, the row would open a file outside it.",
     "Write \"{3}\"."},
    {kRowEndsInSeparator, "row-ends-in-separator",
     "\"{1}\" ends in \"\\\", so Windows looks for a folder named \"{2}\" and cannot open the file "
     "of that name.",
     "Write \"{3}\"."},
    {kNameForbiddenCharacter, "forbidden-character",
     "\"{1}\": Windows does not allow \"{2}\" in a file name" FORBIDDEN_WHY
     ", so no one can open it there.",
     "Rename it."},
    {kNameDeviceName, "device-name",
     "\"{1}\": Windows 10 and earlier take {2} for a device, with or without an extension, so no "
     "one can open it there.",
     "Rename it."},
    {kNameTrailingDotOrSpace, "trailing-dot-or-space",
     "\"{1}\": Windows drops the trailing dots and spaces of a name, so it opens \"{2}\" "
     "instead.",
     "Rename it."},
    {kNameNotAFile, "not-a-file",
     "\"{1}\" is {2#a broken link|a pipe, a socket or a device}, not a file Windows can open.",
     "{2#Put the file itself there.|Remove it.}"},
    {kNameBeyondWindows1252, "not-in-windows-1252",
     "\"{1}\": Windows-1252 cannot hold {2}{4# as written here (its accent kept apart from its "
     "letter, as macOS writes names)|}, so the launcher lists it as \"{3}\" and cannot open it by "
     "that name.",
     "Rename it{4# with each accented letter as one character|}."},
    {kNameCaseClash, "case-clash",
     "The folder holds {2}, one name to Windows, which compares names without regard to case: a "
     "copy to a disc or stick keeps only one of them.",
     "Rename or remove all but one."},
    {kUnreadIni, "unread-ini",
     "The launcher reads {1}, which is not in the folder, so it lists its folder instead, though "
     "the folder holds {2}{4#, which holds neither [Files] nor [SystemSettings], as another "
     "program's INI would|}.",
     "{4#If it is the launcher's, rename it to {1}.|{3?Name the launcher {3}, or rename|Rename} "
     "the INI to {1}.}"},
    {kIniCaseClash, "ini-case-clash",
     "The folder holds {1}, one name to Windows, which compares names without regard to case: a "
     "copy to a disc or stick keeps only one of them, and the launcher reads whichever that is.",
     "Remove all but one."},
};
constexpr bool EachKindInItsPlace() {
  for (int kind = 0; kind < kFindingKinds; ++kind) {
    if (kWords[kind].kind != kind) return false;
  }
  return sizeof kWords / sizeof kWords[0] == kFindingKinds;
}
static_assert(EachKindInItsPlace(), "the words of every kind, in the order of the kinds");

// The choice at text (after "{N?" or "{N#") up to its closing brace; text is left after it.
std::string Choice(const char*& text, bool first) {
  std::string choices[2];
  int depth = 0, at = 0;
  for (; depth > 0 || *text != '}'; ++text) {
    depth += *text == '{' ? 1 : *text == '}' ? -1 : 0;
    if (depth == 0 && *text == '|') {
      at = 1;
    } else {
      choices[at] += *text;
    }
  }
  return choices[first ? 0 : 1];
}

std::string Expand(const char* text, const std::vector<std::string>& arguments) {
  std::string out;
  for (; *text != '\0'; ++text) {
    if (*text != '{') {
      out += *text;
      continue;
    }
    const size_t n = static_cast<size_t>(text[1] - '1');
    const std::string argument = n < arguments.size() ? arguments[n] : "";
    const char how = text[2];
    text += how == '}' ? 2 : 3;
    if (how == '}') {
      out += argument;
    } else {
      const bool first = how == '?' ? !argument.empty() : argument == "1";
      out += Expand(Choice(text, first).c_str(), arguments);
    }
  }
  return out;
}

}  // namespace

unsigned ConcernOf(ProfileDialect dialect) {
  return dialect == kWindowsReading ? kConcernsWindows : kConcernsWine;
}

const char* FindingName(FindingKind kind) {
  return kWords[kind].name;
}

std::string FindingText(const Finding& finding) {
  const KindWords& words = kWords[finding.kind];
  const std::string advice = Expand(words.advice, finding.arguments);
  return Expand(words.words, finding.arguments) + (advice.empty() ? "" : " " + advice);
}

size_t FirstBeyondAscii(const std::string& text) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (static_cast<uint8_t>(text[i]) >= 0x80) return i;
  }
  return std::string::npos;
}

std::string WordAround(const std::string& text, size_t at) {
  const size_t start = text.find_last_of(" \t\"=\r\n", at) + 1;  // npos + 1 is 0
  const size_t end = text.find_first_of(" \t\"\r\n", at);
  return text.substr(start, (end == std::string::npos ? text.size() : end) - start);
}

bool IsAccentApart(uint32_t codePoint) {
  return codePoint >= 0x300 && codePoint <= 0x36F;
}

std::string UnfitCharacters(const std::string& utf8) {
  std::string listed;
  size_t previous = 0;
  ForEachUtf8(utf8, 0, [&](size_t at, const Utf8Sequence& sequence) {
    // An accent kept apart from its letter is shown on it.
    const size_t from = IsAccentApart(sequence.codePoint) ? previous : at;
    const std::string character = IsUnseen(sequence.codePoint)
                                      ? CodePointName(sequence.codePoint)
                                      : utf8.substr(from, at + sequence.length - from);
    if (!FitsAnsi(sequence.codePoint) &&  // ASCII and broken sequences (0) fit
        (", " + listed + ",").find(", " + character + ",") == std::string::npos) {
      listed += (listed.empty() ? "" : ", ") + character;
    }
    previous = at;
    return true;
  });
  return listed;
}

std::string BrokenUtf8At(const std::string& bytes, size_t at) {
  static const char kDigits[] = "0123456789ABCDEF";
  const size_t count = Utf8SequenceAt(bytes, at).invalid;
  std::string out;
  for (size_t i = at; i < at + count && i < bytes.size(); ++i) {
    if (!out.empty()) out += ' ';
    out += kDigits[static_cast<uint8_t>(bytes[i]) >> 4];
    out += kDigits[bytes[i] & 0xF];
  }
  return out;
}
