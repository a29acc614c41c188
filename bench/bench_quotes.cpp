// A new game from a 5,000-quotation compressed file: the quotation alone (open, pick, decode;
// < 1 ms), and with the Qt front end the whole New Game (record lookup, unsolved choice, key,
// layout) up to the repainted window.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "sources/quotefile.h"

#ifdef QUILLO_WITH_QT
#include <stdlib.h>

#include <QApplication>
#include <QWidget>
#include <fstream>

#include "app/app.h"
#include "app/mainframe.h"
#include "app/session.h"
#include "framework/platform.h"
#include "qt/qtplatform.h"
#include "qt/qtwindow.h"
#endif

namespace {

constexpr std::uint32_t kQuotations = 5000;

// The shipped collection repeated to 5,000 quotations, or made-up text where it was not built.
std::vector<std::string> Collection() {
  std::vector<std::string> source;
  CompressedQuoteFile shipped(std::string(QUILLO_BIN_DIR) + "/quillo.cqt");
  char quote[kQuoteBufferSize];
  for (std::uint32_t i = 0; i < shipped.Count(); ++i) {
    if (shipped.ReadQuote(i, quote) == QuoteFileStatus::Ok) source.emplace_back(quote);
  }
  if (source.empty()) {
    source.push_back("The quick brown fox jumps over the lazy dog, again and again.\tA. Typist");
  }
  std::vector<std::string> quotations;
  while (quotations.size() < kQuotations) {
    quotations.push_back(source[quotations.size() % source.size()]);
  }
  return quotations;
}

void NewGameQuotation(benchmark::State& state) {
  const std::string path =
      (std::filesystem::temp_directory_path() / "quillo-bench-quotes.cqt").string();
  std::string error;
  if (!WriteCompressedQuoteFile(path, Collection(), "Benchmark", error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  std::uint32_t random = 12345;
  char quote[kQuoteBufferSize];
  for (auto _ : state) {
    random = random * 22695477u + 1u;
    CompressedQuoteFile file(path);
    const std::uint32_t index = (random >> 16) % file.Count();
    if (file.ReadQuote(index, quote) != QuoteFileStatus::Ok) state.SkipWithError("damaged");
    benchmark::DoNotOptimize(quote);
  }
  std::filesystem::remove(path);
}
BENCHMARK(NewGameQuotation)->Unit(benchmark::kMicrosecond);

#ifdef QUILLO_WITH_QT
// The game as a player runs it (offscreen, in a folder of its own): each iteration is a New Game
// on the 5,000-quotation file and the synchronous repaint of the main window that follows it.
void NewGameEndToEnd(benchmark::State& state) {
  static int argc = 1;
  static char name[] = "bench_quotes";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication application(argc, argv);
  const std::filesystem::path previous = std::filesystem::current_path();
  std::string folder = (std::filesystem::temp_directory_path() / "quillo-bench-XXXXXX").string();
  if (!mkdtemp(folder.data())) {
    state.SkipWithError("no temporary folder");
    return;
  }
  std::filesystem::current_path(folder);
  std::ofstream("quillo.ini") << "[quillo]\nTutorial=1\n";
  std::string error;
  if (!WriteCompressedQuoteFile("bench.cqt", Collection(), "Benchmark", error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  QtPlatform platform;
  SetPlatform(&platform);
  {
    auto session = QuilloSession::Start(QUILLO_BIN_DIR "/quillo", {"bench.cqt"});
    App& app = session->TheApp();
    QWidget* frame = dynamic_cast<QtPeer&>(app.Frame().Peer()).Widget();
    QApplication::processEvents();
    for (auto _ : state) {
      app.NewGame(PuzzleKind::kQuotePuzzle, -1, false);
      frame->repaint();
    }
  }
  SetPlatform(nullptr);
  std::filesystem::current_path(previous);
  std::filesystem::remove_all(folder);
}
BENCHMARK(NewGameEndToEnd)->Unit(benchmark::kMicrosecond);
#endif

}  // namespace

BENCHMARK_MAIN();
