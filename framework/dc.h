// TDC: the device context the game draws through, on the screen, on a printer page or into a recorder.
#pragma once

#include <string_view>

#include "framework/types.h"

// Device capabilities a print-out needs to place its picture on the page.
enum class TDeviceCap {
  LogPixelsX,       // pixels per inch, horizontally
  LogPixelsY,       // pixels per inch, vertically
  HorzRes,          // printable width in pixels
  VertRes,          // printable height in pixels
  PhysicalWidth,    // paper width in pixels
  PhysicalHeight,   // paper height in pixels
  PhysicalOffsetX,  // unprintable left margin in pixels
  PhysicalOffsetY,  // unprintable top margin in pixels
};

// Contract: coordinates are logical units; until SetIsotropic is called one unit is one device
// pixel. The window origin is the logical point shown at the viewport's top-left. Text is drawn
// opaque: each character cell is first filled with the background colour. The line pen is one
// device pixel wide and black.
class TDC {
 public:
  virtual ~TDC() = default;

  // Selects a font made from the record; null selects the stock fixed-width font.
  virtual void SelectFont(const TLogFont* font) = 0;
  virtual TTextMetrics GetTextMetrics() = 0;
  virtual TSize GetTextExtent(std::string_view text) = 0;

  virtual void SetTextColor(TColor color) = 0;
  virtual TColor GetTextColor() const = 0;
  virtual void SetBkColor(TColor color) = 0;
  virtual TColor GetBkColor() const = 0;

  // Draws text with its top-left at (x, y), cells painted opaque in the background colour.
  virtual void TextOut(int x, int y, std::string_view text) = 0;
  virtual void FillRect(const TRect& rect, TColor color) = 0;
  virtual void MoveTo(int x, int y) = 0;
  virtual void LineTo(int x, int y) = 0;

  virtual void SetWindowOrg(TPoint origin) = 0;
  virtual TPoint GetWindowOrg() const = 0;
  // Isotropic mapping: windowExt logical units span viewportExt device pixels, same scale on both axes.
  virtual void SetIsotropic(TSize windowExt, TSize viewportExt) = 0;
  // Clip to a rectangle in logical units; OffsetClip moves the current clip region.
  virtual void SetClipRect(const TRect& rect) = 0;
  virtual void OffsetClip(int dx, int dy) = 0;

  virtual int GetDeviceCaps(TDeviceCap cap) = 0;
};
