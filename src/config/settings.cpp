// The [SystemSettings] section: reading every key with its default, and validating in fixed order.
#include "config/settings.h"

#include <cstring>

#include "config/launch_list.h"
#include "config/text_rules.h"
#include "launcher/messages.h"
#include "launcher/platform.h"

namespace {

const char kShowFilepath[] = "ShowFilepath";
const char kOkButtonSize[] = "OkButtonSize";
const char kCancelButtonSize[] = "CancelButtonSize";
const char kCaption[] = "Configuration Error";

enum { kMessageRoom = 200, kShowFilepathRoom = 200 };
enum { kMinButtonSize = 4, kMaxButtonSize = 80, kMinCombinedSize = 8, kMaxCombinedSize = 88 };

struct TextSetting {
  const char* key;
  char* value;
  uint32_t room;
  int longest;
};

// A setting's room, checked against its limit.
template <size_t room, int longest>
constexpr uint32_t RoomFor() {
  static_assert(room == TEXT_ROOM(longest), "a text's buffer is its limit's room");
  return room;
}

#define TEXT_SETTING(key, field, longest) \
  { key, TheSettings.field, RoomFor<sizeof TheSettings.field, longest>(), longest }

// In the order in which they are validated.
const TextSetting kTexts[] = {
    TEXT_SETTING("WindowTitle", windowTitle, kTitleLongest),
    TEXT_SETTING("DescriptionLabel", descriptionLabel, kTitleLongest),
    TEXT_SETTING("FilesLabel", filesLabel, kTitleLongest),
    TEXT_SETTING("KeepOpenLabel", keepOpenLabel, kKeepOpenLabelLongest),
    TEXT_SETTING("OkButton", okButton, kButtonLongest),
    TEXT_SETTING("CancelButton", cancelButton, kButtonLongest),
    TEXT_SETTING("NoEntryErrorTitle", noEntryErrorTitle, kTitleLongest),
    TEXT_SETTING("NoEntryErrorText", noEntryErrorText, kErrorTextLongest),
    TEXT_SETTING("CouldNotLaunchErrorTitle", couldNotLaunchErrorTitle, kTitleLongest),
    TEXT_SETTING("CouldNotLaunchErrorText", couldNotLaunchErrorText, kErrorTextLongest),
    TEXT_SETTING("CouldNotFindFileErrorTitle", couldNotFindFileErrorTitle, kTitleLongest),
    TEXT_SETTING("CouldNotFindFileErrorText", couldNotFindFileErrorText, kErrorTextLongest),
};
enum { kOkButton = 4, kCancelButton = 5, kTextCount = sizeof kTexts / sizeof kTexts[0] };
static_assert(kSettingChecks == kTextCount + 4, "texts, ShowFilepath, two sizes and their sum");
const char* const kOtherKeys[] = {kShowFilepath, kOkButtonSize, kCancelButtonSize};
static_assert(kSettingKeyCount == kTextCount + 3, "texts, ShowFilepath and two sizes");

// A missing key keeps the built-in text, because the buffer itself is the default.
void ReadText(const TextSetting& text, const char* configPath) {
  PlatformProfileString(kSettingsSection, text.key, text.value, text.value, text.room, configPath);
}

void ReadTexts(int first, int last, const char* configPath) {
  for (int i = first; i <= last; ++i) ReadText(kTexts[i], configPath);
}

int32_t ReadSize(const char* key, int32_t current, const char* configPath) {
  return PlatformProfileInt(kSettingsSection, key, current, configPath);
}

}  // namespace

bool DecideShowFilepath(const char* value, int32_t* showFullPath) {
  if (value[0] == '\0' || value[1] != '\0') return false;
  // One letter under the shared ASCII folding: Y or N in either case.
  char letter = AsciiLower(value[0]);
  if (letter != 'y' && letter != 'n') return false;
  *showFullPath = letter == 'y' ? 1 : 0;
  return true;
}

void ReadSettings(const char* configPath, bool* showFilepathValid) {
  ReadTexts(0, 3, configPath);
  char showFilepath[kShowFilepathRoom];
  PlatformProfileString(kSettingsSection, kShowFilepath, "N", showFilepath, kShowFilepathRoom,
                        configPath);
  *showFilepathValid = DecideShowFilepath(showFilepath, &ShowFullPath);
  ReadText(kTexts[kOkButton], configPath);
  TheSettings.okButtonSize = ReadSize(kOkButtonSize, TheSettings.okButtonSize, configPath);
  ReadText(kTexts[kCancelButton], configPath);
  TheSettings.cancelButtonSize =
      ReadSize(kCancelButtonSize, TheSettings.cancelButtonSize, configPath);
  ReadTexts(kCancelButton + 1, kTextCount - 1, configPath);
}

const char* SettingKey(int index) {
  return index < kTextCount ? kTexts[index].key : kOtherKeys[index - kTextCount];
}

bool IsSizeSetting(const char* key) {
  return CompareAsciiFolded(key, kOkButtonSize) == 0 ||
         CompareAsciiFolded(key, kCancelButtonSize) == 0;
}

int LongestTextSetting(const char* key) {
  for (const TextSetting& text : kTexts) {
    if (CompareAsciiFolded(text.key, key) == 0) return text.longest;
  }
  return 0;
}

bool CheckTextSetting(const char* key, const char* value, int longest) {
  char message[kMessageRoom];
  if (value[0] == '\0') {
    PlatformFormat(message, "%s has been left blank.", key);
  } else if (strlen(value) > static_cast<size_t>(longest)) {
    PlatformFormat(message, "%s is longer than the maximum permitted length of %i.", key, longest);
  } else {
    return true;
  }
  ShowError(message, kCaption);
  return false;
}

bool CheckSizeSetting(const char* key, int32_t size) {
  if (size == 0 || (size >= kMinButtonSize && size <= kMaxButtonSize)) return true;
  char message[kMessageRoom];
  PlatformFormat(message,
                 "%s is outside the permitted range.\nPlease use a value between %i and %i.", key,
                 kMinButtonSize, kMaxButtonSize);
  ShowError(message, kCaption);
  return false;
}

bool CheckCombinedSizes(int32_t okSize, int32_t cancelSize) {
  if (okSize <= 0 && cancelSize <= 0) return true;
  // Both lie within 0..80 by now, so the sum cannot overflow.
  int32_t sum = okSize + cancelSize;
  if (sum >= kMinCombinedSize && sum <= kMaxCombinedSize) return true;
  char message[kMessageRoom];
  PlatformFormat(message,
                 "%s\nis outside the permitted range. Please use values that, when\ncombined, are "
                 "between %i and %i.",
                 "The combined value of OkButtonSize and CancelButtonSize", kMinCombinedSize,
                 kMaxCombinedSize);
  ShowError(message, kCaption);
  return false;
}

namespace {

// Runs the checks in their fixed order; each failure shows its message and is noted with its
// keys when failed is given. Stops at the first failure when asked to; returns how many failed.
class CheckRun {
 public:
  CheckRun(bool stopAtFirst, FailedSetting* failed) : stopAtFirst_(stopAtFirst), failed_(failed) {}

  // False when the run is to stop here.
  bool Note(bool passed, const char* key, const char* otherKey = nullptr, int longest = 0) {
    if (passed) return true;
    if (failed_ != nullptr) failed_[failures_] = {{key, otherKey}, longest};
    ++failures_;
    return !stopAtFirst_;
  }
  int failures() const { return failures_; }

 private:
  bool stopAtFirst_;
  FailedSetting* failed_;
  int failures_ = 0;
};

int RunChecks(bool showFilepathValid, CheckRun run) {
  for (const TextSetting& text : kTexts) {
    if (!run.Note(CheckTextSetting(text.key, text.value, text.longest), text.key, nullptr,
                  text.longest)) {
      return run.failures();
    }
  }
  if (!showFilepathValid) ShowError("ShowFilepath must be Y or N.", kCaption);
  if (!run.Note(showFilepathValid, kShowFilepath)) return run.failures();
  const int32_t ok = TheSettings.okButtonSize, cancel = TheSettings.cancelButtonSize;
  const int sizesBefore = run.failures();
  if (!run.Note(CheckSizeSetting(kOkButtonSize, ok), kOkButtonSize)) return run.failures();
  if (!run.Note(CheckSizeSetting(kCancelButtonSize, cancel), kCancelButtonSize)) {
    return run.failures();
  }
  // The sum is only meaningful once each size lies in its range; it is about the sizes above 0.
  if (run.failures() == sizesBefore) {
    const char* first = ok > 0 ? kOkButtonSize : kCancelButtonSize;
    run.Note(CheckCombinedSizes(ok, cancel), first,
             ok > 0 && cancel > 0 ? kCancelButtonSize : nullptr);
  }
  return run.failures();
}

}  // namespace

bool ValidateSettings(bool showFilepathValid) {
  return RunChecks(showFilepathValid, CheckRun(true, nullptr)) == 0;
}

int ValidateEverySetting(bool showFilepathValid, FailedSetting* failed) {
  return RunChecks(showFilepathValid, CheckRun(false, failed));
}
