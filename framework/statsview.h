// The statistics window's content: figures the game has worked out, ready to be shown as they are.
#pragma once

#include <functional>
#include <string>
#include <vector>

// One figure of the totals; key names the value's widget (for tests and accessibility).
struct TStatsTotal {
  std::string key;
  std::string label;
  std::string value;
};

// One row of the solve-time table; times already formatted, "-" where there are no games.
struct TStatsTimeRow {
  std::string label;
  int games = 0;
  std::string best;
  std::string median;
  std::string mean;
};

struct TStatsCollection {
  std::string name;
  int solved = 0;
  int puzzles = 0;
};

struct TStatisticsView {
  std::vector<TStatsTotal> totals;
  std::vector<TStatsTimeRow> times;     // overall first, then the length bands, then the files
  std::vector<double> recentTimes;      // seconds of the last solved games, oldest first
  std::vector<double> movingMedian;     // one per recent time
  std::vector<std::string> helpKinds;   // names of the stacked help series
  std::vector<std::vector<int>> recentHelp;  // per recent game, one count per help kind
  std::vector<TStatsCollection> collections;
  std::string note;                     // a line about the file (damaged lines, ...); may be empty
  std::function<void()> exportCsv;      // Export as CSV: asks for the file and writes it
};
