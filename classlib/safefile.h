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
// to a new file in the same folder (path + ".tmp-" + a digit, locked while written), which is
// synced and then renamed over the old one, so the file is always either the old or the new
// whole. An existing file keeps its permission bits. Returns false, leaving the old file as it
// was and errno telling why, when any step fails. After a replacement, siblings left by a killed
// earlier writer are removed.
bool ReplaceFileContents(const std::string& path, std::string_view content);

// Appends line and a line end to the regular file at path, ending an unended last line first;
// a missing file is made whole through ReplaceFileContents. On failure (errno tells why) the file
// is as it was: a part-written line is cut off again.
bool AppendLine(const std::string& path, std::string_view line);

// The message for a failed write: text, then the system's reason for error on a line of its
// own (text alone when error is 0).
std::string WithReason(std::string_view text, int error);

// Every file write of this module goes through call (null: the system's write), so that tests
// can make a write fail part-way. It has the contract of write(2).
using FileWriteCall = long (*)(int fd, const void* data, std::size_t size);
void SetFileWriteCall(FileWriteCall call);
