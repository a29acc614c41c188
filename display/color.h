// Color: the six colour elements of the display, with their defaults and sixteen custom colours.
#pragma once

#include <string>

#include "framework/types.h"

// The elements, always named by index.
enum ColorElement : int {
  kColorBackground = 0,
  kColorHeadings = 1,
  kColorTimes = 2,
  kColorCiphertext = 3,
  kColorPlaintext = 4,
  kColorSelected = 5,
};
inline constexpr int kColorElementCount = 6;
inline constexpr int kCustomColorCount = 16;

// In element 0: derive the background from the system's button face.
inline constexpr TColor kFollowSystem = 0xFFFFFFFFu;

inline constexpr const char* kDefaultColors = "4294967295 0 128 240 15728640 0";
inline constexpr const char* kDefaultCustomColors =
    "255 65280 16711680 65535 16711935 16776960 0 8421504 128 32768 8388608 32896 8388736 "
    "8421376 12632256 16777215";

// Reads up to count unsigned decimal numbers from text into values; from the first one that
// cannot be read (no digit after white space), that entry and every later one take their value
// from fallback (0 without one), so a damaged list never turns into black. A number too large
// for 32 bits reads as 4294967295.
void ParseColorList(const char* text, TColor* values, int count, const TColor* fallback = nullptr);

// A colour scheme. Values are 32-bit colours; a top byte of 0x80 names a system colour (its
// number in the low 16 bits), and kFollowSystem in element 0 follows the system. Indices outside
// 0..5 read as black and change nothing.
class Color {
 public:
  // The factory defaults and the default custom colours, unchanged.
  Color();

  static const char* Name(int index);
  static const char* Description(int index);

  // Reads "colors" and "custom_colors" (each up to 512 characters); missing entries keep their
  // defaults, and a scheme that would draw any text in its background colour is the default one.
  void Load();
  // The colour to draw with: system references resolved, follow-the-system in element 0 derived
  // from the button face (each byte moved 5 toward the middle).
  TColor Get(int index) const;
  // The value as stored.
  TColor Stored(int index) const;
  void Set(int index, TColor color);
  void Reset(int index);
  // Takes the six colours and the custom colours of another scheme (not its defaults).
  void Copy(const Color& from);
  // Writes both settings when the scheme changed, system references resolved.
  void Save();

  bool Changed() const { return changed_; }
  const TColor* CustomColors() const { return custom_; }

 private:
  TColor colors_[kColorElementCount];
  TColor factory_[kColorElementCount];
  TColor custom_[kCustomColorCount];
  bool changed_ = false;
};

// The process-wide scheme.
Color& TheColors();

// The colour behind the guess rows while the solution is highlighted: each byte moved by 45, 30
// or 15 (for a dark, dim or other background) away from the nearer end.
TColor HighlightFor(TColor background);
// The background of the selected letter's cells: each channel moved 64 toward the middle, a far
// stronger mark than the solution band, legible under light and dark text alike.
TColor SelectionFor(TColor background);
// Halfway between two colours (the Possible Words preview's lighter tint).
TColor Blend(TColor a, TColor b);
