// What the author's editor wrote: the file's encoding, as far as its bytes tell, and the text of
// any of its lines as the author sees it. The reading warnings and --fix both go by it.
#pragma once

#include <cstddef>
#include <string>

enum WrittenEncoding {
  kWrittenAscii,        // no byte over 0x7F (perhaps behind a UTF-8 mark)
  kWrittenAnsi,         // bytes over 0x7F that are no UTF-8: Windows-1252
  kWrittenUtf8,         // UTF-8 text beyond ASCII, with or without a mark
  kWrittenUtf8OrAnsi,   // no mark, and one UTF-8 pair that is more likely two ANSI characters
  kWrittenUtf16Le,      // behind its mark
  kWrittenUtf16Be,      // behind its mark
  kWrittenUtf16NoMark,  // a NUL byte in every other place: UTF-16 that lost its mark
};

struct FileEncoding {
  WrittenEncoding encoding;
  bool utf8Mark;
  bool lonePair;     // UTF-8 told by one pair of bytes alone: it may still be ANSI
  size_t invalidAt;  // behind a UTF-8 mark, the first byte that is no UTF-8; npos when none
  bool bigEndian;    // of kWrittenUtf16NoMark
};

FileEncoding EncodingOf(const std::string& bytes);

// The bytes [start, end) of the file as the author wrote them, in UTF-8; a mark left out.
std::string WrittenText(const std::string& bytes, size_t start, size_t end,
                        const FileEncoding& written);
