// Start-up to the first painted puzzle, offscreen, against a minimal Qt main window: time and
// peak memory (budget: within 1.5x the time and 15 MiB of the minimal window). Both programs
// report the moment of their first paint; the time runs from the fork to that moment.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Sample {
  double seconds = 0;
  long peakKiB = 0;
  bool ok = false;
};

std::vector<Sample> gameSamples;
std::vector<Sample> minimalSamples;

// A folder where the game finds settings that skip the tutorial question, so the run ends at
// the first painted puzzle instead of waiting for an answer.
const std::string& RunFolder() {
  static const std::string folder = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "quillo-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) return std::string(".");
    std::ofstream(pattern + "/quillo.ini") << "[quillo]\nTutorial=1\n";
    return pattern;
  }();
  return folder;
}

// The "first-paint <steady clock in ns>" line a program writes, as seconds on the steady clock.
double FirstPaintSeconds(int pipeFd) {
  std::string output;
  char buffer[256];
  for (ssize_t n; (n = read(pipeFd, buffer, sizeof buffer)) > 0;) output.append(buffer, n);
  const std::size_t at = output.find("first-paint ");
  if (at == std::string::npos) return -1;
  return std::strtod(output.c_str() + at + 12, nullptr) / 1e9;
}

// Runs program offscreen in the run folder: the time from its start to its first paint (as it
// reports it), and its peak memory.
[[maybe_unused]] Sample RunChild(const char* program) {  // unused without the Qt front end
  Sample sample;
  int output[2];
  if (pipe(output) != 0) return sample;
  const double start =
      std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
  const pid_t child = fork();
  if (child == 0) {
    if (chdir(RunFolder().c_str()) != 0) _exit(126);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("QUILLO_EXIT_AFTER_FIRST_PAINT", "1", 1);
    alarm(60);  // a run that hangs (a question nobody answers) ends here
    dup2(output[1], STDOUT_FILENO);
    const int quiet = open("/dev/null", O_WRONLY);  // Qt's notes would drown the results
    if (quiet >= 0) dup2(quiet, STDERR_FILENO);
    close(output[0]);
    close(output[1]);
    execl(program, program, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(output[1]);
  if (child < 0) {
    close(output[0]);
    return sample;
  }
  const double painted = FirstPaintSeconds(output[0]);
  close(output[0]);
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child) return sample;
  sample.seconds = painted - start;
  sample.peakKiB = usage.ru_maxrss;
  sample.ok = painted > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return sample;
}

double Median(std::vector<Sample> samples) {
  std::sort(samples.begin(), samples.end(),
            [](const Sample& a, const Sample& b) { return a.seconds < b.seconds; });
  return samples.empty() ? 0 : samples[samples.size() / 2].seconds;
}

long Peak(const std::vector<Sample>& samples) {
  long peak = 0;
  for (const Sample& s : samples) peak = std::max(peak, s.peakKiB);
  return peak;
}

#ifdef QUILLO_GAME
// Each iteration starts the minimal window and then the game, so both meet the same machine load.
void StartupToFirstPaint(benchmark::State& state) {
  for (auto _ : state) {
    const Sample minimal = RunChild(QUILLO_MINIMAL_WINDOW);
    const Sample game = RunChild(QUILLO_GAME);
    if (!minimal.ok || !game.ok) {
      state.SkipWithError("a program did not start and quit cleanly");
      return;
    }
    minimalSamples.push_back(minimal);
    gameSamples.push_back(game);
    state.SetIterationTime(game.seconds);
  }
  state.counters["game_peak_MiB"] = static_cast<double>(Peak(gameSamples)) / 1024;
  state.counters["minimal_peak_MiB"] = static_cast<double>(Peak(minimalSamples)) / 1024;
}
BENCHMARK(StartupToFirstPaint)->UseManualTime()->Iterations(11)->Unit(benchmark::kMillisecond);
#else
void StartupToFirstPaint(benchmark::State& state) {
  for (auto _ : state) state.SkipWithError("built without the Qt front end");
}
BENCHMARK(StartupToFirstPaint);
#endif

void PrintComparison() {
  if (gameSamples.empty() || minimalSamples.empty()) return;
  const double game = Median(gameSamples);
  const double minimal = Median(minimalSamples);
  const double ratio = minimal > 0 ? game / minimal : 0;
  const double extraMiB = static_cast<double>(Peak(gameSamples) - Peak(minimalSamples)) / 1024;
  std::printf("start-up median: game %.1f ms, minimal window %.1f ms, ratio %.2f (budget 1.5): %s\n",
              game * 1000, minimal * 1000, ratio, ratio <= 1.5 ? "within" : "OVER");
  std::printf("peak memory: game %.1f MiB, minimal window %.1f MiB, difference %.1f MiB "
              "(budget 15): %s\n",
              static_cast<double>(Peak(gameSamples)) / 1024,
              static_cast<double>(Peak(minimalSamples)) / 1024, extraMiB,
              extraMiB <= 15 ? "within" : "OVER");
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  PrintComparison();
  std::error_code ignored;
  if (RunFolder() != ".") std::filesystem::remove_all(RunFolder(), ignored);
  return 0;
}
