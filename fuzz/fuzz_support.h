// What every fuzz target shares: the quiet platform, a scratch folder and input files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "doubles/quiet_platform.h"
#include "doubles/test_hooks.h"

// Installs the platform (once) and makes a fresh scratch folder the working folder, so that the
// files the game writes beside its data (records, saved games) stay out of the way. Every call
// resets the platform's answers and counts.
QuietPlatform& FuzzSetUp();

// Writes the bytes to `name` in the scratch folder (replacing it) and returns the name.
std::string WriteInput(const char* name, const std::uint8_t* data, std::size_t size);

// Removes `name` from the scratch folder, if it is there.
void RemoveInput(const char* name);

// Takes the first byte of the input as a small parameter and advances past it (0 when empty).
std::uint8_t TakeByte(const std::uint8_t*& data, std::size_t& size);

// A fault the reader let through: printed, then the process aborts so libFuzzer keeps the input.
[[noreturn]] void FuzzFail(const char* what);
inline void FuzzCheck(bool ok, const char* what) {
  if (!ok) FuzzFail(what);
}

