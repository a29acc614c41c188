// The ratings file: a strict reader (any fault means no ratings) and an atomic writer.
#include "sources/ratings.h"

#include "classlib/safefile.h"

namespace {

// The next line of text from pos, without its LF or CR LF; false at the end of the text.
bool NextLine(std::string_view text, std::size_t& pos, std::string_view& line) {
  if (pos >= text.size()) return false;
  std::size_t end = text.find('\n', pos);
  if (end == std::string_view::npos) end = text.size();
  line = text.substr(pos, end - pos);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  pos = end + 1;
  return true;
}

// A decimal number of 1 to 7 digits, nothing else.
bool ParseNumber(std::string_view digits, std::size_t& value) {
  if (digits.empty() || digits.size() > 7) return false;
  value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + static_cast<std::size_t>(c - '0');
  }
  return true;
}

bool ParseRating(std::string_view line, PuzzleRating& rating) {
  if (line.size() < 3 || line[1] != ' ') return false;
  switch (line[0]) {
    case 'E': rating.band = Band::Easy; break;
    case 'M': rating.band = Band::Medium; break;
    case 'H': rating.band = Band::Hard; break;
    default: return false;
  }
  std::size_t score = 0;
  if (!ParseNumber(line.substr(2), score) || score > kMaxRatingScore) return false;
  rating.score = static_cast<int>(score);
  return true;
}

}  // namespace

const char* BandName(Band band) {
  switch (band) {
    case Band::Easy: return "Easy";
    case Band::Medium: return "Medium";
    case Band::Hard: return "Hard";
  }
  return "";
}

std::string RatingsFileNameFor(const std::string& quotePath) {
  const std::size_t slash = quotePath.find_last_of("/\\");
  const std::size_t dot = quotePath.rfind('.');
  const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return (hasExtension ? quotePath.substr(0, dot) : quotePath) + ".cqr";
}

std::string FormatRatings(const std::vector<PuzzleRating>& ratings) {
  std::string text = "quillo-ratings " + std::to_string(kRatingsVersion) + " " +
                     std::to_string(ratings.size()) + "\n";
  for (const PuzzleRating& r : ratings) {
    text += BandName(r.band)[0];
    text += ' ' + std::to_string(r.score) + '\n';
  }
  return text;
}

std::optional<std::vector<PuzzleRating>> ParseRatings(std::string_view text,
                                                      std::size_t expectedCount) {
  std::size_t pos = 0;
  std::string_view line;
  const std::string head = "quillo-ratings " + std::to_string(kRatingsVersion) + " ";
  std::size_t count = 0;
  if (!NextLine(text, pos, line) || line.substr(0, head.size()) != std::string_view(head) ||
      !ParseNumber(line.substr(head.size()), count) || count != expectedCount) {
    return std::nullopt;
  }
  std::vector<PuzzleRating> ratings(count);
  for (PuzzleRating& rating : ratings) {
    if (!NextLine(text, pos, line) || !ParseRating(line, rating)) return std::nullopt;
  }
  if (pos < text.size()) return std::nullopt;  // more than the count promised
  return ratings;
}

std::optional<std::vector<PuzzleRating>> ReadRatings(const std::string& path,
                                                     std::size_t expectedCount) {
  const LoadedFile file = LoadSmallFile(path, kMaxRatingsBytes);
  if (file.state != FileState::Text) return std::nullopt;
  return ParseRatings(file.text, expectedCount);
}

bool WriteRatings(const std::string& path, const std::vector<PuzzleRating>& ratings) {
  return ReplaceFileContents(path, FormatRatings(ratings));
}
