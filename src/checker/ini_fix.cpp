// lanterpick-check --fix: the INI the launcher reads in a folder, mended and written anew.
#include "checker/ini_fix.h"

#include "checker/ansi_text.h"
#include "checker/host_files.h"
#include "checker/ini_mend.h"
#include "checker/platform_host.h"

namespace {

// The host file of the INI the launcher reads, or "" when there is none.
std::string HostConfigurationFile(const std::string& folder, const std::string& programName) {
  UseHostFolder(folder, programName, kReadAsWindows);
  LauncherPaths paths;
  TakeLauncherPaths(&paths);
  return IsHostPlainFile(paths.hostConfig) ? paths.hostConfig : "";
}

std::string NameOf(const std::string& path) {
  return path.substr(path.find_last_of("/\\") + 1);  // npos + 1 is 0
}

// The entry of the folder that is name to Windows, in any case; "" for none.
std::string EntryNamed(const std::string& folder, const std::string& name) {
  for (const HostEntry& entry : ListEveryHostEntry(folder)) {
    if (HostNameKey(entry.hostName) == HostNameKey(name)) return entry.hostName;
  }
  return "";
}

}  // namespace

bool FixFolderIni(const std::string& folder, const std::string& programName, FixReport* told,
                  std::string* error) {
  std::vector<std::string>* said = &told->said;
  const std::string ini = HostConfigurationFile(folder, programName);
  if (ini.empty()) {
    said->push_back("no INI to mend: the launcher lists the folder");
    return true;
  }
  const std::string name = NameOf(ini), original = ini + ".orig", partial = ini + ".fixing";
  const std::string target = HostLinkTarget(ini);
  if (!target.empty()) {
    *error = name + " is a link to " + HostTextInUtf8(target) +
             ": fix the file it points to; nothing was changed";
    return false;
  }
  const std::string bytes = ReadHostBytes(ini);
  IniMend mend;
  if (!MendIni(bytes, &mend, error)) {
    *error = name + ": " + *error + "; nothing was changed";
    return false;
  }
  for (const std::string& left : mend.leftAlone) said->push_back("left as it is: " + left);
  if (mend.changes.empty()) {
    said->push_back("nothing to mend in " + name);
    return true;
  }
  std::string there = EntryNamed(folder, NameOf(original));
  if (there.empty()) there = EntryNamed(folder, NameOf(partial));
  if (!there.empty()) {
    *error = there + " is there already (from an earlier --fix?); move it away first; " +
             "nothing was changed";
    return false;
  }
  if (!WriteNewHostFile(original, bytes, ini, error)) {
    *error += "; nothing was changed";
    return false;
  }
  if (!WriteNewHostFile(partial, mend.bytes, ini, error) ||
      !MoveHostFileOver(partial, ini, error)) {
    RemoveHostFile(partial);
    RemoveHostFile(original);
    *error += "; nothing was changed";
    return false;
  }
  said->push_back("mended " + name + "; the original is kept as " + NameOf(original) + ":");
  told->changes = mend.changes;
  return true;
}
