// Font: the "Font" setting read and written, the fixed-width test, the chooser and the dialog height.
#include "display/font.h"

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "classlib/inifile.h"
#include "display/settingsfile.h"
#include "display/zoom.h"
#include "framework/dc.h"
#include "framework/platform.h"
#include "framework/window.h"
#include "classlib/services.h"

namespace {
constexpr int kAuxiliaryLimit = 23;
constexpr int kFieldCount = 13;

// A decimal integer after white space, saturated to 32 bits. False when no digit comes.
bool ReadNumber(const char*& p, std::int32_t& value) {
  while (*p == ' ' || *p == '\t') ++p;
  const char* start = p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  if (!std::isdigit(static_cast<unsigned char>(*p))) {
    p = start;
    return false;
  }
  std::int64_t n = 0;
  for (; std::isdigit(static_cast<unsigned char>(*p)); ++p) {
    if (n <= INT32_MAX) n = n * 10 + (*p - '0');
  }
  if (negative) n = -n;
  value = static_cast<std::int32_t>(n > INT32_MAX ? INT32_MAX : (n < INT32_MIN ? INT32_MIN : n));
  return true;
}
}  // namespace

bool ParseFontSetting(const char* text, TLogFont& record) {
  if (!text) return false;
  std::int32_t fields[kFieldCount];
  const char* p = text;
  for (std::int32_t& field : fields) {
    if (!ReadNumber(p, field)) return false;
  }
  while (*p == ' ' || *p == '\t') ++p;
  std::size_t faceLength = 0;
  while (p[faceLength] != '\0' && p[faceLength] != '\n' && p[faceLength] != '\r') ++faceLength;
  if (faceLength == 0) return false;
  if (faceLength > sizeof record.faceName - 1) faceLength = sizeof record.faceName - 1;

  TLogFont parsed;
  parsed.height = fields[0];
  parsed.width = fields[1];
  parsed.escapement = fields[2];
  parsed.orientation = fields[3];
  parsed.weight = fields[4];
  std::uint8_t* bytes[] = {&parsed.italic,       &parsed.underline,    &parsed.strikeOut,
                           &parsed.charSet,      &parsed.outPrecision, &parsed.clipPrecision,
                           &parsed.quality,      &parsed.pitchAndFamily};
  for (int i = 0; i < 8; ++i) *bytes[i] = static_cast<std::uint8_t>(fields[5 + i] & 0xFF);
  std::memcpy(parsed.faceName, p, faceLength);
  parsed.faceName[faceLength] = '\0';
  record = parsed;
  return true;
}

bool IsSaneFontHeight(std::int32_t height, int pixelsPerInch) {
  const std::int64_t inch = pixelsPerInch > 0 ? pixelsPerInch : 96;
  const std::int64_t pixels = height < 0 ? -std::int64_t{height} : height;
  return pixels * 72 >= kMinFontPoints * inch && pixels * 72 <= kMaxFontPoints * inch;
}

std::string FormatFontSetting(const TLogFont& record) {
  char face[sizeof record.faceName];
  std::memcpy(face, record.faceName, sizeof face);
  face[sizeof face - 1] = '\0';
  char text[kFontSettingSize + 1];
  std::snprintf(text, sizeof text, "%d %d %d %d %d %u %u %u %u %u %u %u %u %s",
                static_cast<int>(record.height), static_cast<int>(record.width),
                static_cast<int>(record.escapement), static_cast<int>(record.orientation),
                static_cast<int>(record.weight), unsigned{record.italic}, unsigned{record.underline},
                unsigned{record.strikeOut}, unsigned{record.charSet}, unsigned{record.outPrecision},
                unsigned{record.clipPrecision}, unsigned{record.quality},
                unsigned{record.pitchAndFamily}, face);
  return text;
}

void Font::Load() {
  char value[kFontSettingSize + 1];
  Settings().ReadString("quillo", "Font", kDefaultFontSetting, value, sizeof value);
  hasFont_ = false;
  needsCreate_ = ParseFontSetting(value, record_);
  // A height nobody could read or that draws nothing is damage, not a choice.
  if (needsCreate_ && !IsSaneFontHeight(record_.height, SystemService().ScreenPixelsPerInch().cy)) {
    ParseFontSetting(kDefaultFontSetting, record_);
  }
  if (!needsCreate_) record_ = TLogFont{};
  SetZoom(ReadZoom());
}

void Font::SetZoom(int percent) {
  zoom_ = percent;
  zoomedReady_ = false;
}

void Font::Select(TDC& dc) {
  if (needsCreate_) {
    needsCreate_ = false;
    Create(dc);
    changed_ = false;  // creating the loaded record is no change
  }
  if (zoom_ == kActualSize) {
    dc.SelectFont(hasFont_ ? &record_ : nullptr);
    return;
  }
  if (!zoomedReady_) {
    if (hasFont_) {
      zoomed_ = record_;
    } else {
      // The stock font has no record: a fixed-pitch one of its measured height stands for it.
      dc.SelectFont(nullptr);
      zoomed_ = TLogFont{};
      zoomed_.height = -dc.GetTextExtent("M").cy;
      zoomed_.pitchAndFamily = kFixedPitch | kFamilyModern;
    }
    zoomed_.height = ZoomedHeight(zoomed_.height, zoom_);
    zoomedReady_ = true;
  }
  dc.SelectFont(&zoomed_);
}

void Font::SelectVariant(TDC& dc, bool bold, bool italic) {
  Select(dc);
  if (!hasFont_) return;
  TLogFont variant = record_;
  if (bold) variant.weight = 700;
  if (italic) variant.italic = 1;
  dc.SelectFont(&variant);
}

bool Font::Create(TDC& dc) {
  changed_ = true;
  zoomedReady_ = false;
  hasFont_ = false;
  dc.SelectFont(&record_);
  const int dot = dc.GetTextExtent(".").cx;
  const int m = dc.GetTextExtent("M").cx;
  const int w = dc.GetTextExtent("W").cx;
  hasFont_ = dot == m && m == w;
  return hasFont_;
}

bool Font::Choose(TWindow* parent) {
  TLogFont chosen = hasFont_ ? record_ : TLogFont{};
  std::string error;
  switch (DialogService().ChooseFont(parent, chosen, error)) {
    case TChooseResult::Cancelled:
      return false;
    case TChooseResult::Failed:
      DialogService().MessageBox(parent, error, "ERROR", MB_OK | MB_ICONSTOP);
      return false;
    case TChooseResult::Ok:
      break;
  }
  record_ = chosen;
  needsCreate_ = false;
  bool fixed = false;
  if (parent && parent->HasPeer()) {
    std::unique_ptr<TDC> dc = parent->Peer().MeasuringDC();
    fixed = Create(*dc);
  } else {
    changed_ = true;
    hasFont_ = false;
    zoomedReady_ = false;
  }
  if (!fixed) {
    DialogService().MessageBox(parent, "The selected font is not a fixed-width font.\nUsing default font instead.",
                          "Error", MB_OK);
  }
  return true;
}

int Font::AuxiliaryHeight() const {
  const int height = record_.height;
  return height < -kAuxiliaryLimit ? -kAuxiliaryLimit : (height > kAuxiliaryLimit ? kAuxiliaryLimit : height);
}

void Font::Save() {
  if (!changed_) return;
  EnsureSettingsFileExists();
  WriteSettingNow("Font", hasFont_ ? FormatFontSetting(record_).c_str() : "");
  changed_ = false;
}

Font& TheFont() { return *RequiredServices("TheFont").font; }
