// Reads an INI file on the host in two dialects, as Windows' profile functions read it and as
// Wine 8's do, as far as the launcher relies on them: lines, keys, values, quotes, cuts, numbers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "checker/ansi_text.h"
#include "checker/system_profile.h"

// Windows and Wine 8 read some files differently (their rules stand in one table in
// profile_reader.cpp); where nothing is known of Windows, its reading follows Wine's.
enum ProfileDialect { kWindowsReading, kWineReading };

// What the INI is read by: the host reader as Windows or as Wine reads it, or the running
// system's own profile functions (where the checker is a Windows program).
enum ReadingPlatform { kReadAsWindows, kReadAsWine, kReadNatively };

// The dialect a platform reads in; natively, the system's: Wine's under Wine, else Windows'.
ProfileDialect DialectOf(ReadingPlatform platform,
                         const SystemProfile* system = SystemProfileFunctions());

// Windows reads a value's length modulo this, as a 16-bit length would.
enum { kValueLengthWrap = 65536 };

// Windows documents this as the most of a section GetPrivateProfileSectionA returns.
enum { kDocumentedSectionLimit = 32767 };

// Names and values as the reader matches and measures them, and as the string functions hand
// them out: the same length, but where a character the code page lacks stands, the first holds
// '?' (such a character is never syntax: a full-width '=' is no '='), the second its best fit.
struct ProfileKey {
  std::string name;
  bool hasValue;      // a line without '=' is a key without a value
  std::string value;  // as written, quotes kept; a dialect's length rule applies when it is read
  int line;           // where it stands in the file, counting from 1
  std::string shownName, shownValue;
};

struct ProfileSection {
  std::string name;  // as written between the brackets
  std::vector<ProfileKey> keys;
  int line;  // of its header; 0 for the lines before any header
};

// One line of the file as a dialect read it.
struct ProfileLine {
  size_t start, end;  // its bytes in the file, the line end left out
  std::string text;   // those bytes decoded by the dialect into the ANSI code page, not trimmed,
                      // with '?' for each character the code page lacks
  bool header;
  int section;  // the index in ProfileFile::sections of the section it stands in, or begins
  bool trimmedUnmeasured;  // a form feed or 0x1A was trimmed as a blank, which only Wine is
                           // known to do
};

struct ProfileFile {
  ProfileDialect dialect;
  ByteOrderMark mark;                    // as found in the bytes
  std::vector<ProfileSection> sections;  // the first holds the lines before any header
  std::vector<ProfileLine> lines;        // line n is lines[n - 1]
};

// Decodes the bytes (a UTF-16 LE byte-order mark selects that encoding, and under Wine also a
// UTF-16 BE or UTF-8 one; otherwise they are the ANSI code page) and splits them into sections
// and keys.
ProfileFile ReadProfile(const std::string& bytes, ProfileDialect dialect);

// One outer pair of matching "..." or '...', which the string functions remove.
bool IsQuotedProfileValue(const std::string& value);

// The value without that pair, as the author means it.
std::string UnquotedProfileValue(const std::string& value);

// The value as the string functions copy it into room bytes: a quote at both ends is removed,
// except that a value cut by the room keeps its closing quote's place (the last byte that fits is
// dropped instead).
std::string CopiedProfileValue(const std::string& value, uint32_t room);

// A value as the file's dialect hands it out: under Windows its length wraps.
std::string ValueAsRead(const ProfileFile& file, const std::string& value);

// The number of the line that holds the byte at offset (its line end included).
int ProfileLineAt(const ProfileFile& file, size_t offset);

// The lines after the first that begin with byte-order marks in the file's encoding (U+FEFF), as
// where files were joined: text to Windows and Wine alike. By number, with the bytes they take.
struct MarkedLine {
  int line;
  size_t bytes;
};
std::vector<MarkedLine> MarkedProfileLines(const ProfileFile& file, const std::string& bytes);

// The file's bytes without those marks.
std::string WithoutMarkedLines(const ProfileFile& file, const std::string& bytes);

// The key read from a line, or null where the line holds none.
const ProfileKey* ProfileKeyOnLine(const ProfileFile& file, int line);

// The profile functions' blanks trimmed from both ends.
std::string TrimmedProfileText(const std::string& text);

// The first section of that name, or null. Later sections of the same name are never read.
const ProfileSection* FindProfileSection(const ProfileFile& file, const std::string& name);

// The key GetPrivateProfileStringA reads, in the first section of that name, or null.
const ProfileKey* FindProfileKey(const ProfileFile& file, const std::string& section,
                                 const std::string& key);

// GetPrivateProfileStringA: the value (quotes removed) or the fallback, cut to room - 1 bytes.
std::string ProfileString(const ProfileFile& file, const std::string& section,
                          const std::string& key, const std::string& fallback, uint32_t room);

// A number as GetPrivateProfileIntA reads a text: blanks, an optional sign, then digits in base
// 10, or after 0x, 0o or 0b in base 16, 8 or 2, up to the first that is none; modulo 2^32. Wine
// knows the prefixes in lower case only; anyCase also takes 0X, 0O and 0B, as an author means them.
struct ProfileNumber {
  int32_t value;
  int base;
};
ProfileNumber ReadProfileNumber(const std::string& text, bool anyCase);

// GetPrivateProfileIntA: the number the value starts with, or the fallback for none.
int32_t ProfileInt(const ProfileFile& file, const std::string& section, const std::string& key,
                   int32_t fallback);

// One line as GetPrivateProfileSectionA lists it, with the file line it came from.
struct SectionLine {
  std::string text;
  int line;
};
// Comment lines (';' first) and lines of nothing but NULs are left out.
std::vector<SectionLine> ProfileSectionLines(const ProfileFile& file, const std::string& section);
std::vector<SectionLine> ProfileSectionLines(const ProfileFile& file,
                                             const ProfileSection& section);

// The bytes GetPrivateProfileSectionA needs for all of a section: each line and its NUL, then a
// NUL.
size_t ProfileSectionSize(const ProfileFile& file, const std::string& section);

// GetPrivateProfileSectionA into size bytes: each line NUL-ended, then a NUL; when the lines do not
// fit they are cut at size - 2 and the list still ends with two NULs.
void ProfileSectionBuffer(const ProfileFile& file, const std::string& section, char* buffer,
                          uint32_t size);
