// Text as the launcher's ANSI functions see it (Windows-1252), from and to the host's encodings:
// the one place for code pages, byte-order marks, UTF-8 and UTF-16 units, and case folding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

enum ByteOrderMark { kNoMark, kUtf8Mark, kUtf16LeMark, kUtf16BeMark };

extern const char kUtf8MarkBytes[];     // EF BB BF
extern const char kUtf16LeMarkBytes[];  // FF FE

// The mark the bytes begin with, and how many bytes it takes (0 for none).
ByteOrderMark ByteOrderMarkOf(const std::string& bytes);
size_t MarkLength(ByteOrderMark mark);

// A well-formed UTF-8 sequence at i (ASCII included): its length and code point. Where none
// starts there, length is 0 and invalid is how many bytes the broken sequence takes: its lead
// and the continuation bytes that fit it, never a byte that could start another.
struct Utf8Sequence {
  size_t length;
  uint32_t codePoint;
  size_t invalid;
};
Utf8Sequence Utf8SequenceAt(const std::string& utf8, size_t i);

// Calls visit(at, sequence) for each sequence of utf8 from from on, broken ones included, until
// it returns false.
template <typename Visit>
void ForEachUtf8(const std::string& utf8, size_t from, Visit visit) {
  for (size_t at = from; at < utf8.size();) {
    const Utf8Sequence sequence = Utf8SequenceAt(utf8, at);
    if (!visit(at, sequence)) return;
    at += sequence.length > 0 ? sequence.length : sequence.invalid;
  }
}

// The UTF-16 unit whose two bytes start at at.
uint32_t Utf16UnitAt(const std::string& bytes, size_t at, bool bigEndian);

// Unicode text to Windows-1252, as Windows and Wine convert it: a character the code page lacks
// becomes its best fit, or '?' where it has none (or where bestFit is false); so does each UTF-16
// unit of a character beyond U+FFFF, and each broken UTF-8 sequence becomes one '?'. Either way
// each UTF-16 unit becomes one byte.
std::string Utf8ToAnsi(const std::string& utf8, bool bestFit = true);
std::string Utf16ToAnsi(const std::string& bytes, bool bigEndian, bool bestFit = true);

// The byte the conversion writes for a UTF-16 unit code page 1252 lacks: its best fit, or '?'.
char BestFitOf(uint32_t unit);

std::string AnsiToUtf8(const std::string& ansi);

// Appends a code point in UTF-8.
void AppendUtf8(uint32_t codePoint, std::string& out);

// UTF-16 (no mark) to UTF-8 and back; a lone surrogate, or a broken UTF-8 sequence, becomes
// U+FFFD.
std::string Utf16ToUtf8(const std::string& bytes, bool bigEndian);
std::string Utf8ToUtf16Le(const std::string& utf8);

// A space or format character beyond Windows-1252, which no screen shows (U+200B, U+2028, U+202E,
// U+FEFF...), and its name: "U+200B".
bool IsUnseen(uint32_t codePoint);
std::string CodePointName(uint32_t codePoint);

// Any text as UTF-8 that shows every byte: bytes that are no UTF-8 as their Windows-1252
// characters, control bytes as \0 and \xNN (line breaks kept where keepBreaks), characters no
// screen shows as \uNNNN.
std::string ShownText(const std::string& text, bool keepBreaks = false);

// Bytes that should be UTF-8 made so: each broken sequence becomes U+FFFD.
std::string ValidUtf8(const std::string& bytes);

// The code point a Windows-1252 byte stands for.
uint32_t AnsiToUnicode(uint8_t byte);

// Whether Windows-1252 has a byte for the code point.
bool FitsAnsi(uint32_t codePoint);

// Where the first character Windows-1252 lacks stands in UTF-8 text, or npos.
size_t FirstUnfit(const std::string& utf8);

// CharLowerBuffA and CharUpperBuffA under Windows-1252: A-Z, the accented letters, and Š, Œ,
// Ž, Ÿ.
char AnsiLower(char c);
char AnsiUpper(char c);

// The text under AnsiLower; names equal so are one name to Windows.
std::string AnsiFolded(const std::string& ansi);
// Equal under AnsiLower, as file names are on Windows.
bool SameAnsiFolded(const std::string& a, const std::string& b);

// Equal with only A-Z folded, as the profile functions match names.
bool SameAsciiFolded(const std::string& a, const std::string& b);
