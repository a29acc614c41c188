// Value types shared by the game and every platform back end: geometry, colours, fonts, result ids.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

struct TPoint {
  int x = 0;
  int y = 0;
  bool operator==(const TPoint&) const = default;
};

struct TSize {
  int cx = 0;
  int cy = 0;
  bool operator==(const TSize&) const = default;
};

// A rectangle with exclusive right and bottom edges, as the window system gives them.
struct TRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Contains(TPoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  TRect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  static TRect FromSize(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }
  bool operator==(const TRect&) const = default;
};

// Colours are 32-bit values with red in the lowest byte, then green, then blue.
using TColor = std::uint32_t;
constexpr TColor MakeColor(int r, int g, int b) {
  return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(TColor c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(TColor c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(TColor c) { return static_cast<int>((c >> 16) & 0xFF); }

// System colour numbers the game asks for.
constexpr int kSysColorButtonFace = 15;
constexpr int kSysColorWindow = 5;
constexpr int kSysColorWindowText = 8;

// A logical-font record, field for field the layout the "Font" setting stores.
struct TLogFont {
  std::int32_t height = 0;  // negative: character height in pixels
  std::int32_t width = 0;
  std::int32_t escapement = 0;
  std::int32_t orientation = 0;
  std::int32_t weight = 400;
  std::uint8_t italic = 0;
  std::uint8_t underline = 0;
  std::uint8_t strikeOut = 0;
  std::uint8_t charSet = 0;
  std::uint8_t outPrecision = 0;
  std::uint8_t clipPrecision = 0;
  std::uint8_t quality = 0;
  std::uint8_t pitchAndFamily = 0;  // low 2 bits: 1 fixed, 2 variable; high nibble: family
  char faceName[32] = {};

  void SetFace(const char* face) {
    std::strncpy(faceName, face, sizeof faceName - 1);
    faceName[sizeof faceName - 1] = '\0';
  }
};

constexpr std::uint8_t kFixedPitch = 1;
constexpr std::uint8_t kFamilyModern = 0x30;
constexpr std::uint8_t kFamilySwiss = 0x20;

// Font metrics of the font selected into a device context.
struct TTextMetrics {
  int height = 0;        // character cell height
  int avgCharWidth = 0;  // average character width
};

// Message box styles: one button set ored with one icon.
enum : unsigned {
  MB_OK = 0x0,
  MB_OKCANCEL = 0x1,
  MB_YESNOCANCEL = 0x3,
  MB_YESNO = 0x4,
  MB_TYPEMASK = 0xF,
  MB_ICONSTOP = 0x10,
  MB_ICONQUESTION = 0x20,
  MB_ICONEXCLAMATION = 0x30,
  MB_ICONINFORMATION = 0x40,
  MB_ICONMASK = 0xF0,
};

// Standard result ids of message boxes and dialog buttons.
enum : int { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7 };

// The codes TWindow::Char gets for keys that type no character (above the 8-bit codes).
enum : int { kKeyLeft = 0x101, kKeyRight, kKeyUp, kKeyDown, kKeyHome, kKeyEnd, kKeyBackTab };

// Modifier keys held during a mouse click.
enum : unsigned { kModShift = 1, kModControl = 2, kModAlt = 4 };

// Keys whose state the game asks for at a given moment.
enum class TKey { Shift, Control, Alt };
