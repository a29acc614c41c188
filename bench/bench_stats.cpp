// Statistics budget: reading a history of 100,000 games and computing every figure (< 50 ms).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "stats/statistics.h"

namespace {

constexpr int kGames = 100000;

// A history as a player's years would leave it: mostly solved games from two collections and
// favourites, some abandoned or revealed, one in fifty saved and continued later, about ten games
// a day, long folder names.
const std::string& HistoryPath() {
  static const std::string path = [] {
    const std::string p = (std::filesystem::temp_directory_path() / "bench-history.txt").string();
    std::string text = std::string(kHistoryVersionLine) + "\n";
    const char* files[] = {"/usr/share/games/quillo/quillo.cqt", "/home/player/Documents/quillo/favorite.qot",
                           "/home/player/Documents/quillo/My Own Quotes.cqt", ""};
    std::uint32_t random = 12345;
    for (int i = 0; i < kGames; ++i) {
      random = random * 22695477 + 1;
      GameRecord r;
      r.ended = 1577836800 + std::int64_t{i} * 8640 + random % 600;
      r.id = 0x9e3779b97f4a7c15ull * static_cast<std::uint64_t>(i + 1);
      r.outcome = random % 10 == 0 ? Outcome::Abandoned : random % 10 == 1 ? Outcome::Revealed : Outcome::Solved;
      r.kind = random % 7 == 0 ? 2 : 0;
      r.quoteFile = r.kind == 2 ? files[3] : files[random % 3];
      r.puzzle = r.kind == 2 || random % 3 == 1 ? 0 : static_cast<int>(random % 2300) + 1;
      r.letters = 30 + static_cast<int>(random >> 8) % 170;
      r.distinct = 12 + static_cast<int>(random >> 12) % 14;
      r.seconds = 60 + static_cast<int>(random >> 4) % 1800;
      for (int k = 0; k < kHelpKinds; ++k) r.help[k] = static_cast<int>(random >> (k + 10)) % 4;
      if (i % 50 == 0) {
        const Outcome ended = r.outcome;
        r.outcome = Outcome::Saved;
        text += FormatRecord(r) + "\n";
        r.outcome = ended;
        r.ended += 3600;
      }
      text += FormatRecord(r) + "\n";
    }
    std::FILE* f = std::fopen(p.c_str(), "wb");
    if (f) {
      std::fwrite(text.data(), 1, text.size(), f);
      std::fclose(f);
    }
    return p;
  }();
  return path;
}

void BM_ReadAndCompute(benchmark::State& state) {
  const std::string& path = HistoryPath();
  std::size_t games = 0;
  const std::vector<CollectionSize> sizes = {{"quillo.cqt", 2300}, {"My Own Quotes.cqt", 2300}};
  for (auto _ : state) {
    HistoryRead read = ReadHistory(path);
    const Statistics s = ComputeStatistics(read.records, 1900000000, SystemUtcOffset, sizes);
    games = static_cast<std::size_t>(s.gamesPlayed);
    benchmark::DoNotOptimize(s);
    // The window keeps the records for its Export button until it closes: freeing them is not
    // part of opening it.
    state.PauseTiming();
    { const HistoryRead closed = std::move(read); }
    state.ResumeTiming();
  }
  state.counters["games"] = static_cast<double>(games);
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
}
BENCHMARK(BM_ReadAndCompute)->Unit(benchmark::kMillisecond);

// The two halves apart.
void BM_ReadOnly(benchmark::State& state) {
  const std::string& path = HistoryPath();
  for (auto _ : state) benchmark::DoNotOptimize(ReadHistory(path));
}
BENCHMARK(BM_ReadOnly)->Unit(benchmark::kMillisecond);

void BM_ComputeOnly(benchmark::State& state) {
  const HistoryRead read = ReadHistory(HistoryPath());
  for (auto _ : state) {
    benchmark::DoNotOptimize(ComputeStatistics(read.records, 1900000000, SystemUtcOffset, {{"quillo.cqt", 2300}}));
  }
}
BENCHMARK(BM_ComputeOnly)->Unit(benchmark::kMillisecond);

// Removes the generated history when the program ends.
const struct Cleanup {
  ~Cleanup() { std::filesystem::remove(std::filesystem::temp_directory_path() / "bench-history.txt"); }
} cleanup;

}  // namespace

BENCHMARK_MAIN();
