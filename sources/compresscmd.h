// Compress Puzzle File: a plain quote file made into a compressed one beside it.
#pragma once

#include <string>

class TWindow;

// The compressed file's name for a plain quote file: its extension (from the last '.' of the
// name part) replaced by ".cqt", or ".cqt" added when it has none.
std::string CompressedFileNameFor(const std::string& plainPath);

// The command: chooses a plain quote file (title "Compress Puzzle File"), checks it, asks for a
// one-line description ("Describe this collection in one line:", placement key "MiscInput")
// and writes the compressed file beside it. Success shows "The compressed puzzle file was
// written:\n<path>" (caption "Compress Puzzle File", information icon); a failure shows its
// reason (caption "Error", stop icon): a file that is not a plain quote file, or the first line
// the code cannot hold, with its line number. Cancelling either dialog writes nothing; nothing
// is written on any failure. True when written.
bool CompressPuzzleFile(TWindow* owner, int fontHeight);
