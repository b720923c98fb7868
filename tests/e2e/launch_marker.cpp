// Stands in for a launched program: records its own path, its command line and its current
// folder, one a line, in the file named by LANTERPICK_MARKER, then stays running until the driver
// releases it (or 20 seconds pass).
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char record[MAX_PATH];
  if (!GetEnvironmentVariableA("LANTERPICK_MARKER", record, sizeof record)) return 1;
  char self[MAX_PATH] = "", folder[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, self, sizeof self);
  GetCurrentDirectoryA(sizeof folder, folder);
  std::string text = std::string(self) + "\n" + GetCommandLineA() + "\n" + folder + "\n";
  const std::string path = record;
  const std::string partial = path + ".partial";
  HANDLE file = CreateFileA(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
  MoveFileA(partial.c_str(), path.c_str());  // the record appears whole
  const std::string release = path + ".release";
  for (int waited = 0; waited < 20000; waited += 20) {
    if (GetFileAttributesA(release.c_str()) != INVALID_FILE_ATTRIBUTES) break;
    Sleep(20);
  }
  const std::string done = path + ".done";
  CloseHandle(CreateFileA(done.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  return 0;
}
