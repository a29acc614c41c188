// Careful whole-file reading and replacing for the small text files the game keeps (settings).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

enum class FileState {
  Missing,   // nothing at the path: reads see an empty file, a write may create it
  Text,      // a regular file no larger than the cap, read whole
  Unusable,  // a folder, a device or FIFO, unreadable, or over the cap: leave it alone
};

struct LoadedFile {
  FileState state = FileState::Missing;
  std::string text;  // the bytes of the file (any bytes, NULs included) when state is Text
};

// Reads the regular file at path if it holds at most maxBytes bytes. Never blocks on a FIFO.
LoadedFile LoadSmallFile(const std::string& path, std::size_t maxBytes);

// Replaces the file at path (following a symbolic link to its target) with content: the bytes go
// to a new file in the same folder, which is synced and then renamed over the old one, so the
// file is always either the old or the new whole. An existing file keeps its permission bits.
// Returns false, leaving the old file as it was, when any step fails. After a replacement,
// temporary siblings left by a killed earlier writer are removed.
bool ReplaceFileContents(const std::string& path, std::string_view content);
