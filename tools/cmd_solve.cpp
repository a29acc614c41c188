// quillo-tool solve and rate: the solver from the command line, and the ratings of a collection.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/programpath.h"
#include "solver/difficulty.h"
#include "sources/quotefile.h"
#include "sources/ratings.h"
#include "tools/commands.h"

namespace {

const char* const kSolveUsage =
    "Usage: quillo-tool solve [FILE] [--top N] [--json] [--budget MS] [--dictionary WL]\n"
    "Solves one enciphered quotation per line of FILE (standard input without FILE) and prints\n"
    "the most likely plaintext of each, in order, keeping case and punctuation.\n"
    "  --top N     the N best readings of each line, each as 'score TAB plaintext', then an\n"
    "              empty line\n"
    "  --json      one JSON object per line: key (the plain letter for each cipher letter A-Z,\n"
    "              '-' for a letter not in the text), plaintext, confidence (0..1), solutions\n"
    "              (\"one\", \"several\" or \"none\"), outOfBudget, and readings with --top\n"
    "  --budget MS the time budget per quotation in milliseconds (default 300)\n"
    "  --dictionary WL  the word-list dictionary (default: wordlist.wl beside the tool)\n";

const char* const kRateUsage =
    "Usage: quillo-tool rate FILE.cqt [--dictionary WL]\n"
    "Rates every puzzle of a compressed quote file (Easy, Medium or Hard, with a score 0..100,\n"
    "from a trial solve and the quotation's features) and writes the ratings file beside it:\n"
    "the same base name with the extension .cqr.\n";


std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\t') {
      out += "\\t";
    } else if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7F) {
      char code[8];
      std::snprintf(code, sizeof code, "\\u%04x", static_cast<unsigned char>(c));
      out += code;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

void PrintJson(const SolveResult& result, bool withReadings) {
  const Reading best = result.readings.empty() ? Reading{} : result.readings.front();
  std::string key(best.key.begin(), best.key.end());
  if (result.readings.empty()) key = std::string(26, '-');
  const char* count = result.solutions == 0 ? "none" : result.solutions == 1 ? "one" : "several";
  std::printf("{\"key\":%s,\"plaintext\":%s,\"confidence\":%.4f,\"solutions\":\"%s\","
              "\"solutionCount\":%d,\"outOfBudget\":%s",
              JsonString(key).c_str(), JsonString(best.plaintext).c_str(), result.confidence,
              count, result.solutions, result.outOfBudget ? "true" : "false");
  if (withReadings) {
    std::printf(",\"readings\":[");
    for (std::size_t i = 0; i < result.readings.size(); ++i) {
      std::printf("%s{\"plaintext\":%s,\"score\":%.2f}", i ? "," : "",
                  JsonString(result.readings[i].plaintext).c_str(), result.readings[i].score);
    }
    std::printf("]");
  }
  std::printf("}\n");
}

// Options shared by solve and rate.
struct SolverArgs {
  std::vector<std::string> files;
  std::string dictionary;
  SolveOptions options;
  bool json = false;
};

bool ParseNumberArg(const std::string& text, double& value) {
  try {
    std::size_t used = 0;
    value = std::stod(text, &used);
    return used == text.size() && value >= 0;
  } catch (...) {
    return false;
  }
}

// Reads the arguments; on a usage error prints it and returns its exit status, else -1.
int ParseSolverArgs(const ToolArgs& args, const char* usage, SolverArgs& out) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") {
      std::fputs(usage, stdout);
      return 0;
    }
    const bool takesValue = a == "--top" || a == "--budget" || a == "--dictionary";
    if (takesValue && i + 1 == args.size()) return UsageError(a + " needs a value", usage);
    double number = 0;
    if (a == "--json") {
      out.json = true;
    } else if (a == "--dictionary") {
      out.dictionary = args[++i];
    } else if (a == "--top" || a == "--budget") {
      if (!ParseNumberArg(args[++i], number)) return UsageError("bad value for " + a, usage);
      if (a == "--top") out.options.top = static_cast<int>(std::min(number, 1000.0));
      if (a == "--budget") out.options.budgetMs = number;
    } else if (a.rfind("--", 0) == 0) {
      return UsageError("unknown option '" + a + "'", usage);
    } else {
      out.files.push_back(a);
    }
  }
  if (out.options.top < 1) return UsageError("--top needs a number of 1 or more", usage);
  if (out.dictionary.empty()) out.dictionary = FolderOf(ProgramPath(nullptr)) + "wordlist.wl";
  return -1;
}

}  // namespace

std::unique_ptr<Solver> LoadSolver(const std::string& dictionaryPath) {
  WordDictionary dict;
  if (const std::optional<WordListFault> fault = ReadWordList(dictionaryPath, dict)) {
    Fail(dictionaryPath + ": " + FaultText(*fault));
    return nullptr;
  }
  return std::make_unique<Solver>(dict);
}

int SolveCommand(const ToolArgs& args) {
  SolverArgs parsed;
  if (const int status = ParseSolverArgs(args, kSolveUsage, parsed); status >= 0) return status;
  if (parsed.files.size() > 1) return UsageError("solve takes at most one FILE", kSolveUsage);
  std::ifstream file;
  if (!parsed.files.empty()) {
    file.open(parsed.files[0], std::ios::binary);
    if (!file) return Fail(parsed.files[0] + ": cannot open the file");
  }
  std::istream& in = parsed.files.empty() ? std::cin : file;
  const std::unique_ptr<Solver> solver = LoadSolver(parsed.dictionary);
  if (!solver) return 1;
  const bool ranked = parsed.options.top > 1;
  std::size_t lineNumber = 0;
  for (std::string line; std::getline(in, line);) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const SolveResult result = solver->Solve(line, parsed.options);
    if (result.outOfBudget) {
      std::fprintf(stderr, "quillo-tool: line %zu: out of time; the best reading so far\n", lineNumber);
    }
    if (parsed.json) {
      PrintJson(result, ranked);
    } else if (ranked) {
      for (const Reading& r : result.readings) std::printf("%.2f\t%s\n", r.score, r.plaintext.c_str());
      std::printf("\n");
    } else {
      std::printf("%s\n", result.readings.empty() ? line.c_str()
                                                  : result.readings.front().plaintext.c_str());
    }
  }
  return std::fflush(stdout) == 0 ? 0 : Fail("cannot write the output");
}

int RateCommand(const ToolArgs& args) {
  SolverArgs parsed;
  if (const int status = ParseSolverArgs(args, kRateUsage, parsed); status >= 0) return status;
  if (parsed.files.size() != 1) return UsageError("rate needs one FILE", kRateUsage);
  const std::string& path = parsed.files[0];
  CompressedQuoteFile file(path);
  if (file.Status() != QuoteFileStatus::Ok) return Fail(path + ": not a readable compressed quote file");
  const std::unique_ptr<Solver> solver = LoadSolver(parsed.dictionary);
  if (!solver) return 1;
  std::vector<PuzzleRating> ratings;
  char quote[kQuoteBufferSize];
  for (std::uint32_t i = 0; i < file.Count(); ++i) {
    if (file.ReadQuote(i, quote) != QuoteFileStatus::Ok) {
      return Fail(path + ": puzzle " + std::to_string(i + 1) + " is damaged; nothing written");
    }
    ratings.push_back(RatePuzzle(quote, TryPuzzle(*solver, quote, kTrialSeed + i, kTrialSteps)));
  }
  const std::string out = RatingsFileNameFor(path);
  if (!WriteRatings(out, ratings)) return Fail(out + ": cannot write the ratings");
  int bands[3] = {};
  for (const PuzzleRating& r : ratings) ++bands[static_cast<int>(r.band)];
  std::printf("%s: %zu puzzles rated: %d Easy, %d Medium, %d Hard\n", out.c_str(), ratings.size(),
              bands[0], bands[1], bands[2]);
  return std::fflush(stdout) == 0 ? 0 : Fail("cannot write the output");
}
