// Dictionary budgets: loading the shipped wordlist.wl (< 20 ms), one possible-words list (< 2 ms),
// and the fill of the real Possible Words list (goal < 10 ms at 6,000 words).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "wordlist/dictionary.h"
#include "wordlist/wordpattern.h"

#ifdef QUILLO_WITH_QT
#include <QApplication>

#include "framework/dialog.h"
#include "qt/qtdialog.h"
#include "resources/dlg_wordlist.h"
#include "resources/resources.h"
#endif

namespace {

const std::string kWordListPath = QUILLO_BIN_DIR "/wordlist.wl";

// The game loads once per run, into memory the process has never touched: the first benchmark
// is that load, a single iteration in a fresh process; the repeated load follows for comparison.
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
BENCHMARK(BM_LoadShippedWordList)->Name("BM_LoadShippedWordList/warm")->Unit(benchmark::kMillisecond);

const WordDictionary* Dictionary() {
  static WordDictionary dict;
  static const bool loaded = !ReadWordList(kWordListPath, dict);
  return loaded ? &dict : nullptr;
}

// An enciphered word, its guesses as pairs of cipher letter and plain letter ("xTmS"), and the
// puzzle kind (an entered puzzle also lists the rare words).
struct Query {
  const char* word;
  const char* guesses;
  int kind;
};
constexpr Query kFewMatches{"XQBRZPM", "xTmS", 0};  // 7 letters, two guessed
constexpr Query kThousands{"ABCDEF", "", 1};         // 6 different letters, none guessed

std::vector<std::string> Candidates(const WordDictionary& dict, const Query& query) {
  std::string guess(26, ' ');
  for (const char* g = query.guesses; g[0] && g[1]; g += 2) guess[g[0] - 'a'] = g[1];
  const GuessLookup guessFor = [&](int c) { return guess[c]; };
  const LetterUsedTest used = [&](int p) {
    return guess.find(static_cast<char>('A' + p)) != std::string::npos;
  };
  return ListCandidates(dict, BuildWordPattern(query.word, guessFor), query.kind, "/q/quotes.cqt",
                        used);
}

void BM_Candidates(benchmark::State& state, Query query) {
  const WordDictionary* dict = Dictionary();
  if (!dict) {
    state.SkipWithError("cannot load the shipped wordlist.wl");
    return;
  }
  std::size_t found = 0;
  for (auto _ : state) {
    std::vector<std::string> list = Candidates(*dict, query);
    found = list.size();
    benchmark::DoNotOptimize(list);
  }
  state.counters["candidates"] = static_cast<double>(found);
}
BENCHMARK_CAPTURE(BM_Candidates, few, kFewMatches)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Candidates, thousands, kThousands)->Unit(benchmark::kMicrosecond);

#ifdef QUILLO_WITH_QT
// The Possible Words dialog of the Qt front end, shown offscreen, with its list as the game adds
// it (sorted for the alphabetical order), filled with thousands of candidates and painted: at
// once, as the game does, or one word at a time as it did before.
void BM_FillWordListDialog(benchmark::State& state) {
  const WordDictionary* dict = Dictionary();
  if (!dict) {
    state.SkipWithError("cannot load the shipped wordlist.wl");
    return;
  }
  static int argc = 1;
  static char name[] = "bench_wordlist";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication application(argc, argv);
  const std::vector<std::string> words = Candidates(*dict, kThousands);
  TDialog dialog(nullptr, WordListTemplate());
  QtDialogPeer peer(dialog, nullptr);
  peer.AddControl(state.range(0) ? TControlKind::SortedListBox : TControlKind::ListBox,
                  kWordListBox, "", {12, 12, 12 + 155, 12 + 145});
  peer.show();
  QApplication::processEvents();
  const bool oneByOne = state.range(1) != 0;
  for (auto _ : state) {
    peer.ListClear(kWordListBox);
    if (oneByOne) {
      for (const std::string& word : words) peer.ListAdd(kWordListBox, word, 0);
    } else {
      peer.ListAddAll(kWordListBox, words);
    }
    peer.repaint();
  }
  state.counters["words"] = static_cast<double>(peer.ListCount(kWordListBox));
}
BENCHMARK(BM_FillWordListDialog)->ArgNames({"sorted", "oneByOne"})
    ->Args({1, 0})->Args({1, 1})->Args({0, 0})->Unit(benchmark::kMillisecond);
#endif

}  // namespace

BENCHMARK_MAIN();
