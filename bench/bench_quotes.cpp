// A new game's quotation: open a 5,000-quotation compressed file, pick one, decode it (< 1 ms).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "sources/quotefile.h"

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

}  // namespace

BENCHMARK_MAIN();
