// The player's statistics: every figure the statistics window shows, computed from the history.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "stats/history.h"

// The local time zone as the offset from UTC, in seconds, in force at a UTC instant; passed in so
// that days follow the player's clock (daylight saving and travel included) and tests are fixed.
using UtcOffsetAt = std::function<long(std::int64_t utcSeconds)>;
// This machine's zone.
long SystemUtcOffset(std::int64_t utcSeconds);

// Solve times (clock seconds) of games solved without Solve Puzzle.
struct TimeFigures {
  int games = 0;
  int best = 0;
  double median = 0;  // the mean of the two middle times for an even count
  double mean = 0;
};

// Quotation length bands, in letters.
enum LengthBand { kShort, kMedium, kLong, kBands };
inline constexpr int kShortBelow = 60;   // short: fewer letters than this
inline constexpr int kLongAbove = 120;   // long: more letters than this
LengthBand BandOf(int letters);

struct FileTimes {
  std::string quoteFile;  // as recorded
  TimeFigures times;
};

// A compressed collection, named by its file name without the folder, and its puzzle count.
struct CollectionSize {
  std::string name;
  int puzzles = 0;
};
struct CollectionProgress {
  std::string name;
  int solved = 0;  // distinct puzzles 1..puzzles solved without Solve Puzzle
  int puzzles = 0;
};

inline constexpr std::size_t kRecentGames = 100;   // games in the two charts
inline constexpr std::size_t kMedianWindow = 9;    // solved games in each moving median

struct Statistics {
  int gamesPlayed = 0;  // finished games: solved, revealed or abandoned ("saved" ones are not)
  int solved = 0;       // without Solve Puzzle
  int revealed = 0;
  int abandoned = 0;
  double solveRate = 0;  // solved / gamesPlayed, 0 when none
  int currentStreak = 0;  // days in a row with a solved game, ending today or yesterday
  int longestStreak = 0;
  std::int64_t totalSeconds = 0;  // every record's clock, "saved" ones included

  TimeFigures overall;
  std::array<TimeFigures, kBands> byBand{};
  std::vector<FileTimes> byFile;  // sorted by file name

  std::vector<int> recentTimes;        // the last solved games' times, oldest first
  std::vector<double> movingMedian;    // per recent time: the median of it and those before it
  std::array<double, kHelpKinds> helpPerGame{};  // mean of each counter over finished games
  std::vector<HelpCounts> recentHelp;  // the last finished games' counters, oldest first

  std::vector<CollectionProgress> collections;  // in the order asked for
};

// The figures of the records (file order) as of now (UTC seconds), days in the given zone.
Statistics ComputeStatistics(const std::vector<GameRecord>& records, std::int64_t now,
                             const UtcOffsetAt& offsetAt,
                             const std::vector<CollectionSize>& collections = {});
