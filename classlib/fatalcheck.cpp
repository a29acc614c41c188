// Fatal checks: the diagnostic and the stop.
#include "classlib/fatalcheck.h"

#include <cstdio>
#include <cstdlib>

void FatalCheckFailed(const char* condition, const char* source) {
  std::fprintf(stderr, "Fatal check failed: %s, source %s\n", condition ? condition : "?",
               source ? source : "?");
  std::fflush(stderr);
  std::abort();
}
