// check_files: judges the player's files in a folder with the game's own readers, for the kill
// test. Prints one line per fault and exits 1 when there is any, 0 when every file is whole.
//
//   check_files DIR QUOTES [WON...]
//
// DIR is the working folder, QUOTES the compressed quote file whose record (its name with
// ".cqm") lives in DIR, WON the 0-based puzzle numbers that must be marked solved in it.
// history.txt is checked too. Missing files are fine: a run may have been killed before it wrote any of them.
#include <cstdlib>
#include <filesystem>

#include "classlib/inifile_text.h"
#include "classlib/safefile.h"
#include "sources/memory.h"
#include "sources/quotefile.h"
#include "stats/history.h"

namespace {

constexpr std::size_t kMaxPlayerFile = 1 << 24;
// quillo.svg by kind: kind, [number, quote file,] 26 key lines, clock, 26 panel lines,
// counters, 1000 text lines.
constexpr std::size_t kSavedGameLines = 1 + 26 + 1 + 26 + 1 + 1000;

int faults = 0;

// Reports a fault; false, for the checks that stop at one.
bool Fault(const std::string& file, const std::string& why) {
  std::printf("%s: %s\n", file.c_str(), why.c_str());
  ++faults;
  return false;
}

// The file's text when it is there; false when it is missing or no regular file.
bool Load(const std::string& path, std::string& text) {
  LoadedFile file = LoadSmallFile(path, kMaxPlayerFile);
  if (file.state == FileState::Missing) return false;
  if (file.state != FileState::Text) return Fault(path, "not a readable regular file");
  text = std::move(file.text);
  return true;
}

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

// A file of lines is whole when it is empty or its last byte ends a line.
bool WholeLines(const std::string& path, const std::string& text) {
  return text.empty() || text.back() == '\n' || Fault(path, "last line cut (no line end)");
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

// Every line a section, a key=value or blank, and every key found by the game's reader.
void CheckSettings(const std::string& path) {
  std::string text;
  if (!Load(path, text) || !WholeLines(path, text)) return;
  std::string section;
  int lineNumber = 0;
  for (std::string_view raw : Lines(text)) {
    ++lineNumber;
    const std::string_view line = Trim(raw);
    const std::string where = "line " + std::to_string(lineNumber) + ": ";
    if (line.empty()) continue;
    if (line.front() == '[') {
      if (line.back() != ']') Fault(path, where + "section line not closed");
      section = std::string(Trim(line.substr(1, line.size() - 2)));
      continue;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || Trim(line.substr(0, equals)).empty() || section.empty()) {
      Fault(path, where + "neither a section nor a key=value line");
      continue;
    }
    std::string value;
    if (!FindIniValue(text, section, Trim(line.substr(0, equals)), value)) {
      Fault(path, where + "key not found by the settings reader");
    }
  }
}

void CheckSavedGame(const std::string& path) {
  std::string text;
  if (!Load(path, text) || !WholeLines(path, text)) return;
  const std::vector<std::string_view> lines = Lines(text);
  const std::size_t expected = kSavedGameLines + (!lines.empty() && lines[0] == "0" ? 2 : 0);
  if (lines.size() != expected) {
    Fault(path, std::to_string(lines.size()) + " lines, expected " + std::to_string(expected));
  }
}

// False when a fault ends the check early.
bool CheckRecord(const std::string& folder, const std::string& quotes, const std::vector<std::uint32_t>& won) {
  CompressedQuoteFile file(quotes);
  if (file.Status() != QuoteFileStatus::Ok) return Fault(quotes, "quote file cannot be read");
  const std::string path = folder + "/" + std::filesystem::path(quotes).stem().string() + ".cqm";
  std::string text;
  if (!Load(path, text)) return won.empty() || Fault(path, "missing after a win");
  const std::size_t size = (file.Count() + 31) / 32 * 4;
  if (text.size() != size) Fault(path, std::to_string(text.size()) + " bytes, expected " + std::to_string(size));
  Memory record;
  record.OpenMemory(file.Count(), path.c_str());
  for (std::uint32_t n : won) {
    if (n >= file.Count() || !record.IsSolved(n)) Fault(path, "puzzle " + std::to_string(n) + " won but not marked");
  }
  return true;
}

// The game makes the file only to write a favourite into it: it is never empty.
void CheckFavorites(const std::string& path) {
  std::string text;
  if (!Load(path, text) || !WholeLines(path, text)) return;
  if (text.empty()) {
    Fault(path, "made but holds no favourite");
    return;
  }
  std::vector<PlainQuote> quotes;
  if (ReadPlainQuoteFile(path, quotes) != QuoteFileStatus::Ok) Fault(path, "not a quote file");
  for (const PlainQuote& quote : quotes) {
    if (quote.text.find('\t') == std::string::npos) {
      Fault(path, "line " + std::to_string(quote.lineNumber) + " has no attribution");
    }
  }
}

// Every ended line a game the reader takes: an append killed part-way may leave only an unended
// last line, which the next append ends and the reader skips.
void CheckHistory(const std::string& path) {
  std::string text;
  if (!Load(path, text)) return;
  const std::size_t whole = text.rfind('\n') + 1;  // 0 when no line is ended
  const HistoryRead read = ParseHistory(std::string_view(text).substr(0, whole));
  if (read.badLines > 0) Fault(path, std::to_string(read.badLines) + " damaged lines");
  if (!text.empty() && text.compare(0, kHistoryVersionLine.size(), kHistoryVersionLine) != 0) {
    Fault(path, "no version line");
  }
}

void CheckErrorLog(const std::string& path) {
  std::string text;
  if (Load(path, text)) WholeLines(path, text);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: check_files DIR QUOTES [WON...]\n");
    return 64;
  }
  const std::string folder = argv[1];
  std::vector<std::uint32_t> won;
  for (int i = 3; i < argc; ++i) won.push_back(static_cast<std::uint32_t>(std::strtoul(argv[i], nullptr, 10)));
  CheckSettings(folder + "/quillo.ini");
  CheckSavedGame(folder + "/quillo.svg");
  CheckRecord(folder, argv[2], won);
  CheckFavorites(folder + "/favorite.qot");
  CheckErrorLog(folder + "/errors.txt");
  CheckHistory(folder + "/history.txt");
  return faults == 0 ? 0 : 1;
}
