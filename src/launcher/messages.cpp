// The message boxes every part of the program shows, and the existence probe.
#include "launcher/messages.h"

#include "config/text_rules.h"
#include "launcher/platform.h"

enum { kWarningRoom = 304 };

const char kUnexpectedError[] = "Unexpected Error";

void ShowError(const char* text, const char* caption) {
  PlatformShowMessage(text, caption, kIconError);
}

void ExpandLineBreaks(const char* text, char* out, int room) {
  int i = 0;
  for (; i < room - 1 && text[i] != '\0'; ++i) out[i] = text[i];
  out[i] = '\0';
  ReplaceLineBreaks(out);
}

void ShowWarning(const char* text, const char* caption) {
  char copy[kWarningRoom];
  ExpandLineBreaks(text, copy, kWarningRoom);
  PlatformShowMessage(copy, caption, kIconWarning);
}

bool FileExists(const char* path) {
  return PlatformProbeFile(path, nullptr);
}
