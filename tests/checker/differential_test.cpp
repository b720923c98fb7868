// The checker against the real launcher: for every folder the end-to-end tests ran lanterpick.exe
// in under Wine, the checker must tell the same message box, or the same caption and rows.
// Usage: differential_test OBSERVATIONS_FOLDER [MINIMUM_CASES]
#include <dirent.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "checker/ansi_text.h"
#include "checker/folder_check.h"

namespace {

struct Observed {
  bool dialog;
  std::string folder, program, caption, text;
  int width;
  std::vector<std::string> rows;
};

std::string Unescaped(const std::string& line) {
  std::string out;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] != '\\' || i + 1 == line.size()) {
      out += line[i];
      continue;
    }
    char next = line[++i];
    out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
  }
  return out;
}

// "Z:\a\b" as the host names it.
std::string HostFolder(const std::string& windowsPath) {
  std::string path = windowsPath.substr(2);
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

bool ReadObserved(const std::string& file, Observed* seen) {
  std::ifstream in(file, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(Unescaped(line));
  if (lines.size() < 5) return false;
  // The launcher showed its texts in its code page; the checker gives them in UTF-8.
  for (size_t i = 4; i < lines.size(); ++i) lines[i] = AnsiToUtf8(lines[i]);
  seen->dialog = lines[0] == "dialog";
  seen->folder = HostFolder(lines[1]);
  seen->program = lines[2];
  seen->width = atoi(lines[3].c_str());
  seen->caption = lines[4];
  if (seen->dialog) {
    seen->rows.assign(lines.begin() + 5, lines.end());
  } else {
    seen->text = lines.size() > 5 ? lines[5] : "";
  }
  return true;
}

void Differ(const std::string& what, const std::string& launcher, const std::string& checker,
            std::vector<std::string>* differences) {
  if (launcher != checker) {
    differences->push_back(what + "\n      launcher: [" + launcher + "]\n      checker:  [" +
                           checker + "]");
  }
}

std::vector<std::string> Compare(const Observed& seen, const FolderReport& report) {
  std::vector<std::string> differences;
  if (seen.dialog != report.opens) {
    differences.push_back(seen.dialog
                              ? "the launcher opened its dialog; the checker says it refuses"
                              : "the launcher refused to start; the checker says it opens");
    return differences;
  }
  if (!seen.dialog) {
    Differ("caption", seen.caption, report.first.caption, &differences);
    Differ("text", seen.text, report.first.text, &differences);
    return differences;
  }
  Differ("window title", seen.caption, report.windowTitle, &differences);
  Differ("row count", std::to_string(seen.rows.size()), std::to_string(report.rows.size()),
         &differences);
  for (size_t i = 0; i < seen.rows.size() && i < report.rows.size(); ++i) {
    Differ("row " + std::to_string(i + 1), seen.rows[i], report.rows[i].text, &differences);
  }
  return differences;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    fprintf(stderr, "usage: differential_test OBSERVATIONS_FOLDER [MINIMUM_CASES]\n");
    return 2;
  }
  const std::string folder = argv[1];
  const size_t minimum = argc > 2 ? strtoul(argv[2], nullptr, 10) : 40;
  std::vector<std::string> files;
  if (DIR* dir = opendir(folder.c_str())) {
    while (dirent* e = readdir(dir)) {
      std::string name = e->d_name;
      if (name.size() > 4 && name.compare(name.size() - 4, 4, ".txt") == 0) files.push_back(name);
    }
    closedir(dir);
  }
  std::sort(files.begin(), files.end());
  int failed = 0;
  for (const std::string& name : files) {
    Observed seen;
    if (!ReadObserved(folder + "/" + name, &seen)) {
      printf("[FAILED] %s: unreadable observation\n", name.c_str());
      ++failed;
      continue;
    }
    std::vector<std::string> differences;
    const FolderReport report = CheckFolder(seen.folder, seen.program, seen.width, kReadAsWine);
    if (!report.error.empty()) {
      differences.push_back("the checker could not check the folder: " + report.error);
    } else {
      differences = Compare(seen, report);
    }
    printf("[%s] %s\n", differences.empty() ? "  OK  " : "FAILED", name.c_str());
    for (const std::string& d : differences) printf("    %s\n", d.c_str());
    failed += !differences.empty();
  }
  printf("differential: %zu cases, %d differ\n", files.size(), failed);
  if (files.size() < minimum) {
    printf("differential: fewer than %zu cases were observed\n", minimum);
    return 1;
  }
  return failed == 0 ? 0 : 1;
}
