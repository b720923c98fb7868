// How Windows finds a file by name, and the names it cannot open or hold.
#include "checker/windows_path.h"

#include "checker/ansi_text.h"

namespace {

const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL"};
const char* const kNumberedDevices[] = {"COM", "LPT"};

// 1-9, and the superscripts 1, 2 and 3 of Windows-1252, which Windows takes for digits there.
bool IsDeviceDigit(char c) {
  return (c >= '1' && c <= '9') || c == '\xB9' || c == '\xB2' || c == '\xB3';
}

// The name before its first dot, less trailing spaces, is what Windows 10 takes for a device.
bool IsDeviceName(const std::string& name) {
  std::string base = name.substr(0, name.find('.'));
  while (!base.empty() && base.back() == ' ') base.pop_back();
  for (const char* device : kDevices) {
    if (SameAsciiFolded(base, device)) return true;
  }
  for (const char* prefix : kNumberedDevices) {
    if (base.size() == 4 && SameAsciiFolded(base.substr(0, 3), prefix) && IsDeviceDigit(base[3])) {
      return true;
    }
  }
  return false;
}

size_t ForbiddenAt(const std::string& name) {
  for (size_t i = 0; i < name.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(name[i]);
    if (c < 0x20 || std::string("<>:\"|?*\\").find(name[i]) != std::string::npos) return i;
  }
  return std::string::npos;
}

bool EndsInDotOrSpace(const std::string& name) {
  return !name.empty() && (name.back() == '.' || name.back() == ' ');
}

// A segment before the last loses one trailing dot, unless it is dots only.
std::string TrimmedInnerSegment(const std::string& segment) {
  if (segment.back() != '.' || segment.find_first_not_of('.') == std::string::npos) return segment;
  return segment.substr(0, segment.size() - 1);
}

}  // namespace

NameProblem NameProblemOf(const std::string& name) {
  if (ForbiddenAt(name) != std::string::npos) return kForbiddenCharacter;
  if (IsDeviceName(name)) return kDeviceName;
  if (EndsInDotOrSpace(name) && name != "." && name != "..") return kTrailingDotOrSpace;
  return kNameFine;
}

std::string ForbiddenCharacterIn(const std::string& name) {
  const size_t at = ForbiddenAt(name);
  if (at == std::string::npos) return "";
  return ShownText(name.substr(at, 1));
}

WindowsPath ResolveWindowsPath(const std::string& path) {
  WindowsPath resolved;
  std::vector<std::string> parts(1);
  for (char c : path) {
    if (c == '/' || c == '\\') {
      parts.emplace_back();
    } else {
      parts.back() += c;
    }
  }
  for (size_t i = 0; i < parts.size(); ++i) {
    const std::string& part = parts[i];
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      if (resolved.segments.empty()) resolved.climbsAboveRoot = true;
      if (!resolved.segments.empty()) resolved.segments.pop_back();
      continue;
    }
    resolved.segments.push_back(i + 1 < parts.size() ? TrimmedInnerSegment(part) : part);
  }
  // Only a path that does not end in a separator loses its trailing dots and spaces.
  std::string* last = resolved.segments.empty() || parts.back().empty() || parts.back() == "." ||
                              parts.back() == ".."
                          ? nullptr
                          : &resolved.segments.back();
  while (last != nullptr && EndsInDotOrSpace(*last)) {
    last->pop_back();
    resolved.trimmedLast = true;
  }
  if (last != nullptr && last->empty()) resolved.segments.pop_back();
  resolved.endsInSeparator = parts.back().empty() && !resolved.segments.empty();
  for (const std::string& segment : resolved.segments) {
    const NameProblem problem = NameProblemOf(segment);
    if (problem == kForbiddenCharacter || problem == kDeviceName) {
      resolved.problem = problem;
      resolved.problemName = segment;
      break;
    }
  }
  return resolved;
}

std::string JoinedWindowsPath(const WindowsPath& path) {
  std::string joined;
  for (const std::string& segment : path.segments) joined += (joined.empty() ? "" : "\\") + segment;
  return joined;
}
