// QtDC: the framework's device context over a QPainter, for widgets, printer pages and images.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QRawFont>
#include <QRectF>
#include <QTransform>

#include <optional>

#include "framework/dc.h"

// The font a logical-font record asks for. The pixel size is |height| (0 gives 15). A record
// asking for fixed pitch (pitch bits 1) or the modern family always gets a fixed-pitch face,
// the system's fixed font when the named face is missing or proportional. Null gives the
// system's fixed-width font, sized in pixels so that it scales like the others.
QFont MakeFont(const TLogFont* font);

// The band of a text line that letters, digits and brackets cover (see qtdc.cpp).
struct TextBand {
  int ascent;  // baseline below the band's top
  int height;
};

// Draws through painter on device; the painter must stay active while the context lives. A null
// painter gives a measuring context: fonts, metrics, extents and device capabilities work and
// drawing calls do nothing. Text and fills are drawn without antialiasing of edges; text is
// opaque (its cell filled with the background colour first). A text line is as tall as the band
// the printable ASCII glyphs of the font cover, not the font's full line height. Defaults: black text on white,
// the system fixed font, a black one-pixel pen.
class QtDC : public TDC {
 public:
  QtDC(QPaintDevice* device, QPainter* painter);

  void SelectFont(const TLogFont* font) override;
  TTextMetrics GetTextMetrics() override;
  TSize GetTextExtent(std::string_view text) override;

  void SetTextColor(TColor color) override { textColor_ = color; }
  TColor GetTextColor() const override { return textColor_; }
  void SetBkColor(TColor color) override { bkColor_ = color; }
  TColor GetBkColor() const override { return bkColor_; }

  void TextOut(int x, int y, std::string_view text) override;
  void FillRect(const TRect& rect, TColor color) override;
  void MoveTo(int x, int y) override { position_ = {x, y}; }
  void LineTo(int x, int y) override;

  void SetWindowOrg(TPoint origin) override;
  TPoint GetWindowOrg() const override { return origin_; }
  void SetIsotropic(TSize windowExt, TSize viewportExt) override;
  void SetClipRect(const TRect& rect) override;
  void OffsetClip(int dx, int dy) override;

  int GetDeviceCaps(TDeviceCap cap) override;

 private:
  // The selected font; the system's fixed font until one is selected, made on first use, as
  // contexts mostly select their own before they draw or measure.
  const QFont& Font();
  // The selected font's metrics and text band, worked out once a font.
  const QFontMetrics& Metrics();
  TextBand Band();
  QList<quint32> CellGlyphs(std::string_view text) const;  // text measured and drawn cell by cell
  int Dpi() const;  // the device's vertical resolution, 0 for a measuring context
  void ApplyTransform();
  void ApplyClip();

  QPaintDevice* device_;
  QPainter* painter_;
  QTransform base_;  // the painter's own transform when the context was made
  std::optional<QFont> font_;
  int cellAdvance_ = 0;  // the selected font's whole-pixel advance, 0 when proportional
  QRawFont cellFace_;    // the selected fixed-pitch font's face
  std::optional<QFontMetrics> metrics_;
  std::optional<TextBand> band_;
  TColor textColor_ = MakeColor(0, 0, 0);
  TColor bkColor_ = MakeColor(255, 255, 255);
  TPoint position_;
  TPoint origin_;
  double scale_ = 1.0;
  std::optional<QRectF> clip_;  // in the base coordinates (device pixels for the game)
};
