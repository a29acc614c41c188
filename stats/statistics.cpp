// The player's statistics computed from the history records.
#include "stats/statistics.h"

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <map>
#include <numeric>
#include <string_view>

namespace {

// Best, median and mean; reorders the times.
TimeFigures FiguresOf(std::vector<int>& times) {
  TimeFigures f;
  f.games = static_cast<int>(times.size());
  if (times.empty()) return f;
  const std::size_t mid = times.size() / 2;
  std::nth_element(times.begin(), times.begin() + static_cast<std::ptrdiff_t>(mid), times.end());
  f.median = times[mid];
  if (times.size() % 2 == 0) {
    f.median = (f.median + *std::max_element(times.begin(), times.begin() + static_cast<std::ptrdiff_t>(mid))) / 2;
  }
  f.best = *std::min_element(times.begin(), times.end());
  f.mean = static_cast<double>(std::accumulate(times.begin(), times.end(), std::int64_t{0})) /
           static_cast<double>(times.size());
  return f;
}

std::string_view BaseName(std::string_view path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// Longest run and the run ending today or yesterday, of sorted distinct day numbers.
void Streaks(const std::vector<std::int64_t>& days, std::int64_t today, Statistics& s) {
  int run = 0;
  for (std::size_t i = 0; i < days.size(); ++i) {
    run = i > 0 && days[i] == days[i - 1] + 1 ? run + 1 : 1;
    s.longestStreak = std::max(s.longestStreak, run);
  }
  if (!days.empty() && days.back() >= today - 1) s.currentStreak = run;
}

void MovingMedians(Statistics& s) {
  for (std::size_t i = 0; i < s.recentTimes.size(); ++i) {
    const std::size_t from = i + 1 >= kMedianWindow ? i + 1 - kMedianWindow : 0;
    std::vector<int> window(s.recentTimes.begin() + static_cast<std::ptrdiff_t>(from),
                            s.recentTimes.begin() + static_cast<std::ptrdiff_t>(i + 1));
    s.movingMedian.push_back(FiguresOf(window).median);
  }
}

// Distinct puzzles solved from each collection. Puzzle numbers up to a million are ticked off in
// a bitmap; larger ones (only a damaged file names them) are sorted.
void Collections(const std::vector<GameRecord>& records, const std::vector<CollectionSize>& sizes,
                 Statistics& s) {
  constexpr int kTicked = 1 << 20;
  for (const CollectionSize& c : sizes) {
    std::vector<bool> ticked(static_cast<std::size_t>(std::clamp(c.puzzles, 0, kTicked)) + 1);
    std::vector<int> beyond;
    int solved = 0;
    const SharedName* file = nullptr;  // games come in runs of one file: compare names once a run
    bool inCollection = false;
    for (const GameRecord& r : records) {
      if (r.outcome != Outcome::Solved || r.puzzle <= 0 || r.puzzle > c.puzzles) continue;
      if (file == nullptr || r.quoteFile != *file) {
        file = &r.quoteFile;
        inCollection = BaseName(file->str()) == c.name;
      }
      if (!inCollection) continue;
      if (r.puzzle > kTicked) {
        beyond.push_back(r.puzzle);
      } else if (!ticked[static_cast<std::size_t>(r.puzzle)]) {
        ticked[static_cast<std::size_t>(r.puzzle)] = true;
        ++solved;
      }
    }
    std::sort(beyond.begin(), beyond.end());
    solved += static_cast<int>(std::unique(beyond.begin(), beyond.end()) - beyond.begin());
    s.collections.push_back({c.name, solved, c.puzzles});
  }
}

// Local day numbers of UTC instants. Asking the zone costs a lock and a table walk per call, too
// much for every game of a long history, so each UTC week is asked at its first and last second:
// when both give the same offset, the zone is taken not to change in between (zones change a few
// times a year, never twice within a week); otherwise every instant of that week is asked.
class LocalDays {
 public:
  explicit LocalDays(const UtcOffsetAt& offsetAt) : offsetAt_(offsetAt) {}
  std::int64_t Of(std::int64_t utc) {
    const std::int64_t week = DayOf(utc) >= 0 ? DayOf(utc) / 7 : -((-DayOf(utc) + 6) / 7);
    if (week != week_) {
      week_ = week;
      offset_ = offsetAt_(week * kWeek);
      steady_ = offsetAt_(week * kWeek + kWeek - 1) == offset_;
    }
    return DayOf(utc + (steady_ ? offset_ : offsetAt_(utc)));
  }

 private:
  static constexpr std::int64_t kWeek = 7 * 86400;
  const UtcOffsetAt& offsetAt_;
  std::int64_t week_ = INT64_MIN;
  long offset_ = 0;
  bool steady_ = false;
};

}  // namespace

long SystemUtcOffset(std::int64_t utcSeconds) {
  const std::time_t t = static_cast<std::time_t>(utcSeconds);
  std::tm local{};
  return localtime_r(&t, &local) ? local.tm_gmtoff : 0;
}

LengthBand BandOf(int letters) {
  return letters < kShortBelow ? kShort : letters > kLongAbove ? kLong : kMedium;
}

Statistics ComputeStatistics(const std::vector<GameRecord>& records, std::int64_t now,
                             const UtcOffsetAt& offsetAt,
                             const std::vector<CollectionSize>& collections) {
  Statistics s;
  std::vector<int> all;
  all.reserve(records.size());
  std::array<std::vector<int>, kBands> bands;
  std::map<std::string_view, std::vector<int>> files;
  const SharedName* fileName = nullptr;
  std::vector<int>* fileTimes = nullptr;
  std::vector<std::int64_t> days;
  LocalDays localDays(offsetAt);
  std::array<std::int64_t, kHelpKinds> helpTotals{};
  std::size_t firstRecentHelp = records.size();  // finished games from here on are charted
  for (std::size_t i = records.size(), n = 0; i-- > 0 && n < kRecentGames;) {
    if (records[i].outcome != Outcome::Saved) firstRecentHelp = i, ++n;
  }
  for (std::size_t i = 0; i < records.size(); ++i) {
    const GameRecord& r = records[i];
    s.totalSeconds += r.seconds;
    if (r.outcome == Outcome::Saved) continue;
    ++s.gamesPlayed;
    for (int k = 0; k < kHelpKinds; ++k) helpTotals[k] += r.help[k];
    if (i >= firstRecentHelp) s.recentHelp.push_back(r.help);
    if (r.outcome == Outcome::Revealed) ++s.revealed;
    if (r.outcome == Outcome::Abandoned) ++s.abandoned;
    if (r.outcome != Outcome::Solved) continue;
    ++s.solved;
    all.push_back(r.seconds);
    bands[BandOf(r.letters)].push_back(r.seconds);
    if (fileName == nullptr || r.quoteFile != *fileName) {  // a map lookup once a run of one file
      fileName = &r.quoteFile;
      fileTimes = &files[fileName->str()];
    }
    fileTimes->push_back(r.seconds);
    const std::int64_t day = localDays.Of(r.ended);
    if (days.empty() || days.back() != day) days.push_back(day);  // games come mostly in order
  }
  if (s.gamesPlayed > 0) {
    s.solveRate = static_cast<double>(s.solved) / s.gamesPlayed;
    for (int k = 0; k < kHelpKinds; ++k) s.helpPerGame[k] = static_cast<double>(helpTotals[k]) / s.gamesPlayed;
  }
  std::sort(days.begin(), days.end());
  days.erase(std::unique(days.begin(), days.end()), days.end());
  Streaks(days, DayOf(now + offsetAt(now)), s);

  const std::size_t recent = std::min(all.size(), kRecentGames);
  s.recentTimes.assign(all.end() - static_cast<std::ptrdiff_t>(recent), all.end());
  MovingMedians(s);
  s.overall = FiguresOf(all);
  for (int b = 0; b < kBands; ++b) s.byBand[b] = FiguresOf(bands[b]);
  for (auto& [name, times] : files) s.byFile.push_back({std::string(name), FiguresOf(times)});
  Collections(records, collections, s);
  return s;
}
