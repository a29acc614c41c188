// The history file: one line per finished game, appended as each game ends, and its reader.
//
// Format (text, lines end with LF; docs/history-file.md has the same with examples):
//   line 1   "quillo-history 1", the version line
//   then     one line per game, 15 fields separated by TAB:
//     1 ended      UTC date and time the line was written, "YYYY-MM-DDTHH:MM:SSZ"
//     2 game       the game's id, 16 lower-case hex digits
//     3 outcome    "solved", "revealed" (Solve Puzzle), "abandoned", or "saved" (left in the
//                  saved game, to be continued)
//     4 kind       puzzle kind 0..3 (quote file, entered ciphertext, entered plaintext, tutorial)
//     5 file       quote file name, "\\", "\t", "\n" and "\r" escaped; empty for none
//     6 puzzle     puzzle number as the player sees it (1 for the first), "-" for none
//     7 letters    letters in the quotation, 0..999
//     8 distinct   distinct letters, 0..26, at most letters
//     9 seconds    final clock, 0..359999 (for "revealed", the clock before Solve Puzzle)
//    10-15         help counters: erased, confirm, undo, little hint, big hint, word list
//
// A saved game keeps its id, so when it is continued and ends, its new line carries the whole
// clock and counters and supersedes the "saved" line: at read time the last line of an id wins
// and takes the place of the later line. The file is only ever appended to, one write a game,
// so a killed game loses at most its own line.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

enum class Outcome : std::uint8_t { Solved, Revealed, Abandoned, Saved };

// The six help counters in file order.
enum HelpKind { kErased, kConfirm, kUndo, kLittleHint, kBigHint, kWordList, kHelpKinds };
using HelpCounts = std::array<int, kHelpKinds>;

// A quote file name as records carry it. A history names a handful of files over thousands of
// games, so the records read from one file share one copy of each name instead of a heap string
// apiece. Compares and converts like the std::string it holds; the empty name holds nothing.
class SharedName {
 public:
  SharedName() = default;
  SharedName(std::string_view name)
      : name_(name.empty() ? nullptr : std::make_shared<const std::string>(name)) {}
  SharedName(const std::string& name) : SharedName(std::string_view(name)) {}
  SharedName(const char* name) : SharedName(std::string_view(name)) {}
  const std::string& str() const { return name_ ? *name_ : Empty(); }  // stable while held
  operator const std::string&() const { return str(); }
  const char* c_str() const { return str().c_str(); }
  bool empty() const { return name_ == nullptr; }
  friend bool operator==(const SharedName& a, const SharedName& b) {
    return a.name_ == b.name_ || a.str() == b.str();
  }
  friend bool operator==(const SharedName& a, const std::string& b) { return a.str() == b; }
  friend bool operator==(const SharedName& a, const char* b) { return a.str() == b; }

 private:
  static const std::string& Empty() {
    static const std::string empty;
    return empty;
  }
  std::shared_ptr<const std::string> name_;
};

struct GameRecord {
  std::int64_t ended = 0;   // UTC seconds since 1970-01-01
  std::uint64_t id = 0;
  Outcome outcome = Outcome::Abandoned;
  int kind = 0;
  SharedName quoteFile;
  int puzzle = 0;           // 1-based; 0 for none
  int letters = 0;
  int distinct = 0;
  int seconds = 0;
  HelpCounts help{};
};

inline constexpr std::string_view kHistoryVersionLine = "quillo-history 1";
inline constexpr std::size_t kMaxHistoryLine = 4096;          // longer lines are bad lines
inline constexpr std::size_t kMaxHistoryBytes = 32u << 20;   // only the last 32 MiB are read

enum class HistoryState {
  Missing,   // no file yet: no games
  Read,      // read; bad lines (if any) skipped
  Newer,     // written by a newer version of the game: nothing read, nothing to be appended
  Unusable,  // a folder, unreadable, or not a regular file
};

struct HistoryRead {
  HistoryState state = HistoryState::Missing;
  std::vector<GameRecord> records;  // in file order, superseded lines removed
  std::size_t badLines = 0;         // lines skipped as damaged
  bool olderPartDropped = false;    // the file was over kMaxHistoryBytes: its start was not read
};

// The text of a history file, as ReadHistory reads it.
HistoryRead ParseHistory(std::string_view text);
HistoryRead ReadHistory(const std::string& path);

// The record as one line of the file, without the line end.
std::string FormatRecord(const GameRecord& record);

// Appends the record in one write (the version line first when the file is new or empty).
// Returns false, the file as it was and errno telling why, when the write fails or the line
// would be too long to read back.
bool AppendHistory(const std::string& path, const GameRecord& record);

// Moves the history to path + ".bak" (replacing an older one) and starts a fresh file holding
// only the version line. Returns false with errno when a step fails; the history is then
// either still in place or in the .bak.
bool ResetHistory(const std::string& path);

// A new game id: random, so that ids from different runs never meet.
std::uint64_t NewGameId();

// "YYYY-MM-DDTHH:MM:SSZ" for UTC seconds, and back (false for anything else).
std::string FormatUtc(std::int64_t seconds);
bool ParseUtc(std::string_view text, std::int64_t& seconds);

// Days since 1970-01-01 of a proleptic Gregorian date, and floor division by 86400.
std::int64_t DaysFromCivil(int year, int month, int day);
std::int64_t DayOf(std::int64_t seconds);

// The records as CSV text (a header row, then one row per record), for the player's own tools.
std::string HistoryCsv(const std::vector<GameRecord>& records);

std::string_view OutcomeName(Outcome outcome);
