// Start-up to the first painted puzzle against a plain Qt window of the game's size: time and
// peak memory, offscreen and, when Xvfb is installed, on a real X server (goals: at most 1.3x the
// time offscreen, and within 15 MiB). Both programs report the moment of their first paint; the
// time runs from the fork to that moment. The two run in alternating pairs, so both meet the
// same machine load, and the median of the pairs' ratios is reported.
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
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Sample {
  double seconds = 0;
  long peakKiB = 0;
  bool ok = false;
  std::string size;  // the game's window size, "WIDTHxHEIGHT"
};

// A display to start the programs on: the Qt platform plugin and the X display, if any.
struct Screen {
  const char* platform;
  std::string display;
};

struct Pairs {
  std::vector<double> ratios;
  std::vector<Sample> game, plain;
};
std::map<std::string, Pairs> results;  // by screen name

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

// Reads a program's output: the "first-paint <steady clock in ns>" line as seconds, and the
// size that may follow it.
double FirstPaintSeconds(int pipeFd, std::string& size) {
  std::string output;
  char buffer[256];
  for (ssize_t n; (n = read(pipeFd, buffer, sizeof buffer)) > 0;) output.append(buffer, n);
  const std::size_t at = output.find("first-paint ");
  if (at == std::string::npos) return -1;
  char* end = nullptr;
  const double ns = std::strtod(output.c_str() + at + 12, &end);
  if (std::string_view(end).starts_with(" size ")) size = std::string(end + 6, std::strcspn(end + 6, "\n"));
  return ns / 1e9;
}

// Runs program (with one argument, or none) on the screen in the run folder: the time from its
// start to its first paint (as it reports it), and its peak memory.
[[maybe_unused]] Sample RunChild(const char* program, const std::string& argument, const Screen& screen) {
  Sample sample;
  int output[2];
  if (pipe(output) != 0) return sample;
  const double start =
      std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
  const pid_t child = fork();
  if (child == 0) {
    if (chdir(RunFolder().c_str()) != 0) _exit(126);
    setenv("QT_QPA_PLATFORM", screen.platform, 1);
    if (!screen.display.empty()) setenv("DISPLAY", screen.display.c_str(), 1);
    setenv("QUILLO_EXIT_AFTER_FIRST_PAINT", "1", 1);
    alarm(60);  // a run that hangs (a question nobody answers) ends here
    dup2(output[1], STDOUT_FILENO);
    const int quiet = open("/dev/null", O_WRONLY);  // Qt's notes would drown the results
    if (quiet >= 0) dup2(quiet, STDERR_FILENO);
    close(output[0]);
    close(output[1]);
    if (argument.empty()) {
      execl(program, program, static_cast<char*>(nullptr));
    } else {
      execl(program, program, argument.c_str(), static_cast<char*>(nullptr));
    }
    _exit(127);
  }
  close(output[1]);
  if (child < 0) {
    close(output[0]);
    return sample;
  }
  const double painted = FirstPaintSeconds(output[0], sample.size);
  close(output[0]);
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child) return sample;
  sample.seconds = painted - start;
  sample.peakKiB = usage.ru_maxrss;
  sample.ok = painted > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return sample;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

double MedianSeconds(const std::vector<Sample>& samples) {
  std::vector<double> seconds;
  for (const Sample& s : samples) seconds.push_back(s.seconds);
  return Median(seconds);
}

double PeakMiB(const std::vector<Sample>& samples) {
  long peak = 0;
  for (const Sample& s : samples) peak = std::max(peak, s.peakKiB);
  return static_cast<double>(peak) / 1024;
}

#ifdef QUILLO_GAME
// One pair per iteration, the order alternating; a first game run tells the window size.
void StartupToFirstPaint(benchmark::State& state, const std::string& name, Screen screen) {
  const Sample first = RunChild(QUILLO_GAME, "", screen);
  if (!first.ok) {
    state.SkipWithError("the game did not start and quit cleanly");
    return;
  }
  Pairs& pairs = results[name];
  for (auto _ : state) {
    const bool gameFirst = pairs.ratios.size() % 2 == 1;
    Sample game, plain;
    if (gameFirst) game = RunChild(QUILLO_GAME, "", screen);
    plain = RunChild(QUILLO_MINIMAL_WINDOW, first.size, screen);
    if (!gameFirst) game = RunChild(QUILLO_GAME, "", screen);
    if (!plain.ok || !game.ok) {
      state.SkipWithError("a program did not start and quit cleanly");
      return;
    }
    pairs.game.push_back(game);
    pairs.plain.push_back(plain);
    pairs.ratios.push_back(game.seconds / plain.seconds);
    state.SetIterationTime(game.seconds);
  }
  state.counters["median_ratio"] = Median(pairs.ratios);
  state.counters["game_peak_MiB"] = PeakMiB(pairs.game);
  state.counters["plain_peak_MiB"] = PeakMiB(pairs.plain);
  state.SetLabel("window " + first.size);
}

// An X server of our own on a free display number, when Xvfb is installed; 0 otherwise.
pid_t StartXvfb(std::string& display) {
  for (int number = 90; number < 100; ++number) {
    if (std::filesystem::exists("/tmp/.X11-unix/X" + std::to_string(number))) continue;
    display = ":" + std::to_string(number);
    const pid_t server = fork();
    if (server == 0) {
      const int quiet = open("/dev/null", O_WRONLY);
      if (quiet >= 0) dup2(quiet, STDERR_FILENO);
      execlp("Xvfb", "Xvfb", display.c_str(), "-screen", "0", "1920x1080x24", "-nolisten", "tcp",
             static_cast<char*>(nullptr));
      _exit(127);
    }
    for (int wait = 0; server > 0 && wait < 100; ++wait) {
      if (std::filesystem::exists("/tmp/.X11-unix/X" + std::to_string(number))) return server;
      if (waitpid(server, nullptr, WNOHANG) == server) return 0;
      usleep(50000);
    }
    if (server > 0) kill(server, SIGTERM);
    return 0;
  }
  return 0;
}
#endif

void PrintComparison() {
  for (const auto& [name, pairs] : results) {
    if (pairs.ratios.empty()) continue;
    const double ratio = Median(pairs.ratios);
    const double extraMiB = PeakMiB(pairs.game) - PeakMiB(pairs.plain);
    std::printf("%s, %zu pairs: game %.1f ms, plain window %.1f ms (medians), median ratio %.2f "
                "(goal 1.3): %s\n",
                name.c_str(), pairs.ratios.size(), MedianSeconds(pairs.game) * 1000,
                MedianSeconds(pairs.plain) * 1000, ratio, ratio <= 1.3 ? "met" : "NOT met");
    std::printf("%s peak memory: game %.1f MiB, plain window %.1f MiB, difference %.1f MiB "
                "(budget 15): %s\n",
                name.c_str(), PeakMiB(pairs.game), PeakMiB(pairs.plain), extraMiB,
                extraMiB <= 15 ? "within" : "OVER");
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  [[maybe_unused]] pid_t xvfb = 0;
#ifdef QUILLO_GAME
  constexpr int kPairs = 25;
  benchmark::RegisterBenchmark("StartupToFirstPaint/offscreen", StartupToFirstPaint,
                               std::string("offscreen"), Screen{"offscreen", ""})
      ->UseManualTime()->Iterations(kPairs)->Unit(benchmark::kMillisecond);
  std::string display;
  xvfb = StartXvfb(display);
  if (xvfb > 0) {
    benchmark::RegisterBenchmark("StartupToFirstPaint/xvfb", StartupToFirstPaint,
                                 std::string("Xvfb"), Screen{"xcb", display})
        ->UseManualTime()->Iterations(kPairs)->Unit(benchmark::kMillisecond);
  } else {
    std::printf("Xvfb is not installed or did not start: offscreen only\n");
  }
#else
  std::printf("built without the Qt front end: nothing to compare\n");
#endif
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  PrintComparison();
  if (xvfb > 0) {
    kill(xvfb, SIGTERM);
    waitpid(xvfb, nullptr, 0);
  }
  std::error_code ignored;
  if (RunFolder() != ".") std::filesystem::remove_all(RunFolder(), ignored);
  return 0;
}
