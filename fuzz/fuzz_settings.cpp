// Fuzz target: the settings file as text (find, rewrite) and through the cached settings store.
#include <cstring>
#include <string>
#include <string_view>

#include "app/runservices.h"
#include "app/frameplacement.h"
#include "classlib/inifile.h"
#include "classlib/inifile_text.h"
#include "display/color.h"
#include "display/displayoptions.h"
#include "display/font.h"
#include "fuzz/fuzz_support.h"
#include "sources/casestyle.h"

namespace {

constexpr const char* kFileName = "quillo.ini";

// Names and values whose round trip the file format promises: no brackets, '=' or blanks in
// names, and values that trimming and line joining leave alone.
bool IsPlainName(std::string_view name) {
  if (name.empty()) return false;
  for (char c : name) {
    const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                    c == '_' || c == '.';
    if (!ok) return false;
  }
  return true;
}

bool IsPlainValue(std::string_view value) {
  if (value.find_first_of(std::string_view("\0\r\n", 3)) != std::string_view::npos) return false;
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\f' || c == '\v'; };
  return value.empty() || (!blank(value.front()) && !blank(value.back()));
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// Splits off the text up to the next 0x01 byte (or the end).
std::string_view TakeField(std::string_view& rest) {
  const std::size_t end = rest.find('\x01');
  const std::string_view field = rest.substr(0, end);
  rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  return field;
}

void CheckTextRewrite(std::string_view text, std::string_view section, std::string_view key,
                      std::string_view value) {
  std::string found;
  FindIniValue(text, section, key, found);
  const std::string rewritten = ApplyIniAssignments(text, {{section, key, value}});
  if (!IsPlainName(section) || !IsPlainName(key) || !IsPlainValue(value)) return;
  FuzzCheck(FindIniValue(rewritten, section, key, found) && found == value,
            "a written key does not read back");
  // Any other key keeps its value.
  const bool same = SameNameIgnoringCase(section, "quillo") && SameNameIgnoringCase(key, "Case");
  std::string other;
  std::string otherAfter;
  if (same) return;
  const bool had = FindIniValue(text, "quillo", "Case", other);
  FuzzCheck(had == FindIniValue(rewritten, "quillo", "Case", otherAfter) && other == otherAfter,
            "writing one key changed another");
}

void CheckStore(std::string_view text, const std::string& section, const std::string& key,
                const std::string& value, std::uint8_t bufferSize) {
  WriteInput(kFileName, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  {
    PrivateIniFile store(kFileName);
    char buffer[256];
    const int got = store.ReadString(section.c_str(), key.c_str(), "def", buffer, bufferSize);
    FuzzCheck(got >= 0 && (bufferSize == 0 || (got < bufferSize && buffer[got] == '\0')),
              "a read overran its buffer");
    store.ReadInt(section.c_str(), key.c_str(), 7);
    store.ReadInt("quillo", "XPos", 7);
    store.ReadString("quillo", "QuoteFile", "");
    store.WriteString(section.c_str(), key.c_str(), value.c_str());
    store.WriteInt("quillo", "Count", got);
  }
  if (!IsPlainName(section) || !IsPlainName(key) || !IsPlainValue(value)) return;
  // A text file is rewritten; anything else is left alone.
  if (text.size() <= 16u * 1024 * 1024) {
    PrivateIniFile again(kFileName);
    FuzzCheck(again.ReadString(section.c_str(), key.c_str(), "\x01") == value,
              "a flushed key does not read back");
  }
}

// The game's start-up reads of the file as the settings store: font, colours, options, letter
// case and the main window's place, which must land on the screen.
void CheckStartUpReads() {
  PrivateIniFile store(kFileName);
  RunServices services(store);  // a fresh run on this file
  TheFont().Load();
  TheFont().AuxiliaryHeight();
  const TLogFont& font = TheFont().Record();
  const int pixelsPerInch = Platform().ScreenPixelsPerInch().cy;
  FuzzCheck(font.faceName[0] == '\0' || IsSaneFontHeight(font.height, pixelsPerInch),
            "a font loaded at a height nobody can read");
  TheColors().Load();
  for (int i = 1; i < kColorElementCount; ++i) {
    FuzzCheck(TheColors().Get(i) != TheColors().Get(kColorBackground),
              "text drawn in the background colour");
  }
  LoadDisplayOptions();
  CurrentCaseStyle();
  const TRect work = Platform().WorkArea();
  const FramePlacement placement = SavedFramePlacement();
  const TRect& r = placement.rect;
  FuzzCheck(r.left >= work.left && r.top >= work.top && r.right <= work.right &&
                r.bottom <= work.bottom && r.Width() > 0 && r.Height() > 0,
            "main window placed off the screen");
}

// A setting value as a colour list and as a font: a font that reads writes back as itself.
void CheckValueParsers(const std::string& value) {
  TColor colors[kCustomColorCount];
  ParseColorList(value.c_str(), colors, kCustomColorCount);
  TLogFont font;
  if (!ParseFontSetting(value.c_str(), font)) return;
  TLogFont again;
  FuzzCheck(ParseFontSetting(FormatFontSetting(font).c_str(), again), "written font unreadable");
  FuzzCheck(FormatFontSetting(again) == FormatFontSetting(font), "font changed on its way back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzSetUp();
  const std::uint8_t bufferSize = TakeByte(data, size);
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  const std::string section(TakeField(rest));
  const std::string key(TakeField(rest));
  const std::string value(TakeField(rest));
  CheckTextRewrite(rest, section, key, value);
  CheckStore(rest, section, key, value, bufferSize);
  CheckStartUpReads();
  CheckValueParsers(value);
  RemoveInput(kFileName);
  return 0;
}
