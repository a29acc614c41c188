// The ratings file of a compressed quote file: one difficulty rating per puzzle.
//
// Text, LF line ends (CR LF read too):
//   line 1: "quillo-ratings 1 N"   (format version 1, N puzzles)
//   then N lines: "B S", B the band letter E (Easy), M (Medium) or H (Hard), S the score 0..100
// It lives beside the quote file under the same base name with the extension ".cqr".
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class Band { Easy, Medium, Hard };

struct PuzzleRating {
  Band band = Band::Medium;
  int score = 0;  // 0 (easiest) .. 100 (hardest)
};

inline constexpr int kRatingsVersion = 1;
inline constexpr int kMaxRatingScore = 100;
// A file past this size is refused unread: 2 300 puzzles take about 15 kB.
inline constexpr std::size_t kMaxRatingsBytes = 1024 * 1024;

// "Easy", "Medium", "Hard".
const char* BandName(Band band);

// The ratings file's name for a quote file: its extension (from the last '.' of the name part)
// replaced by ".cqr", or ".cqr" added when it has none.
std::string RatingsFileNameFor(const std::string& quotePath);

// The file's text for these ratings.
std::string FormatRatings(const std::vector<PuzzleRating>& ratings);

// The ratings in a file's text; nothing when the text is not exactly the format above (wrong
// version, a count other than expectedCount, a line missing, extra or malformed, a score out of
// range). A damaged file counts as no file: the collection then plays without bands.
std::optional<std::vector<PuzzleRating>> ParseRatings(std::string_view text,
                                                      std::size_t expectedCount);

// Reads and parses the ratings file at path; nothing when it is missing, unreadable, too large
// or damaged.
std::optional<std::vector<PuzzleRating>> ReadRatings(const std::string& path,
                                                     std::size_t expectedCount);

// Writes the ratings file at path atomically (the old file stays whole on failure).
bool WriteRatings(const std::string& path, const std::vector<PuzzleRating>& ratings);
