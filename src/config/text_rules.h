// Byte rules shared by the parser, the folder scan and the row text: ASCII-only case folding
// and the backslash-n line break.
#pragma once

char AsciiLower(char c);

// Negative, zero or positive as a sorts before, equal to or after b; only A-Z fold, bytes
// compare unsigned, no locale takes part.
int CompareAsciiFolded(const char* a, const char* b);

// Turns every backslash followed by a lower-case n into CR LF, left to right, in place.
void ReplaceLineBreaks(char* text);
