// The checker's findings as text for people and as JSON for scripts; every text in them is UTF-8.
#include "checker/report_output.h"

#include <algorithm>
#include <cstdint>

#include "checker/ansi_text.h"

namespace {

const char* const kModeNames[] = {"none", "configuration", "folder"};
const char* const kPlatformNames[] = {"windows", "wine", "native"};

// A launcher text on one line: line breaks shown as \n, other control bytes as \xNN.
std::string OneLine(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c != '\r') out += c == '\n' ? std::string("\\n") : std::string(1, c);
  }
  return ShownText(out);
}

std::string LinePrefix(int line, int otherLine = 0) {
  if (line <= 0) return "";
  if (otherLine <= 0) return "line " + std::to_string(line) + ": ";
  return "lines " + std::to_string(line) + " and " + std::to_string(otherLine) + ": ";
}

// A box's line, the launcher's text, and what the checker measured of it.
std::string BoxText(const CheckedBox& box) {
  return LinePrefix(box.line, box.otherLine) + OneLine(box.text) +
         (box.detail.empty() ? "" : " (" + box.detail + ")");
}

std::string Json(const std::string& text) {
  std::string out = "\"";
  for (char c : ShownText(text, true)) {  // no control byte left but line breaks
    const char* escape = c == '"'    ? "\\\""
                         : c == '\\' ? "\\\\"
                         : c == '\n' ? "\\n"
                         : c == '\r' ? "\\r"
                                     : nullptr;
    out += escape ? escape : std::string(1, c);
  }
  return out + "\"";
}

std::string JsonLine(int line) {
  return line > 0 ? std::to_string(line) : std::string("null");
}

const char* JsonBool(bool value) {
  return value ? "true" : "false";
}

std::string JsonBox(const CheckedBox& box) {
  return "{\"line\": " + JsonLine(box.line) +
         (box.otherLine > 0 ? ", \"otherLine\": " + JsonLine(box.otherLine) : "") +
         ", \"caption\": " + Json(box.caption) + ", \"text\": " + Json(box.text) +
         (box.detail.empty() ? "" : ", \"detail\": " + Json(box.detail)) + "}";
}

template <typename T, typename F>
std::string JsonList(const std::vector<T>& items, F item, size_t shown = SIZE_MAX) {
  std::string out = "[";
  for (size_t i = 0; i < items.size() && i < shown; ++i) {
    out += (i ? ",\n    " : "\n    ") + item(items[i]);
  }
  return out + (items.empty() ? "]" : "\n  ]");
}

std::string JsonFinding(const Finding& finding) {
  std::string concerns;
  if (finding.concerns & kConcernsWindows) concerns = "\"windows\"";
  if (finding.concerns & kConcernsWine) concerns += concerns.empty() ? "\"wine\"" : ", \"wine\"";
  return "{\"line\": " + JsonLine(finding.line) + ", \"kind\": \"" + FindingName(finding.kind) +
         "\", \"concerns\": [" + concerns + "], \"text\": " + Json(FindingText(finding)) + "}";
}

std::string JsonOtherVerdict(const OtherVerdict& wine) {
  if (!wine.differs) return "null";
  return std::string("{\"opens\": ") + JsonBool(wine.opens) +
         ", \"windowTitle\": " + (wine.opens ? Json(wine.windowTitle) : "null") +
         ", \"message\": " + (wine.opens ? "null" : JsonBox(wine.message)) +
         ", \"rowsDiffer\": " + JsonBool(wine.rowsDiffer) + "}";
}

// A heading and the findings under it, up to kShownFindings of them.
std::string FindingsAsText(const char* heading, const std::vector<Finding>& findings) {
  if (findings.empty()) return "";
  std::string out = "\n" + std::string(heading) + " (" + std::to_string(findings.size()) + "):\n";
  for (size_t i = 0; i < findings.size() && i < kShownFindings; ++i) {
    out += "  " + LinePrefix(findings[i].line) + ShownText(FindingText(findings[i])) + "\n";
  }
  if (findings.size() > kShownFindings) {
    out += "  and " + std::to_string(findings.size() - kShownFindings) + " more\n";
  }
  return out;
}

std::string HeadingAsText(const ReportHeading& heading, const FolderReport& report) {
  const char* const readAs[] = {"Windows reads it", "Wine 8 reads it (--platform wine)",
                                "this system's profile functions read it (--platform native)"};
  const std::string mode[] = {"none (the program's name has no \".exe\")",
                              "configuration (" + report.configName + ")",
                              "folder (no readable " + report.configName + ")"};
  return "Folder:  " + ShownText(heading.folder) + "\nProgram: " + OneLine(heading.program) +
         (heading.programFrom.empty() ? ""
                                      : " (the name " + OneLine(heading.programFrom) +
                                            " calls for; --program NAME.exe for another)") +
         "\nRead as: " + readAs[report.platform] + "\nMode:    " + mode[report.mode] + "\n";
}

std::string VerdictAsText(const FolderReport& report) {
  std::string out =
      report.opens ? "Verdict: the dialog opens, titled \"" + OneLine(report.windowTitle) + "\".\n"
                   : "Verdict: the launcher refuses to start and shows one message:\n  [" +
                         OneLine(report.first.caption) + "] " + BoxText(report.first) + "\n";
  const OtherVerdict& wine = report.underWine;
  if (!wine.differs) return out;
  if (!wine.opens) {
    return out + "Under Wine it would refuse to start: [" + OneLine(wine.message.caption) + "] " +
           OneLine(wine.message.text) + "\n";
  }
  if (report.opens && wine.windowTitle == report.windowTitle) {
    return out + "Under Wine it would show other rows or descriptions.\n";
  }
  return out + "Under Wine it would open, titled \"" + OneLine(wine.windowTitle) + "\"" +
         (wine.rowsDiffer ? ", with other rows or descriptions.\n" : ".\n");
}

std::string RowsAsText(const ReportHeading& heading, const FolderReport& report) {
  if (!report.opens) return "";
  std::string out =
      "\nRows open from: " +
      (report.rowsOpenFrom.empty()
           ? std::string("the launcher's current folder (relative paths)")
           : OneLine(report.rowsOpenFrom) + " (the folder listed; D:\\ is this folder)") +
      "\n\nRows at " + std::to_string(report.width) + " characters" +
      (heading.widthIsDefault ? " (the default list width; --width W for another)" : "") + ":\n";
  for (const CheckedRow& row : report.rows) {
    out += "  " + OneLine(row.text) +
           (row.description.empty() ? "" : "  -- " + OneLine(row.description)) +
           (row.keepOpenAllowed ? "" : "  [keep-open not allowed]") + "\n";
  }
  return out;
}

std::string NotListed(const std::vector<Finding>& findings) {
  return std::to_string(findings.size() - std::min(findings.size(), kShownFindings));
}

std::string JsonName(const Finding& name) {
  return "{\"path\": " + Json(name.arguments[0]) + ", \"problem\": \"" + FindingName(name.kind) +
         "\", \"text\": " + Json(FindingText(name)) + "}";
}

}  // namespace

std::string ReportAsText(const ReportHeading& heading, const FolderReport& report) {
  std::string out = HeadingAsText(heading, report) + VerdictAsText(report);
  if (!report.problems.empty()) {
    out += "\nProblems (" + std::to_string(report.problems.size()) + "):\n";
  }
  for (const CheckedBox& p : report.problems) {
    out += "  " + LinePrefix(p.line, p.otherLine) + "[" + OneLine(p.caption) + "] " +
           OneLine(p.text) + (p.detail.empty() ? "" : " (" + p.detail + ")") + "\n";
  }
  out += FindingsAsText("Warnings", report.warnings);
  if (heading.strict && !report.warnings.empty()) {
    out += "Strict: the warnings fail this check (--strict).\n";
  }
  out += FindingsAsText("Notes", report.notes) + RowsAsText(heading, report);
  if (!report.leftOut.empty()) out += "\nLeft out of the folder list:\n";
  for (const CheckedEntry& e : report.leftOut)
    out += "  " + OneLine(e.name) + ": " + e.reason + "\n";
  return out;
}

std::string ReportAsJson(const ReportHeading& heading, const FolderReport& report) {
  const auto row = [](const CheckedRow& r) {
    return "{\"path\": " + Json(r.path) + ", \"text\": " + Json(r.text) +
           ", \"description\": " + Json(r.description) +
           ", \"keepOpenAllowed\": " + JsonBool(r.keepOpenAllowed) + "}";
  };
  const auto entry = [](const CheckedEntry& e) {
    return "{\"name\": " + Json(e.name) + ", \"reason\": " + Json(e.reason) + "}";
  };
  return "{\n  \"folder\": " + Json(heading.folder) + ",\n  \"program\": " + Json(heading.program) +
         ",\n  \"programFrom\": " +
         (heading.programFrom.empty() ? "null" : Json(heading.programFrom)) +
         ",\n  \"strict\": " + JsonBool(heading.strict) + ",\n  \"platform\": \"" +
         kPlatformNames[report.platform] + "\",\n  \"mode\": \"" + kModeNames[report.mode] +
         "\",\n  \"configuration\": " + Json(report.configName) +
         ",\n  \"opens\": " + JsonBool(report.opens) +
         ",\n  \"message\": " + (report.opens ? "null" : JsonBox(report.first)) +
         ",\n  \"problems\": " + JsonList(report.problems, JsonBox) +
         ",\n  \"warnings\": " + JsonList(report.warnings, JsonFinding, kShownFindings) +
         ",\n  \"warningsNotListed\": " + NotListed(report.warnings) +
         ",\n  \"notes\": " + JsonList(report.notes, JsonFinding, kShownFindings) +
         ",\n  \"notesNotListed\": " + NotListed(report.notes) +
         ",\n  \"windowTitle\": " + (report.opens ? Json(report.windowTitle) : "null") +
         ",\n  \"rowsOpenFrom\": " + (report.opens ? Json(report.rowsOpenFrom) : "null") +
         ",\n  \"width\": " + std::to_string(report.width) +
         ",\n  \"widthIsDefault\": " + JsonBool(heading.widthIsDefault) +
         ",\n  \"rows\": " + JsonList(report.rows, row) +
         ",\n  \"underWine\": " + JsonOtherVerdict(report.underWine) +
         ",\n  \"leftOut\": " + JsonList(report.leftOut, entry) +
         ",\n  \"names\": " + JsonList(report.names, JsonName) + "\n}\n";
}
