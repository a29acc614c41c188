// RecordingDC: a device context that records every drawing operation for painting tests to inspect.
#pragma once

#include <optional>
#include <vector>

#include "framework/dc.h"
#include "framework_printers.h"

// The fake's font metrics: a font of |height| h (0 means 16) is h high and h / 2 wide; variable
// pitch (pitchAndFamily & 3 == 2) makes ".,:;'!|il" h / 4 and "MW" 3h / 4 wide. Null is 8 x 16.
int FakeFontHeight(const TLogFont* font);
int FakeCharWidth(const TLogFont* font, char ch);
TTextMetrics FakeTextMetrics(const TLogFont* font);
TSize FakeTextExtent(const TLogFont* font, std::string_view text);

// The operations kept; colour changes, lines and clipping change the state and leave no record.
enum class DrawKind { SelectFont, Text, Fill, WindowOrg };

// One recorded operation, with the context's colours and font at that moment: a font's new
// font (nullopt: the stock fixed font), a text's top-left `at`, text and extent `rect`, a fill's
// rect and color, a new window origin `at`.
struct DrawOp {
  DrawKind kind = DrawKind::Text;
  TPoint at;
  std::string text;
  TRect rect;  // logical units
  TColor color = 0, fg = 0, bk = 0;
  std::optional<TLogFont> font;
};

// One character of drawn text: what a cell on the screen shows.
struct DrawnChar { char ch = 0; TColor fg = 0, bk = 0; };

// Records drawing and measures with the fake font metrics. Starts with black text on white, the
// stock font, origin (0, 0), no mapping. Where several operations cover a cell the last one drawn
// wins, as on a screen; clipping hides nothing from the queries.
class RecordingDC : public TDC {
 public:
  void SelectFont(const TLogFont* font) override;
  TTextMetrics GetTextMetrics() override { return FakeTextMetrics(Font()); }
  TSize GetTextExtent(std::string_view text) override { return FakeTextExtent(Font(), text); }
  void SetTextColor(TColor color) override { fg_ = color; }
  TColor GetTextColor() const override { return fg_; }
  void SetBkColor(TColor color) override { bk_ = color; }
  TColor GetBkColor() const override { return bk_; }
  void TextOut(int x, int y, std::string_view text) override;
  void FillRect(const TRect& rect, TColor color) override;
  void MoveTo(int, int) override {}
  void LineTo(int, int) override {}
  void SetWindowOrg(TPoint origin) override { Record(DrawKind::WindowOrg).at = origin_ = origin; }
  TPoint GetWindowOrg() const override { return origin_; }
  void SetIsotropic(TSize windowExt, TSize viewportExt) override { windowExt_ = windowExt, viewportExt_ = viewportExt; }
  void SetClipRect(const TRect&) override {}
  void OffsetClip(int, int) override {}
  int GetDeviceCaps(TDeviceCap) override { return 0; }  // no test asks a fake screen

  std::vector<DrawOp> OpsOf(DrawKind kind) const;  // in drawing order
  bool DrewText(std::string_view part) const;  // some single TextOut drew text containing part

  // The last drawn character overlapping cell (col, row) of a grid of `cell`-sized cells whose
  // cell (0, 0) is at `origin` (logical units).
  std::optional<DrawnChar> Cell(int col, int row, TSize cell, TPoint origin = {}) const;
  // The characters of cells 0..columns-1 of one grid row; `missing` where nothing was drawn.
  std::string Row(int row, int columns, TSize cell, TPoint origin = {}, char missing = ' ') const;
  TPoint ToDevice(TPoint logical) const;  // a logical point in device pixels, with the current origin and mapping

 private:
  DrawOp& Record(DrawKind kind) { return ops_.emplace_back(DrawOp{kind, {}, {}, {}, 0, fg_, bk_, font_}); }
  const TLogFont* Font() const { return font_ ? &*font_ : nullptr; }

  std::vector<DrawOp> ops_;
  std::optional<TLogFont> font_;
  TColor fg_ = MakeColor(0, 0, 0);
  TColor bk_ = MakeColor(255, 255, 255);
  TPoint origin_;
  TSize windowExt_;
  TSize viewportExt_;
};
