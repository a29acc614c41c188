// The start-up search for a readable quote file.
#include "app/quotefilesearch.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

namespace {
// Only a regular file counts: a folder opens on this system but reads nothing, and opening a
// named pipe could wait for ever.
bool OpensForReading(const char* path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  std::FILE* file = std::fopen(path, "rb");
  if (!file) return false;
  std::fclose(file);
  return true;
}
}  // namespace

bool FindReadableQuoteFile(char* name, int size, const std::function<bool(const char*)>& canOpen) {
  if (!name || size < 1) return false;
  const auto readable = [&](const char* path) { return canOpen ? canOpen(path) : OpensForReading(path); };
  if (readable(name)) return true;
  const std::string given(name, strnlen(name, static_cast<std::size_t>(size)));
  for (const char* suffix : {".cqt", ".qot"}) {
    const std::string candidate = given + suffix;
    if (candidate.size() + 1 > static_cast<std::size_t>(size)) continue;
    if (readable(candidate.c_str())) {
      std::memcpy(name, candidate.c_str(), candidate.size() + 1);
      return true;
    }
  }
  std::memcpy(name, given.c_str(), given.size());
  name[given.size() < static_cast<std::size_t>(size) ? given.size() : size - 1] = '\0';
  return false;
}
