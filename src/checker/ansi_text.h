// Text as the launcher's ANSI functions see it (Windows-1252), from and to the host's encodings.
#pragma once

#include <cstdint>
#include <string>

// Unicode text to Windows-1252: what the code page lacks becomes '?'.
std::string Utf8ToAnsi(const std::string& utf8);
std::string Utf16ToAnsi(const std::string& bytes, bool bigEndian);

std::string AnsiToUtf8(const std::string& ansi);

// The code point a Windows-1252 byte stands for.
uint32_t AnsiToUnicode(uint8_t byte);

// CharLowerBuffA under Windows-1252: A-Z, the accented capitals, and Š, Œ, Ž, Ÿ.
char AnsiLower(char c);

// Equal under AnsiLower, as file names are on Windows.
bool SameAnsiFolded(const std::string& a, const std::string& b);
