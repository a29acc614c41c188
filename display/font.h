// Font: the one puzzle font, kept as a logical-font record in the "Font" setting.
#pragma once

#include <cstdint>
#include <string>

#include "framework/types.h"

class TDC;
class TWindow;

// The "Font" setting: thirteen decimal numbers (the byte fields as 0..255) separated by single
// spaces, one space, then the face name to the end; at most 150 characters.
inline constexpr int kFontSettingSize = 150;
inline constexpr const char* kDefaultFontSetting = "-15 0 0 0 400 0 0 0 0 3 2 1 49 Lucida Console";

// Reads a setting value into record: thirteen numbers (each saturated to 32 bits, the byte fields
// keeping their low byte), white space skipped, then the rest of the line (at most 31
// characters) as the face. False, leaving record as it was, when any part is missing.
bool ParseFontSetting(const char* text, TLogFont& record);
// Whether a record's height (pixels; negative for the character height) lies within 6 to 96
// points at pixelsPerInch (96 when unknown). The loaded setting falls back to the default
// font outside it.
inline constexpr int kMinFontPoints = 6;
inline constexpr int kMaxFontPoints = 96;
bool IsSaneFontHeight(std::int32_t height, int pixelsPerInch);
// The setting value of a record.
std::string FormatFontSetting(const TLogFont& record);

// The process-wide holder. Without a usable record the context's stock fixed-width font is used.
// Load at start-up before the first layout; Save at exit, before the settings store goes away
// (only a player's choice is written back). Nothing here throws.
class Font {
 public:
  // Reads "Font" (default kDefaultFontSetting); a value that parses is created at the next Select,
  // the default one instead when its height is not sane at the screen's resolution.
  void Load();
  // Selects the puzzle font (creating a loaded record first, which is no change) or the stock
  // fixed font into dc, either scaled to the zoom.
  void Select(TDC& dc);
  // The puzzle font in bold or in italic (the stock font has no variants: it is selected plain).
  void SelectVariant(TDC& dc, bool bold, bool italic);
  // The zoom in percent (kActualSize at start; Load reads the "Zoom" setting). Only the screen's
  // panes are scaled: the record, the setting and the dialogs keep the chosen height.
  int Zoom() const { return zoom_; }
  void SetZoom(int percent);
  // Marks the font changed and tries the record in dc: kept only when ".", "M" and "W" measure
  // the same width. True when kept.
  bool Create(TDC& dc);
  // The font chooser, opened on the current font. After OK the choice is tried (a proportional
  // one is refused with a message and leaves the stock font) and the answer is true: the display
  // must be laid out again. False after Cancel, or after a chooser that failed (its text shown).
  bool Choose(TWindow* parent);
  // The record's height limited to -23..23, for the dialogs that show puzzle letters.
  int AuxiliaryHeight() const;
  // Writes "Font" when the player's choice changed it: the record, or "" with no font.
  void Save();

  bool HasFont() const { return hasFont_; }
  bool Changed() const { return changed_; }
  const TLogFont& Record() const { return record_; }

 private:
  TLogFont record_;
  bool hasFont_ = false;      // record_ is a created, fixed-width font
  bool needsCreate_ = false;  // record_ was loaded and is created at the next Select
  bool changed_ = false;
  int zoom_ = 100;              // actual size
  TLogFont zoomed_;             // record_ (or the stock font) at zoom_, made at the next Select
  bool zoomedReady_ = false;
};

Font& TheFont();
