// Reads an INI file on the host as the Windows profile functions read it, as far as the launcher
// relies on them: the same lines, keys, values, quotes, cuts and numbers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ProfileKey {
  std::string name;
  bool hasValue;  // a line without '=' is a key without a value
  std::string value;
  int line;  // where it stands in the file, counting from 1
};

struct ProfileSection {
  std::string name;  // as written between the brackets
  std::vector<ProfileKey> keys;
};

struct ProfileFile {
  std::vector<ProfileSection> sections;  // the first holds the lines before any header
};

// Decodes the bytes (a UTF-16 or UTF-8 byte-order mark selects that encoding, otherwise they are
// the ANSI code page) and splits them into sections and keys.
ProfileFile ReadProfile(const std::string& bytes);

// The first section of that name, or null. Later sections of the same name are never read.
const ProfileSection* FindProfileSection(const ProfileFile& file, const std::string& name);

// GetPrivateProfileStringA: the value (quotes removed) or the fallback, cut to room - 1 bytes.
std::string ProfileString(const ProfileFile& file, const std::string& section,
                          const std::string& key, const std::string& fallback, uint32_t room);

// The line of the key whose value GetPrivateProfileStringA returns; 0 when the value comes from the
// default (no such key in the first section of that name, or a key without '=').
int ProfileKeyLine(const ProfileFile& file, const std::string& section, const std::string& key);

// GetPrivateProfileIntA: leading decimal digits with an optional sign, modulo 2^32.
int32_t ProfileInt(const ProfileFile& file, const std::string& section, const std::string& key,
                   int32_t fallback);

// One line as GetPrivateProfileSectionA lists it, with the file line it came from.
struct SectionLine {
  std::string text;
  int line;
};
std::vector<SectionLine> ProfileSectionLines(const ProfileFile& file, const std::string& section);

// GetPrivateProfileSectionA into size bytes: each line NUL-ended, then a NUL; when the lines do not
// fit they are cut at size - 2 and the list still ends with two NULs.
void ProfileSectionBuffer(const ProfileFile& file, const std::string& section, char* buffer,
                          uint32_t size);
