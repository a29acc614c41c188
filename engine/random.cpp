// The shared random generator; process-wide, used on the user-interface thread only.
#include "engine/random.h"

namespace {
std::uint64_t gState = 0;

constexpr std::uint64_t kMultiplier31 = (std::uint64_t{346} << 32) + 20021;
constexpr std::uint32_t kMultiplier15 = 22695477;
}  // namespace

void SeedRandom(std::uint32_t seed) { gState = seed; }

std::int32_t Random31() {
  gState = gState * kMultiplier31 + 1;
  return static_cast<std::int32_t>((gState >> 32) & 0x7FFFFFFF);
}

std::int32_t Random15() {
  std::uint32_t low = static_cast<std::uint32_t>(gState);
  low = low * kMultiplier15 + 1;
  gState = (gState & 0xFFFFFFFF00000000ULL) | low;
  return static_cast<std::int32_t>((low >> 16) & 0x7FFF);
}

std::uint64_t RandomState() { return gState; }
void SetRandomState(std::uint64_t state) { gState = state; }
