// Fuzz target: a ratings file of any bytes, read for collections of several sizes.
#include "fuzz/fuzz_support.h"
#include "sources/ratings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzSetUp();
  WriteInput("input.cqr", data, size);
  for (std::size_t count : {std::size_t{0}, std::size_t{1}, std::size_t{3}, std::size_t{2300}}) {
    const std::optional<std::vector<PuzzleRating>> ratings = ReadRatings("input.cqr", count);
    if (!ratings) continue;
    FuzzCheck(ratings->size() == count, "ratings of another count accepted");
    for (const PuzzleRating& r : *ratings) {
      FuzzCheck(r.score >= 0 && r.score <= kMaxRatingScore, "score out of range");
    }
    // What was read writes back to the same text.
    const std::optional<std::vector<PuzzleRating>> again = ParseRatings(FormatRatings(*ratings), count);
    FuzzCheck(again && again->size() == count, "written ratings refused");
  }
  RemoveInput("input.cqr");
  return 0;
}
