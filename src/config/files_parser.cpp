// The [Files] section: one launch-list row per entry line, in file order.
#include "config/files_parser.h"

#include <cstring>

#include "config/launch_list.h"
#include "config/text_rules.h"
#include "launcher/messages.h"
#include "launcher/platform.h"

namespace {

enum { kFlagWordLongest = 19, kQuotedLineLongest = 200, kSyntaxMessageRoom = 300 };

struct Cursor {
  const char* buffer;
  uint32_t size;
  uint32_t at;
};

char ByteAt(const Cursor& c, uint32_t i) {
  return i < c.size ? c.buffer[i] : '\0';
}
char Current(const Cursor& c) {
  return ByteAt(c, c.at);
}

// The cursor stands on the opening quote. A field ends at the next quote; the end of the line
// before it, or more than longest bytes, is a syntax error.
bool ReadQuotedField(Cursor& c, char* field, int longest) {
  ++c.at;
  int length = 0;
  for (char b = Current(c); b != '"'; b = Current(c)) {
    if (b == '\0' || length == longest) return false;
    field[length++] = b;
    ++c.at;
  }
  field[length] = '\0';
  ++c.at;
  return true;
}

// Passes over anything but a quote; true when a quote follows on this line.
bool SkipToQuote(Cursor& c) {
  while (Current(c) != '\0' && Current(c) != '"') ++c.at;
  return Current(c) == '"';
}

void SkipToEndOfLine(Cursor& c) {
  while (Current(c) != '\0') ++c.at;
}

bool ReadFlagWord(Cursor& c, LaunchEntry& entry) {
  char word[kFlagWordLongest + 1];
  if (!ReadQuotedField(c, word, kFlagWordLongest)) return false;
  if (CompareAsciiFolded(word, "CheckboxEnabled") == 0) {
    entry.keepOpenAllowed = 1;
  } else if (CompareAsciiFolded(word, "CheckboxDisabled") == 0) {
    entry.keepOpenAllowed = 0;
  } else {
    return false;
  }
  SkipToEndOfLine(c);
  return true;
}

// Reads one entry line into entry; the three quoted fields are known by position alone.
bool ReadEntryLine(Cursor& c, LaunchEntry& entry) {
  if (Current(c) != '"') return false;
  if (!ReadQuotedField(c, entry.path, kMaxPathLength) || entry.path[0] == '\0') return false;
  if (!SkipToQuote(c)) return true;
  if (!ReadQuotedField(c, entry.description, kMaxDescriptionLength)) return false;
  ReplaceLineBreaks(entry.description);
  if (!SkipToQuote(c)) return true;
  return ReadFlagWord(c, entry);
}

LaunchEntry Scratch;

}  // namespace

bool ReportTooManyFiles() {
  char message[120];
  PlatformFormat(message,
                 "The [Files] section of the configuration file contains more than %li entries.",
                 static_cast<long>(kMaxEntries));
  ShowError(message, "Too Many Files");
  return false;
}

void ReportNoFilesListed() {
  ShowError("There are no files listed in the [Files] section of the configuration file.",
            kUnexpectedError);
}

void ReportSyntaxError(const char* line, uint32_t available) {
  char quoted[kQuotedLineLongest + 1];
  uint32_t length = 0;
  while (length < kQuotedLineLongest && length < available && line[length] != '\0') {
    quoted[length] = line[length];
    ++length;
  }
  quoted[length] = '\0';
  char message[kSyntaxMessageRoom];
  PlatformFormat(message,
                 "The following line from the [Files] section of the configuration file contains "
                 "a syntax error:\n%.200s",
                 quoted);
  ShowError(message, "Syntax Error");
}

FileLineKind ReadFileLine(const char* line, uint32_t size, LaunchEntry* entry, uint32_t* length) {
  Cursor c = {line, size, 0};
  memset(entry, 0, sizeof *entry);
  entry->keepOpenAllowed = 1;
  while (Current(c) == ' ') ++c.at;
  FileLineKind kind = kEntryLine;
  if (Current(c) == ';') {
    SkipToEndOfLine(c);
    kind = kCommentLine;
  } else if (!ReadEntryLine(c, *entry)) {
    kind = kBadLine;
  }
  *length = c.at;
  return kind;
}

bool ParseFileList(const char* buffer, uint32_t size) {
  uint32_t at = 0;
  if (size == 0 || buffer[0] == '\0') {
    ReportNoFilesListed();
    return false;
  }
  do {
    uint32_t length = 0;
    FileLineKind kind = ReadFileLine(buffer + at, size - at, &Scratch, &length);
    if (kind == kBadLine) {
      ReportSyntaxError(buffer + at, size - at);
      return false;
    }
    if (kind == kEntryLine) {
      if (TheLaunchList.count == kMaxEntries) return ReportTooManyFiles();
      TheLaunchList.rows[TheLaunchList.count++] = Scratch;
    }
    at += length + 1;
  } while (at < size && buffer[at] != '\0');
  return true;
}
