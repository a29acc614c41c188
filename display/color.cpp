// Color: parsing, resolving, resetting and saving the colour scheme.
#include "display/color.h"

#include <cctype>
#include <cstdint>
#include <cstring>

#include "classlib/inifile.h"
#include "display/settingsfile.h"
#include "framework/platform.h"
#include "classlib/services.h"

namespace {
constexpr int kSettingSize = 512;
constexpr TColor kSystemTag = 0x80000000u;

struct ElementText {
  const char* name;
  const char* description;
};
constexpr ElementText kElements[kColorElementCount] = {
    {"Background", "The background for the window."},
    {"Headings", "The headings on the Unused Letters, Frequencies, and times windows, ."},
    {"Times", "The clock and hint counts."},
    {"Ciphertext", "The characters in the puzzle."},
    {"Plaintext", "The characters in the solution."},
    {"Selected character", "The character that has been selected to solve next."},
};

bool ValidIndex(int index) { return index >= 0 && index < kColorElementCount; }
bool IsSystemReference(TColor value) { return (value & 0xFF000000u) == kSystemTag; }

TColor Resolve(TColor value) {
  return IsSystemReference(value) ? SystemService().SysColor(static_cast<int>(value & 0xFFFF)) & 0xFFFFFFu
                                  : value;
}

int TowardMiddle(int c) { return c < 128 ? c + 5 : c - 5; }

std::string FormatList(const TColor* values, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    if (i > 0) text += ' ';
    const TColor value = values[i] == kFollowSystem ? kFollowSystem : Resolve(values[i]);
    text += std::to_string(value);
  }
  return text;
}

void ReadList(const char* key, const char* def, TColor* values, int count, const TColor* fallback) {
  char text[kSettingSize + 1];
  Settings().ReadString("quillo", key, def, text, sizeof text);
  ParseColorList(text, values, count, fallback);
}
}  // namespace

void ParseColorList(const char* text, TColor* values, int count, const TColor* fallback) {
  const char* p = text ? text : "";
  int i = 0;
  for (; i < count; ++i) {
    while (std::isspace(static_cast<unsigned char>(*p))) ++p;
    if (!std::isdigit(static_cast<unsigned char>(*p))) break;
    std::uint64_t n = 0;
    for (; std::isdigit(static_cast<unsigned char>(*p)); ++p) {
      n = n * 10 + static_cast<unsigned>(*p - '0');
      if (n > 0xFFFFFFFFu) n = 0x100000000u;  // stays bounded; saturated below
    }
    values[i] = n > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<TColor>(n);
  }
  for (; i < count; ++i) values[i] = fallback ? fallback[i] : 0;
}

Color::Color() {
  ParseColorList(kDefaultColors, factory_, kColorElementCount);
  std::memcpy(colors_, factory_, sizeof colors_);
  ParseColorList(kDefaultCustomColors, custom_, kCustomColorCount);
}

const char* Color::Name(int index) { return ValidIndex(index) ? kElements[index].name : ""; }

const char* Color::Description(int index) {
  return ValidIndex(index) ? kElements[index].description : "";
}

void Color::Load() {
  const Color defaults;
  ReadList("colors", kDefaultColors, colors_, kColorElementCount, factory_);
  ReadList("custom_colors", kDefaultCustomColors, custom_, kCustomColorCount, defaults.custom_);
  const TColor background = Get(kColorBackground);
  for (int i = kColorBackground + 1; i < kColorElementCount; ++i) {
    if (Get(i) == background) {
      std::memcpy(colors_, factory_, sizeof colors_);
      break;
    }
  }
}

TColor Color::Get(int index) const {
  if (!ValidIndex(index)) return 0;
  const TColor value = Resolve(colors_[index]);
  if (index == kColorBackground && value == kFollowSystem) {
    const TColor face = SystemService().SysColor(kSysColorButtonFace);
    return MakeColor(TowardMiddle(RedOf(face)), TowardMiddle(GreenOf(face)), TowardMiddle(BlueOf(face)));
  }
  return value & 0xFFFFFFu;
}

TColor Color::Stored(int index) const { return ValidIndex(index) ? colors_[index] : 0; }

void Color::Set(int index, TColor color) {
  if (!ValidIndex(index)) return;
  colors_[index] = color;
  changed_ = true;
}

void Color::Reset(int index) {
  if (!ValidIndex(index)) return;
  colors_[index] = factory_[index];
  changed_ = true;
}

void Color::Copy(const Color& from) {
  std::memcpy(colors_, from.colors_, sizeof colors_);
  std::memcpy(custom_, from.custom_, sizeof custom_);
  changed_ = true;
}

void Color::Save() {
  if (!changed_) return;
  EnsureSettingsFileExists();
  Settings().WriteString("quillo", "colors", FormatList(colors_, kColorElementCount).c_str());
  WriteSettingNow("custom_colors", FormatList(custom_, kCustomColorCount).c_str());
  changed_ = false;
}

Color& TheColors() { return *RequiredServices("TheColors").colors; }

TColor HighlightFor(TColor background) {
  const int r = RedOf(background);
  const int g = GreenOf(background);
  const int b = BlueOf(background);
  int delta = 15;
  if (r <= 32 && g <= 32 && b <= 32) {
    delta = 45;
  } else if (r <= 64 && g <= 64 && b <= 64) {
    delta = 30;
  }
  auto move = [delta](int c) { return c >= 240 ? c - delta : c + delta; };
  return MakeColor(move(r), move(g), move(b));
}

TColor SelectionFor(TColor background) {
  auto move = [](int c) { return c >= 128 ? c - 64 : c + 64; };
  return MakeColor(move(RedOf(background)), move(GreenOf(background)), move(BlueOf(background)));
}

TColor Blend(TColor a, TColor b) {
  return MakeColor((RedOf(a) + RedOf(b)) / 2, (GreenOf(a) + GreenOf(b)) / 2,
                   (BlueOf(a) + BlueOf(b)) / 2);
}
