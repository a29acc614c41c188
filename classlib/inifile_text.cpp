// The settings file as text: finding a key, and rewriting the text with changed keys in place.
#include "classlib/inifile_text.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }

std::string_view TrimFront(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  return s;
}

std::string_view TrimBack(std::string_view s) {
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::string_view Trim(std::string_view s) { return TrimBack(TrimFront(s)); }

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

// What one line (without its line end) means to the reader.
struct LineParts {
  enum class Kind { Other, Section, Key };
  Kind kind = Kind::Other;
  std::string_view name;       // section name or key
  std::size_t valueStart = 0;  // key lines: offset in the line where the value begins
  std::string_view value;      // key lines: trimmed, cut at a NUL byte
};

LineParts Classify(std::string_view line) {
  LineParts parts;
  std::string_view rest = TrimFront(line);
  if (rest.empty() || rest.front() == ';' || rest.front() == '#') return parts;
  if (rest.front() == '[') {
    std::size_t close = rest.rfind(']');
    if (close == std::string_view::npos) return parts;
    parts.kind = LineParts::Kind::Section;
    parts.name = Trim(rest.substr(1, close - 1));
    return parts;
  }
  std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return parts;
  std::string_view key = Trim(line.substr(0, equals));
  if (key.empty()) return parts;
  std::size_t start = equals + 1;
  while (start < line.size() && IsBlank(line[start])) ++start;
  std::string_view value = line.substr(start);
  value = TrimBack(value.substr(0, value.find('\0')));
  parts.kind = LineParts::Kind::Key;
  parts.name = key;
  parts.valueStart = start;
  parts.value = value;
  return parts;
}

// Calls visit(offset, content, lineEnd) for each line until it returns false. The content
// excludes the line end ("\r\n", "\n", or "" for a last line without one).
template <class Visit>
void ForEachLine(std::string_view text, Visit visit) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t newline = text.find('\n', pos);
    if (newline == std::string_view::npos) {
      visit(pos, text.substr(pos), std::string_view());
      return;
    }
    const bool crlf = newline > pos && text[newline - 1] == '\r';
    const std::size_t end = crlf ? newline - 1 : newline;
    if (!visit(pos, text.substr(pos, end - pos), text.substr(end, newline + 1 - end))) return;
    pos = newline + 1;
  }
}

// Where a key stands in the text, or where a new one would go.
struct KeySpot {
  bool sectionFound = false;
  bool keyFound = false;
  std::size_t valueBegin = 0;  // key found: the value runs from here to contentEnd
  std::size_t contentEnd = 0;
  std::string_view value;
  std::size_t insertAt = 0;      // key missing: just after the section's last key line
  bool insertNeedsBreak = false;  // that line is the last of the text and has no line end
};

KeySpot Locate(std::string_view text, std::string_view section, std::string_view key) {
  KeySpot spot;
  bool inSection = false;
  auto noteInsertAfter = [&](std::size_t start, std::string_view content, std::string_view end) {
    spot.insertAt = start + content.size() + end.size();
    spot.insertNeedsBreak = end.empty();
  };
  ForEachLine(text, [&](std::size_t start, std::string_view content, std::string_view end) {
    const LineParts parts = Classify(content);
    if (parts.kind == LineParts::Kind::Section) {
      if (inSection) return false;  // only the first matching section counts
      if (SameName(parts.name, section)) {
        inSection = spot.sectionFound = true;
        noteInsertAfter(start, content, end);
      }
      return true;
    }
    if (!inSection || parts.kind != LineParts::Kind::Key) return true;
    if (SameName(parts.name, key)) {
      spot.keyFound = true;
      spot.valueBegin = start + parts.valueStart;
      spot.contentEnd = start + content.size();
      spot.value = parts.value;
      return false;
    }
    noteInsertAfter(start, content, end);
    return true;
  });
  return spot;
}

std::string_view LineEndingOf(std::string_view text) {
  std::size_t newline = text.find('\n');
  if (newline != std::string_view::npos && newline > 0 && text[newline - 1] == '\r') return "\r\n";
  return "\n";
}

// A name or value as one line: a line break inside it would start a new line in the file.
std::string OneLine(std::string_view s) {
  std::string line(s);
  for (char& c : line) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return line;
}

bool LastLineIsBlank(std::string_view text) {
  if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
  std::size_t newline = text.rfind('\n');
  std::string_view last = newline == std::string_view::npos ? text : text.substr(newline + 1);
  return Trim(last).empty();
}

void AppendSection(std::string& text, const std::string& header, const std::string& keyLine,
                   std::string_view end) {
  if (!text.empty()) {
    if (text.back() != '\n') text += end;
    if (!LastLineIsBlank(text)) text += end;  // a blank line between sections
  }
  text += header;
  text += end;
  text += keyLine;
  text += end;
}

void Apply(std::string& text, const IniAssignment& change, std::string_view end) {
  const std::string section = OneLine(change.section);
  const std::string key = OneLine(change.key);
  const std::string value = OneLine(change.value);
  const KeySpot spot = Locate(text, section, key);
  if (spot.keyFound) {
    text.replace(spot.valueBegin, spot.contentEnd - spot.valueBegin, value);
  } else if (spot.sectionFound) {
    std::string line = spot.insertNeedsBreak ? std::string(end) : std::string();
    line += key + "=" + value;
    line += end;
    text.insert(spot.insertAt, line);
  } else {
    AppendSection(text, "[" + section + "]", key + "=" + value, end);
  }
}

}  // namespace

bool FindIniValue(std::string_view text, std::string_view section, std::string_view key,
                  std::string& value) {
  const KeySpot spot = Locate(text, section, key);
  if (!spot.keyFound) return false;
  value.assign(spot.value);
  return true;
}

std::string ApplyIniAssignments(std::string_view text, const std::vector<IniAssignment>& changes) {
  const std::string_view end = LineEndingOf(text);
  std::string result(text);
  for (const IniAssignment& change : changes) Apply(result, change, end);
  return result;
}
