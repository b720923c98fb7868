// The driver's entry: runs every registered end-to-end test (or those whose name contains the
// filter) and prints one line per test and the totals.
#include <cstdio>
#include <cstring>

#include "e2e.h"

std::string ProgramUnderTest;
std::string ShippedProgram;
std::string MarkerProgram;
std::string WorkFolder;

namespace {

struct Test {
  const char* name;
  TestFunction function;
};

std::vector<Test>& Tests() {
  static std::vector<Test> tests;
  return tests;
}

std::vector<std::string> Failures;
std::string SkipReason;

void AssociateMarkerWithDocuments() {
  // Files ending in .lpkdoc open with the marker, as a document type would with its program.
  HKEY key;
  RegCreateKeyExA(HKEY_CLASSES_ROOT, ".lpkdoc", 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
  RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>("lpkdocfile"), 11);
  RegCloseKey(key);
  std::string command = "\"" + MarkerProgram + "\" \"%1\"";
  RegCreateKeyExA(HKEY_CLASSES_ROOT, "lpkdocfile\\shell\\open\\command", 0, nullptr, 0, KEY_WRITE,
                  nullptr, &key, nullptr);
  RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                 static_cast<DWORD>(command.size() + 1));
  RegCloseKey(key);
}

}  // namespace

Registration::Registration(const char* name, TestFunction function) {
  Tests().push_back({name, function});
}

std::string FailureContext;

void RecordSkip(const std::string& reason) {
  SkipReason = reason;
}

void RecordFailure(const char* file, int line, const std::string& what) {
  const char* base = strrchr(file, '/');
  std::ostringstream s;
  s << (base ? base + 1 : file) << ":" << line << ": ";
  if (!FailureContext.empty()) s << "[" << FailureContext << "] ";
  s << what;
  Failures.push_back(s.str());
}

int main(int argc, char** argv) {
  if (argc < 4) {
    fprintf(stderr,
            "usage: e2e-driver LANTERPICK.EXE LAUNCH-MARKER.EXE WORK-FOLDER [FILTER "
            "[SHIPPED-LANTERPICK.EXE]]\n");
    return 2;
  }
  ProgramUnderTest = argv[1];
  MarkerProgram = argv[2];
  WorkFolder = argv[3];
  const char* filter = argc > 4 ? argv[4] : "";
  ShippedProgram = argc > 5 ? argv[5] : ProgramUnderTest;
  AssociateMarkerWithDocuments();
  int passed = 0, failed = 0, skipped = 0;
  for (const Test& test : Tests()) {
    if (strstr(test.name, filter) == nullptr) continue;
    const bool benchmark = strncmp(test.name, "Benchmark", 9) == 0;
    if (benchmark && strncmp(filter, "Benchmark", 9) != 0) continue;  // figures on request
    Failures.clear();
    FailureContext.clear();
    SkipReason.clear();
    DWORD start = GetTickCount();
    test.function();
    DWORD spent = GetTickCount() - start;
    if (Failures.empty() && !SkipReason.empty()) {
      ++skipped;
      printf("[ SKIP ] %s: %s\n", test.name, SkipReason.c_str());
    } else if (Failures.empty()) {
      ++passed;
      printf("[  OK  ] %s (%lu ms)\n", test.name, spent);
    } else {
      ++failed;
      printf("[FAILED] %s (%lu ms)\n", test.name, spent);
      for (const std::string& failure : Failures) printf("    %s\n", failure.c_str());
    }
    fflush(stdout);
  }
  printf("e2e: %d passed, %d failed", passed, failed);
  if (skipped > 0) printf(", %d skipped", skipped);
  printf("\n");
  return failed == 0 && passed > 0 ? 0 : 1;
}
