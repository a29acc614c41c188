// The shared random generator: one 64-bit state advanced by the key shuffle and the puzzle picker.
#pragma once

#include <cstdint>

// Seeds the state: the low 32 bits take the seed, the high 32 bits become 0.
void SeedRandom(std::uint32_t seed);

// S = S * (346 * 2^32 + 20021) + 1 (mod 2^64); returns the high 32 bits of S with the top bit
// cleared (0..2147483647). Draws the cipher keys.
std::int32_t Random31();

// Advances only the low 32 bits L = L * 22695477 + 1 (mod 2^32); returns bits 16..30 of L
// (0..32767). Draws puzzle numbers; the high half of the state is left alone.
std::int32_t Random15();

// The whole state, for tests and for anyone who needs to repeat a sequence.
std::uint64_t RandomState();
void SetRandomState(std::uint64_t state);
