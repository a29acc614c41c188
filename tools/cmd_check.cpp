// quillo-tool check: the faults and weak points of a quote file, one line per problem.
#include <cctype>
#include <cstdio>
#include <cstring>
#include <bit>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/programpath.h"
#include "solver/difficulty.h"
#include "sources/puzzleloader.h"
#include "sources/quotefile.h"
#include "tools/commands.h"

namespace {

const char* const kCheckUsage =
    "Usage: quillo-tool check FILE [--no-solve] [--dictionary WL]\n"
    "Checks a plain or compressed quote file and prints one line per problem, with its line\n"
    "(plain) or puzzle (compressed) number.\n"
    "Errors (exit status 1): a line over 999 characters, a character outside the quote code,\n"
    "a quotation that repeats an earlier one (case and punctuation ignored).\n"
    "Warnings: no attribution, fewer than 8 distinct letters, a quotation the solver misreads\n"
    "or finds rival readings for (skipped with --no-solve).\n";

constexpr int kFewestLetters = 8;

struct Entry {
  std::string text;
  std::string where;       // "line N" or "puzzle N"
  std::size_t length = 0;  // the full line length (plain files)
};

// The file's quotations; false (after saying why) when it cannot be read.
bool ReadEntries(const std::string& path, std::vector<Entry>& entries) {
  if (IsCompressedQuoteFileName(path.c_str())) {
    CompressedQuoteFile file(path);
    if (file.Status() != QuoteFileStatus::Ok && file.Status() != QuoteFileStatus::Empty) {
      std::fprintf(stderr, "quillo-tool: %s: %s\n", path.c_str(), QuoteFileMessage(file.Status()));
      return false;
    }
    char quote[kQuoteBufferSize];
    for (std::uint32_t i = 0; i < file.Count(); ++i) {
      const std::string where = "puzzle " + std::to_string(i + 1);
      if (file.ReadQuote(i, quote) != QuoteFileStatus::Ok) {
        std::fprintf(stderr, "quillo-tool: %s: %s is damaged\n", path.c_str(), where.c_str());
        return false;
      }
      entries.push_back({quote, where, std::strlen(quote)});
    }
    return true;
  }
  std::vector<PlainQuote> quotes;
  const QuoteFileStatus status = ReadPlainQuoteFile(path, quotes);
  if (status != QuoteFileStatus::Ok) {
    std::fprintf(stderr, "quillo-tool: %s: %s\n", path.c_str(), QuoteFileMessage(status));
    return false;
  }
  for (const PlainQuote& q : quotes) {
    entries.push_back({q.text, "line " + std::to_string(q.lineNumber), q.length});
  }
  return true;
}

// The body's letters and digits in lower case: what two copies of a quotation share.
std::string Folded(std::string_view quotation) {
  std::string folded;
  for (char c : BodyOf(quotation)) {
    if (std::isalnum(static_cast<unsigned char>(c))) folded += static_cast<char>(std::tolower(c));
  }
  return folded;
}

bool HasAttribution(std::string_view quotation) {
  const std::size_t tab = quotation.find('\t');
  return tab != std::string_view::npos &&
         quotation.find_first_not_of(" \t", tab) != std::string_view::npos;
}

int DistinctLetters(std::string_view text) {
  std::uint32_t seen = 0;
  for (char c : text) {
    if (std::isalpha(static_cast<unsigned char>(c))) seen |= 1u << (std::tolower(c) - 'a');
  }
  return std::popcount(seen);
}

class Report {
 public:
  explicit Report(std::string path) : path_(std::move(path)) {}
  void Error(const Entry& e, const std::string& text) {
    Say(e, "error", text);
    ++errors_;
  }
  void Warning(const Entry& e, const std::string& text) {
    Say(e, "warning", text);
    ++warnings_;
  }
  int Errors() const { return errors_; }
  int Warnings() const { return warnings_; }

 private:
  void Say(const Entry& e, const char* kind, const std::string& text) {
    std::printf("%s:%s: %s: %s\n", path_.c_str(), e.where.c_str(), kind, text.c_str());
  }
  std::string path_;
  int errors_ = 0;
  int warnings_ = 0;
};

void CheckSolver(const Solver& solver, const Entry& entry, std::size_t index, Report& report) {
  const PuzzleTrial trial = TryPuzzle(solver, entry.text, kTrialSeed + index, kTrialSteps);
  const std::vector<Reading>& readings = trial.result.readings;
  if (!trial.solved) {
    report.Warning(entry, "the solver misreads it as: " +
                              std::string(readings.empty() ? "" : BodyOf(readings[0].plaintext)));
  } else if (trial.result.solutions > 1 && readings.size() > 1) {
    report.Warning(entry, "the solver also finds: " + std::string(BodyOf(readings[1].plaintext)));
  }
}

}  // namespace

int CheckCommand(const ToolArgs& args) {
  std::string path;
  std::string dictionary = FolderOf(ProgramPath(nullptr)) + "wordlist.wl";
  bool solve = true;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--help" || args[i] == "-h") {
      std::fputs(kCheckUsage, stdout);
      return 0;
    }
    if (args[i] == "--no-solve") {
      solve = false;
    } else if (args[i] == "--dictionary" && i + 1 < args.size()) {
      dictionary = args[++i];
    } else if (args[i].rfind("--", 0) == 0 || !path.empty()) {
      std::fprintf(stderr, "quillo-tool: unexpected '%s'\n\n%s", args[i].c_str(), kCheckUsage);
      return 2;
    } else {
      path = args[i];
    }
  }
  if (path.empty()) {
    std::fprintf(stderr, "quillo-tool: check needs a FILE\n\n%s", kCheckUsage);
    return 2;
  }
  std::vector<Entry> entries;
  if (!ReadEntries(path, entries)) return 1;
  std::unique_ptr<Solver> solver;
  if (solve && !(solver = LoadSolver(dictionary))) return 1;

  Report report(path);
  std::map<std::string, std::string> firstSeen;  // folded body -> where
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const Entry& e = entries[i];
    if (e.length > kMaxQuoteLength) {
      report.Error(e, std::to_string(e.length) + " characters, more than " +
                          std::to_string(kMaxQuoteLength));
      continue;
    }
    if (const std::string problem = QuotationProblem(e.text); !problem.empty()) {
      report.Error(e, problem);
      continue;
    }
    const auto [seen, first] = firstSeen.try_emplace(Folded(e.text), e.where);
    if (!first) report.Error(e, "the same quotation as " + seen->second);
    if (!HasAttribution(e.text)) report.Warning(e, "no attribution");
    const int distinct = DistinctLetters(BodyOf(e.text));
    if (distinct < kFewestLetters) {
      report.Warning(e, "only " + std::to_string(distinct) + " distinct letters");
    } else if (solver) {
      CheckSolver(*solver, e, i, report);
    }
  }
  std::printf("%s: %zu quotations, %d errors, %d warnings\n", path.c_str(), entries.size(),
              report.Errors(), report.Warnings());
  std::fflush(stdout);
  return report.Errors() > 0 ? 1 : 0;
}
