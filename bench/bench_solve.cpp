// Solver benchmark: every quotation of the shipped collection enciphered with a fixed-seed key,
// solved under the default budget; prints time per quotation and the share solved exactly.
// Usage: bench_solve [--verbose] [--count N] [--half 1|2] [--beam N] [QUOTE_FILE.cqt [WORDLIST.wl]]
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "solver/difficulty.h"
#include "sources/quotefile.h"

namespace {

// This thread's processor time in milliseconds: the machine is shared, so wall time alone
// overstates the solver's cost.
double CpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

constexpr std::uint64_t kSeed = 20261206;

int LettersOf(std::string_view text) {
  int n = 0;
  for (char c : text) n += ((c | 0x20) >= 'a' && (c | 0x20) <= 'z');
  return n;
}

int SameLetterCount(std::string_view a, std::string_view b) {
  int n = 0;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
    const bool letter = (a[i] | 0x20) >= 'a' && (a[i] | 0x20) <= 'z';
    n += letter && (a[i] | 0x20) == (b[i] | 0x20);
  }
  return n;
}

}  // namespace

int main(int argc, char** argv) {
  bool verbose = false;
  std::uint32_t limit = 0xFFFFFFFF;
  int half = 0;  // 1: odd puzzle numbers only (1, 3, ...), 2: even ones; 0: all
  SolveOptions options;
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--verbose") == 0) verbose = true;
    else if (std::strcmp(argv[i], "--count") == 0 && i + 1 < argc) limit = std::atoi(argv[++i]);
    else if (std::strcmp(argv[i], "--half") == 0 && i + 1 < argc) half = std::atoi(argv[++i]);
    else if (std::strcmp(argv[i], "--beam") == 0 && i + 1 < argc) options.beamWidth = std::atoi(argv[++i]);
    else files.push_back(argv[i]);
  }
  const std::string quotePath = files.size() > 0 ? files[0] : QUILLO_BIN_DIR "/quillo.cqt";
  const std::string wordPath = files.size() > 1 ? files[1] : QUILLO_BIN_DIR "/wordlist.wl";
  WordDictionary dict;
  if (ReadWordList(wordPath, dict)) {
    std::fprintf(stderr, "bench_solve: cannot read %s\n", wordPath.c_str());
    return 1;
  }
  CompressedQuoteFile file(quotePath);
  if (file.Status() != QuoteFileStatus::Ok) {
    std::fprintf(stderr, "bench_solve: cannot read %s\n", quotePath.c_str());
    return 1;
  }
  using Clock = std::chrono::steady_clock;
  const Clock::time_point loadStart = Clock::now();
  const Solver solver(dict);
  const double loadMs = std::chrono::duration<double, std::milli>(Clock::now() - loadStart).count();

  std::vector<double> times, cpu, steps;
  int exact = 0, letters = 0, rightLetters = 0, outOfBudget = 0, several = 0;
  char quote[kQuoteBufferSize];
  for (std::uint32_t i = 0; i < file.Count() && i < limit; ++i) {
    if (half != 0 && static_cast<int>(i % 2) != half - 1) continue;
    if (file.ReadQuote(i, quote) != QuoteFileStatus::Ok) return 1;
    const std::string cipher = ApplyKey(quote, SeededKey(kSeed + i));
    const Clock::time_point start = Clock::now();
    const double cpuStart = CpuMs();
    const SolveResult result = solver.Solve(cipher, options);
    cpu.push_back(CpuMs() - cpuStart);
    steps.push_back(static_cast<double>(result.steps));
    times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    const std::string_view body = BodyOf(quote);
    const std::string plain = result.readings.empty() ? "" : result.readings.front().plaintext;
    const std::string_view solvedBody = BodyOf(plain);
    exact += SameLetters(body, solvedBody);
    letters += LettersOf(body);
    rightLetters += SameLetterCount(body, solvedBody);
    outOfBudget += result.outOfBudget;
    several += result.solutions > 1;
    if (verbose && !SameLetters(body, solvedBody)) {
      std::printf("%u\t%.1f ms\t%s\n\t\t%s\n", i + 1, times.back(), quote, plain.c_str());
    }
  }
  const std::size_t n = times.size();
  std::printf("quotations %zu, dictionary index built in %.0f ms\n", n, loadMs);
  const auto print = [n](const char* what, std::vector<double> v, const char* unit) {
    std::sort(v.begin(), v.end());
    double total = 0;
    for (double t : v) total += t;
    std::printf("%s per quotation: median %.1f%s, p99 %.1f%s, max %.1f%s; all %.1f\n", what,
                v[n / 2], unit, v[std::min(n - 1, n * 99 / 100)], unit, v[n - 1], unit, total);
  };
  print("wall time", times, " ms");
  print("cpu time", cpu, " ms");
  print("search steps", steps, "");
  std::printf("bodies solved exactly %.1f%%, letters right %.2f%%\n", 100.0 * exact / n,
              100.0 * rightLetters / std::max(1, letters));
  std::printf("out of budget %d, with rival solutions %d\n", outOfBudget, several);
  return 0;
}
