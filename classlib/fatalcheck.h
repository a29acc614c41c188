// Fatal checks: internal faults (a failed allocation) that the program cannot continue past.
#pragma once

// Prints a diagnostic naming the failed condition and the source to stderr, then aborts.
[[noreturn]] void FatalCheckFailed(const char* condition, const char* source);

// Stops the program through FatalCheckFailed unless ok holds.
inline void FatalCheck(bool ok, const char* condition, const char* source) {
  if (!ok) FatalCheckFailed(condition, source);
}
