// Feeds arbitrary configuration files through the whole configuration-mode start-up, and checks
// that every-setting validation agrees with the first-failure validation.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "config/launch_list.h"
#include "config/settings.h"
#include "fake_platform.h"
#include "launcher/startup.h"

namespace {

void ExpectEndedTexts() {
  const LauncherSettings& s = TheSettings;
  const char* texts[] = {s.windowTitle,
                         s.descriptionLabel,
                         s.filesLabel,
                         s.keepOpenLabel,
                         s.okButton,
                         s.cancelButton,
                         s.noEntryErrorTitle,
                         s.noEntryErrorText,
                         s.couldNotLaunchErrorTitle,
                         s.couldNotLaunchErrorText,
                         s.couldNotFindFileErrorTitle,
                         s.couldNotFindFileErrorText};
  const size_t rooms[] = {sizeof s.windowTitle,
                          sizeof s.descriptionLabel,
                          sizeof s.filesLabel,
                          sizeof s.keepOpenLabel,
                          sizeof s.okButton,
                          sizeof s.cancelButton,
                          sizeof s.noEntryErrorTitle,
                          sizeof s.noEntryErrorText,
                          sizeof s.couldNotLaunchErrorTitle,
                          sizeof s.couldNotLaunchErrorText,
                          sizeof s.couldNotFindFileErrorTitle,
                          sizeof s.couldNotFindFileErrorText};
  for (size_t i = 0; i < sizeof rooms / sizeof rooms[0]; ++i) {
    if (strnlen(texts[i], rooms[i]) == rooms[i]) abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ResetFake();
  Fake.configExists = true;
  Fake.configText.assign(reinterpret_cast<const char*>(data), size);
  const bool started = LoadLaunchList();
  if (Fake.messages.size() != (started ? 0u : 1u)) abort();
  if (Fake.blocksHeld != 0) abort();
  if (started && (TheLaunchList.count < 1 || TheLaunchList.count > kMaxEntries)) abort();
  ExpectEndedTexts();

  ResetFake();
  Fake.configExists = true;
  Fake.configText.assign(reinterpret_cast<const char*>(data), size);
  bool showFilepathValid = false;
  ReadSettings(".\\setup.ini", &showFilepathValid);
  const bool valid = ValidateSettings(showFilepathValid);
  const size_t first = Fake.messages.size();
  const int failures = ValidateEverySetting(showFilepathValid);
  if (first != (valid ? 0u : 1u)) abort();
  if ((failures == 0) != valid) abort();
  if (Fake.messages.size() != first + static_cast<size_t>(failures)) abort();
  // The first of every failure is the one the launcher shows.
  if (!valid && Fake.messages[1].text != Fake.messages[0].text) abort();
  return 0;
}
