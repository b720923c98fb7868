// No profile functions on a Unix host: the host reader stands in for them.
#include "checker/system_profile.h"

const SystemProfile* SystemProfileFunctions() {
  return nullptr;
}
