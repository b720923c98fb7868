// One configuration-mode start-up on the host, for callgrind to count: the command line, the
// settings and a [Files] section of 1000 entries, through the launcher's LoadLaunchList.
#include <cstdio>
#include <string>

#include "config/launch_list.h"
#include "fake_platform.h"
#include "launcher/startup.h"

int main() {
  ResetFake();
  Fake.commandLine = "\"D:\\Disc\\Setup.exe\"";
  Fake.configExists = true;
  Fake.configText =
      "[SystemSettings]\nWindowTitle=Harbour Survey Disc\nShowFilepath=Y\n"
      "OkButtonSize=24\nCancelButtonSize=24\n[Files]\n";
  for (int i = 0; i < 1000; ++i) {
    Fake.configText += "\"Programs\\Package " + std::to_string(i) + "\\install.exe\" \"Package " +
                       std::to_string(i) + "\\nfrom the disc\"\n";
  }
  ReadProfileOnce();  // the platform's reading of the file is not the launcher's work
  const bool started = LoadLaunchList();
  printf("start-up %s with %d rows\n", started ? "succeeded" : "failed", TheLaunchList.count);
  return started ? 0 : 1;
}
