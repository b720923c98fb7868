// What the author's editor wrote: the file's encoding and its lines as the author sees them.
#include "checker/text_encoding.h"

#include <algorithm>

#include "checker/ansi_text.h"
#include "checker/profile_reader.h"

namespace {

struct Utf8Survey {
  bool valid = true;
  size_t firstInvalid = std::string::npos;
  size_t sequences = 0;  // beyond ASCII
};

Utf8Survey SurveyUtf8(const std::string& bytes, size_t from, size_t to) {
  Utf8Survey survey;
  ForEachUtf8(bytes, from, [&](size_t at, const Utf8Sequence& sequence) {
    if (at >= to) return false;
    if (sequence.length == 0 && survey.valid) survey.firstInvalid = at;
    survey.valid &= sequence.length > 0;
    survey.sequences += sequence.length > 1;
    return true;
  });
  return survey;
}

// How many times the mark the bytes begin with stands at their start.
size_t CountMarks(const std::string& bytes) {
  const size_t length = MarkLength(ByteOrderMarkOf(bytes));
  const std::string mark = bytes.substr(0, length);
  size_t marks = 0;
  while (length > 0 && bytes.compare(marks * length, length, mark) == 0) ++marks;
  return marks;
}

// A NUL byte in nearly every other place, and none between: UTF-16 without its mark.
bool LooksLikeUtf16(const std::string& bytes, bool bigEndian) {
  size_t pairs = bytes.size() / 2, nulsWhereHigh = 0, nulsWhereLow = 0;
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    nulsWhereHigh += bytes[i + (bigEndian ? 0 : 1)] == '\0';
    nulsWhereLow += bytes[i + (bigEndian ? 1 : 0)] == '\0';
  }
  return pairs >= 2 && nulsWhereHigh * 2 >= pairs && nulsWhereLow * 8 <= nulsWhereHigh;
}

}  // namespace

FileEncoding EncodingOf(const std::string& bytes) {
  FileEncoding written = {kWrittenAscii, 0, 0, std::string::npos, false};
  switch (ByteOrderMarkOf(bytes)) {
    case kUtf16LeMark:
      written.encoding = kWrittenUtf16Le;
      written.utf16Marks = CountMarks(bytes);
      return written;
    case kUtf16BeMark:
      written.encoding = kWrittenUtf16Be;
      written.utf16Marks = CountMarks(bytes);
      return written;
    case kUtf8Mark: {
      written.utf8Marks = CountMarks(bytes);
      const Utf8Survey survey = SurveyUtf8(bytes, TextStart(written), bytes.size());
      written.invalidAt = survey.firstInvalid;
      written.encoding = survey.sequences == 0 && survey.valid ? kWrittenAscii : kWrittenUtf8;
      return written;
    }
    case kNoMark:
      break;
  }
  if (LooksLikeUtf16(bytes, false) || LooksLikeUtf16(bytes, true)) {
    written.encoding = kWrittenUtf16NoMark;
    written.bigEndian = !LooksLikeUtf16(bytes, false);
    return written;
  }
  const Utf8Survey survey = SurveyUtf8(bytes, 0, bytes.size());
  if (!survey.valid && survey.sequences > 0) {
    written.encoding = kWrittenMixed;
    written.invalidAt = survey.firstInvalid;
  } else if (!survey.valid) {
    written.encoding = kWrittenAnsi;
  } else if (survey.sequences > 0) {
    written.encoding = kWrittenUtf8;
  }
  return written;
}

size_t TextStart(const FileEncoding& written) {
  return written.utf8Marks * MarkLength(kUtf8Mark) + written.utf16Marks * MarkLength(kUtf16LeMark);
}

WrittenEncoding LineEncoding(const std::string& bytes, size_t start, size_t end,
                             const FileEncoding& written) {
  if (written.encoding != kWrittenMixed) return written.encoding;
  const Utf8Survey survey = SurveyUtf8(bytes, start, end);
  if (!survey.valid) return kWrittenAnsi;
  return survey.sequences > 0 ? kWrittenUtf8 : kWrittenAscii;
}

std::string WrittenText(const std::string& bytes, size_t start, size_t end,
                        const FileEncoding& written) {
  start = std::max(start, TextStart(written));
  const std::string raw = start < end ? bytes.substr(start, end - start) : std::string();
  switch (LineEncoding(bytes, start, end, written)) {
    case kWrittenUtf8:
      return raw;
    case kWrittenUtf16Le:
    case kWrittenUtf16Be:
      return Utf16ToUtf8(raw, written.encoding == kWrittenUtf16Be);
    default:
      return AnsiToUtf8(raw);
  }
}

bool WindowsShowsBytesOtherwise(const std::string& bytes, size_t start, size_t end,
                                const FileEncoding& written) {
  return LineEncoding(bytes, start, end, written) == kWrittenUtf8;
}
