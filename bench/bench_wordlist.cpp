// Dictionary budgets: loading the shipped wordlist.wl (< 20 ms), one possible-words list (< 2 ms).
#include <benchmark/benchmark.h>

#include <string>

#include "wordlist/dictionary.h"
#include "wordlist/wordpattern.h"

namespace {

const std::string kWordListPath = QUILLO_BIN_DIR "/wordlist.wl";

// The game loads once per run, into memory the process has never touched; the first iteration of
// the first benchmark is that load, so it is also reported on its own.
void BM_LoadShippedWordList(benchmark::State& state) {
  std::size_t words = 0;
  for (auto _ : state) {
    WordDictionary dict;
    if (ReadWordList(kWordListPath, dict)) {
      state.SkipWithError("cannot load the shipped wordlist.wl");
      return;
    }
    words = dict.WordCount();
    benchmark::DoNotOptimize(dict);
  }
  state.counters["words"] = static_cast<double>(words);
}
BENCHMARK(BM_LoadShippedWordList)->Name("BM_LoadShippedWordList/first")->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadShippedWordList)->Unit(benchmark::kMillisecond);

// A 7-letter enciphered word "XQBRZPM" with X guessed as t and M as s, nothing else guessed.
void BM_CandidatesForSevenLetters(benchmark::State& state) {
  WordDictionary dict;
  if (ReadWordList(kWordListPath, dict)) {
    state.SkipWithError("cannot load the shipped wordlist.wl");
    return;
  }
  std::string guess(26, ' ');
  guess['x' - 'a'] = 'T';
  guess['m' - 'a'] = 'S';
  const GuessLookup guessFor = [&](int c) { return guess[c]; };
  const LetterUsedTest used = [&](int p) {
    return guess.find(static_cast<char>('A' + p)) != std::string::npos;
  };
  std::size_t found = 0;
  for (auto _ : state) {
    const WordPattern pattern = BuildWordPattern("XQBRZPM", guessFor);
    std::vector<std::string> list = ListCandidates(dict, pattern, 0, "/q/quotes.cqt", used);
    found = list.size();
    benchmark::DoNotOptimize(list);
  }
  state.counters["candidates"] = static_cast<double>(found);
}
BENCHMARK(BM_CandidatesForSevenLetters)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
