// wsprintfA's work on the host: the launcher's formats (%s, %.200s, %i, %li) mean the same to
// vsnprintf, and every caller sized its buffer for the result.
#include <cstdarg>
#include <cstdio>

#include "launcher/platform.h"

int PlatformFormat(char* buffer, const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  int length = vsnprintf(buffer, 1024, format, arguments);
  va_end(arguments);
  return length;
}
