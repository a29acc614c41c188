// RecordingDC: a device context that records every drawing operation for painting tests to inspect.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/dc.h"
#include "framework_printers.h"

// Device capabilities of a fake screen or printer page. Defaults are a 96 dpi full-HD screen.
struct FakeDeviceCaps {
  int logPixelsX = 96;
  int logPixelsY = 96;
  int horzRes = 1920;  // printable area in pixels
  int vertRes = 1080;
  int physicalWidth = 1920;  // paper size in pixels
  int physicalHeight = 1080;
  int physicalOffsetX = 0;  // unprintable margins in pixels
  int physicalOffsetY = 0;

  static FakeDeviceCaps Screen() { return {}; }
  // A portrait page: 8.5 x 11 inch paper at 600 dpi with an unprintable 0.25 inch margin.
  static FakeDeviceCaps Printer();

  int Get(TDeviceCap cap) const;
};

// The fake's font metrics, shared by the recording context and the fake dialogs' item fonts.
// A record with |height| h (0 means 16) has character height h and every character h / 2 wide;
// a variable-pitch record (pitchAndFamily & 3 == 2) is proportional: ".,:;'!|il" are h / 4 wide,
// "MW" 3h / 4. Null (the stock fixed font) is 8 x 16.
int FakeFontHeight(const TLogFont* font);
int FakeCharWidth(const TLogFont* font, char ch);
TTextMetrics FakeTextMetrics(const TLogFont* font);
TSize FakeTextExtent(const TLogFont* font, std::string_view text);

enum class DrawKind {
  SelectFont,  // font: the new font (nullopt: stock fixed font)
  TextColor,   // color: the new text colour
  BkColor,     // color: the new background colour
  Text,        // at: top-left, text, rect: its extent, fg/bk: colours it was drawn in
  Fill,        // rect, color
  MoveTo,      // at
  LineTo,      // from -> at, color: the pen (always black: the contract has no pen colour)
  WindowOrg,   // at: the new origin
  Isotropic,   // windowExt, viewportExt
  ClipRect,    // rect: the new clip rectangle (logical)
  OffsetClip,  // at: (dx, dy)
};

// One recorded operation, with the context's state at that moment.
struct DrawOp {
  DrawKind kind = DrawKind::Text;
  TPoint at;
  TPoint from;
  std::string text;
  TRect rect;  // logical units, as the game passed or (Text) measured them
  TColor color = 0;
  TColor fg = 0;  // text colour in effect
  TColor bk = 0;  // background colour in effect
  std::optional<TLogFont> font;  // font in effect; nullopt is the stock fixed font
};

// One character of drawn text: what a cell on the screen shows.
struct DrawnChar {
  char ch = 0;
  TColor fg = 0;
  TColor bk = 0;
};

// Records drawing; measures with the fake font metrics. Initial state: text black, background
// white, stock fixed font, origin (0, 0), no mapping, no clip. Queries look at the whole record;
// where several operations cover a cell, the last one drawn wins, as on a real screen. Clipping
// is recorded but does not hide anything from the queries.
class RecordingDC : public TDC {
 public:
  explicit RecordingDC(FakeDeviceCaps caps = FakeDeviceCaps::Screen()) : caps_(caps) {}
  RecordingDC(const RecordingDC&) = default;
  RecordingDC(RecordingDC&&) = default;
  RecordingDC& operator=(const RecordingDC&) = default;
  RecordingDC& operator=(RecordingDC&&) = default;

  // TDC.
  void SelectFont(const TLogFont* font) override;
  TTextMetrics GetTextMetrics() override;
  TSize GetTextExtent(std::string_view text) override;
  void SetTextColor(TColor color) override;
  TColor GetTextColor() const override { return fg_; }
  void SetBkColor(TColor color) override;
  TColor GetBkColor() const override { return bk_; }
  void TextOut(int x, int y, std::string_view text) override;
  void FillRect(const TRect& rect, TColor color) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void SetWindowOrg(TPoint origin) override;
  TPoint GetWindowOrg() const override { return origin_; }
  void SetIsotropic(TSize windowExt, TSize viewportExt) override;
  void SetClipRect(const TRect& rect) override;
  void OffsetClip(int dx, int dy) override;
  int GetDeviceCaps(TDeviceCap cap) override { return caps_.Get(cap); }

  // Everything, in order.
  const std::vector<DrawOp>& Ops() const { return ops_; }
  std::vector<DrawOp> OpsOf(DrawKind kind) const;
  std::vector<DrawOp> TextOps() const { return OpsOf(DrawKind::Text); }
  std::vector<DrawOp> Fills() const { return OpsOf(DrawKind::Fill); }
  // True when some single TextOut drew text containing `part`.
  bool DrewText(std::string_view part) const;

  // The last drawn character overlapping the cell (col, row) of a grid of cells `cell` in size
  // whose cell (0, 0) has its top-left at `origin` (logical units).
  std::optional<DrawnChar> Cell(int col, int row, TSize cell, TPoint origin = {}) const;
  // The characters of cells 0..columns-1 of one grid row; `missing` where nothing was drawn.
  std::string Row(int row, int columns, TSize cell, TPoint origin = {}, char missing = ' ') const;

  // Maps a logical point to device pixels with the current origin and mapping.
  TPoint ToDevice(TPoint logical) const;

 private:
  DrawOp& Record(DrawKind kind);
  const TLogFont* Font() const { return font_ ? &*font_ : nullptr; }

  FakeDeviceCaps caps_;
  std::vector<DrawOp> ops_;
  std::optional<TLogFont> font_;
  TColor fg_ = MakeColor(0, 0, 0);
  TColor bk_ = MakeColor(255, 255, 255);
  TPoint origin_;
  TPoint position_;  // current MoveTo/LineTo position
  TSize windowExt_;
  TSize viewportExt_;
};
