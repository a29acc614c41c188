// String copies for the settings store.
#include "classlib/newstrdup.h"

#include <cstring>
#include <new>

#include "classlib/fatalcheck.h"

char* newstrdup(const char* s) {
  if (!s) return nullptr;
  const std::size_t size = std::strlen(s) + 1;
  char* newstring = new (std::nothrow) char[size];
  FatalCheck(newstring != nullptr, "newstring != 0", "classlib\\newstrdu");
  std::memcpy(newstring, s, size);
  return newstring;
}
