// The settings file as text: this game's own INI reader and writer, with the matching rules of
// the Windows profile functions.
//
// A line "[name]" opens a section; "key=value" lines follow. Section and key names match ignoring
// ASCII case, and the first matching section and, inside it, the first matching key win. Names
// and values are trimmed of surrounding blanks; a value ends at a NUL byte. Lines starting with ';'
// or '#', blank lines, lines without '=' and keys before any section never match, and every line
// the writer does not change is kept byte for byte. Lines of any length are read whole (the store
// caps the size of the file), so a long value is found and rewritten in its own line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Finds key in section; returns true and sets value when it is there (value may be empty).
bool FindIniValue(std::string_view text, std::string_view section, std::string_view key,
                  std::string& value);

struct IniAssignment {
  std::string_view section;
  std::string_view key;
  std::string_view value;
};

// Returns text with each assignment applied in order: an existing key keeps its line and its
// spelling and gets the new value; a new key goes after the last key line of its section; a new
// section goes at the end of the text. Line breaks in names and values become blanks, so no value
// can break the file's structure. New lines use the text's line ending (CR LF or LF; LF for an
// empty text).
std::string ApplyIniAssignments(std::string_view text, const std::vector<IniAssignment>& changes);
