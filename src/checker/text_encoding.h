// What the author's editor wrote: the file's encoding, as far as its bytes tell, and the text of
// any of its lines as the author sees it. The reading warnings and --fix both go by it.
#pragma once

#include <cstddef>
#include <string>

// What the author's editor showed: without a mark, bytes beyond ASCII that are all valid UTF-8
// are UTF-8 (as Notepad since 1903 and every current editor open them), and any byte that is no
// UTF-8 makes the file ANSI.
enum WrittenEncoding {
  kWrittenAscii,        // no byte over 0x7F (perhaps behind UTF-8 marks)
  kWrittenAnsi,         // bytes over 0x7F, none of them in UTF-8 sequences: Windows-1252
  kWrittenUtf8,         // UTF-8 text beyond ASCII, with or without marks
  kWrittenMixed,        // no mark; lines of UTF-8 beside bytes that are no UTF-8
  kWrittenUtf16Le,      // behind its mark
  kWrittenUtf16Be,      // behind its mark
  kWrittenUtf16NoMark,  // a NUL byte in every other place: UTF-16 that lost its mark
};

struct FileEncoding {
  WrittenEncoding encoding;
  size_t utf8Marks;   // at the start; a second one is text on line 1 to Windows and Wine alike
  size_t utf16Marks;  // of a UTF-16 file with its mark: more than one is text on line 1 too
  size_t invalidAt;   // behind a UTF-8 mark or in a mixed file, the first byte that is no UTF-8;
                      // npos when none
  bool bigEndian;     // of kWrittenUtf16NoMark
};

FileEncoding EncodingOf(const std::string& bytes);

// Where the text begins: after every leading mark.
size_t TextStart(const FileEncoding& written);

// How the author's editor wrote one line, the bytes [start, end): in a mixed file, a line is
// UTF-8 when it holds UTF-8 beyond ASCII and no byte that is no UTF-8.
WrittenEncoding LineEncoding(const std::string& bytes, size_t start, size_t end,
                             const FileEncoding& written);

// The bytes [start, end) of the file as the author wrote them, in UTF-8; the marks left out.
std::string WrittenText(const std::string& bytes, size_t start, size_t end,
                        const FileEncoding& written);

// Whether Windows, which reads a file without a UTF-16 LE mark as ANSI bytes, shows the line's
// bytes otherwise than the author wrote them.
bool WindowsShowsBytesOtherwise(const std::string& bytes, size_t start, size_t end,
                                const FileEncoding& written);
