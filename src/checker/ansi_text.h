// Text as the launcher's ANSI functions see it (Windows-1252), from and to the host's encodings.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A well-formed UTF-8 sequence at i (ASCII included): its length and code point. Where none
// starts there, length is 0 and invalid is how many bytes the broken sequence takes: its lead
// and the continuation bytes that fit it, never a byte that could start another.
struct Utf8Sequence {
  size_t length;
  uint32_t codePoint;
  size_t invalid;
};
Utf8Sequence Utf8SequenceAt(const std::string& utf8, size_t i);

// Unicode text to Windows-1252, as Wine converts it: what the code page lacks becomes '?', and
// so does each broken UTF-8 sequence.
std::string Utf8ToAnsi(const std::string& utf8);
std::string Utf16ToAnsi(const std::string& bytes, bool bigEndian);

std::string AnsiToUtf8(const std::string& ansi);

// UTF-16 (no mark) to UTF-8 and back; a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(const std::string& bytes, bool bigEndian);
std::string Utf8ToUtf16Le(const std::string& utf8);

// The code point a Windows-1252 byte stands for.
uint32_t AnsiToUnicode(uint8_t byte);

// Whether Windows-1252 has a byte for the code point.
bool FitsAnsi(uint32_t codePoint);

// CharLowerBuffA under Windows-1252: A-Z, the accented capitals, and Š, Œ, Ž, Ÿ.
char AnsiLower(char c);

// Equal under AnsiLower, as file names are on Windows.
bool SameAnsiFolded(const std::string& a, const std::string& b);
