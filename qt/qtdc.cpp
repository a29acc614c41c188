// QtDC: fonts from logical-font records, opaque text, lines, fills, mapping and clipping on Qt.
#include "qt/qtdc.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QHash>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "qt/qtconvert.h"

namespace {
constexpr int kDefaultPixelSize = 15;

bool WantsFixedPitch(const TLogFont& font) {
  return (font.pitchAndFamily & 3) == kFixedPitch || (font.pitchAndFamily & 0xF0) == kFamilyModern;
}

// The system's fixed font when it really is fixed pitch, else the first fixed-pitch family
// installed (some systems name a face as their fixed font that the font database calls
// proportional).
QString FixedFamily() {
  static const QString family = [] {
    const QFontInfo system(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    if (system.fixedPitch()) return system.family();
    for (const QString& name : QFontDatabase::families()) {
      if (QFontDatabase::isFixedPitch(name) && !QFontDatabase::isPrivateFamily(name)) return name;
    }
    return system.family();
  }();
  return family;
}

QFont SystemFixedFont(int pixelSize) {
  if (pixelSize <= 0) pixelSize = std::max(QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).pixelSize(), 1);
  QFont font(FixedFamily());
  font.setPixelSize(pixelSize);
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  return font;
}

// The band of a text line that letters, digits and brackets cover: from the top of the tallest
// to the bottom of the deepest. Linux fixed faces reserve far more line height than the glyphs
// need (about 1.17 em against 1.0 for the usual Windows console face), and the side panel's 26
// rows must fit the default window. Rarer marks (` | { } _) may overhang it by a pixel.
// Cached per font and device resolution.
TextBand BandOf(const QFont& font, const QFontMetrics& metrics, int dpi) {
  static QHash<QString, TextBand> cache;
  const QString key = font.key() + QLatin1Char('@') + QString::number(dpi);
  if (auto found = cache.constFind(key); found != cache.constEnd()) return *found;
  int top = 0;
  int bottom = 0;
  static const QString measured =
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789()[]");
  for (const QChar c : measured) {
    const QRect box = metrics.boundingRect(c);
    top = std::min(top, box.top());
    bottom = std::max(bottom, box.bottom() + 1);
  }
  const int ascent = std::clamp(-top, 1, std::max(metrics.ascent(), 1));
  const int descent = std::clamp(bottom, 0, std::max(metrics.descent(), 0));
  const TextBand band{ascent, ascent + descent};
  if (cache.size() < 256) cache.insert(key, band);
  return band;
}

// The game places fixed-pitch text in whole-pixel cells, measured from whole-string extents.
// Most sizes of most faces advance by a fraction of a pixel, which lets a line drawn in one
// piece drift off those cells (by a pixel every few letters at 150%): the advance is rounded
// to whole pixels with letter spacing. Returns that whole advance, 0 for a proportional face.
// Cached per font and device resolution.
int WholePixelAdvance(QFont& font, const QPaintDevice* device) {
  struct Advance {
    qreal spacing;
    int whole;
  };
  static QHash<QString, Advance> cache;
  const QString key = font.key() + QLatin1Char('@') + QString::number(device ? device->devicePixelRatioF() : 0);
  auto found = cache.constFind(key);
  if (found == cache.constEnd()) {
    Advance advance{0, 0};
    if (QFontInfo(font).fixedPitch()) {
      const QFontMetricsF metrics = device ? QFontMetricsF(font, device) : QFontMetricsF(font);
      const qreal exact = metrics.horizontalAdvance(QLatin1Char('M'));
      advance.whole = static_cast<int>(std::max<qreal>(std::round(exact), 1));
      advance.spacing = advance.whole - exact;
    }
    if (cache.size() >= 256) cache.clear();
    found = cache.insert(key, advance);
  }
  if (found->spacing != 0) font.setLetterSpacing(QFont::AbsoluteSpacing, found->spacing);
  return found->whole;
}

// A font with its whole-pixel advance (0 for a proportional face) and, for a fixed-pitch one,
// its face for drawing glyphs straight into their cells.
struct CellFont {
  QFont font;
  int advance;
  QRawFont face;
};

// The fonts the panes select, by record and device pixel ratio: resolving a face takes a font
// lookup each time, and a pane selects the same few records at every paint.
CellFont CachedFont(const TLogFont* record, const QPaintDevice* device) {
  struct Entry {
    bool stock;  // the null record
    TLogFont record;
    qreal ratio;
    CellFont font;
  };
  static std::vector<Entry> cache;
  const qreal ratio = device ? device->devicePixelRatioF() : 0;
  for (const Entry& e : cache) {
    if (e.stock == !record && e.ratio == ratio && (!record || std::memcmp(&e.record, record, sizeof *record) == 0)) {
      return e.font;
    }
  }
  CellFont font{MakeFont(record), 0, {}};
  font.advance = WholePixelAdvance(font.font, device);
  if (font.advance > 0) font.face = QRawFont::fromFont(font.font);
  if (cache.size() >= 32) cache.erase(cache.begin());
  cache.push_back({!record, record ? *record : TLogFont{}, ratio, font});
  return font;
}

void CopyStyle(const QFont& from, QFont& to) {
  to.setWeight(from.weight());
  to.setItalic(from.italic());
  to.setUnderline(from.underline());
  to.setStrikeOut(from.strikeOut());
}
}  // namespace

QFont MakeFont(const TLogFont* record) {
  if (!record) return SystemFixedFont(0);
  const int pixelSize = record->height != 0 ? std::min(std::abs(record->height), 2000) : kDefaultPixelSize;
  // faceName is a fixed buffer that a hostile record might not terminate.
  const char* face = record->faceName;
  QFont font(ToQt(std::string_view(face, strnlen(face, sizeof record->faceName))));
  font.setPixelSize(pixelSize);
  font.setWeight(static_cast<QFont::Weight>(record->weight > 0 ? std::clamp(record->weight, 1, 1000) : 400));
  font.setItalic(record->italic != 0);
  font.setUnderline(record->underline != 0);
  font.setStrikeOut(record->strikeOut != 0);
  if (WantsFixedPitch(*record)) {
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (!QFontInfo(font).fixedPitch()) {
      QFont fixed = SystemFixedFont(pixelSize);
      CopyStyle(font, fixed);
      font = fixed;
    }
  }
  return font;
}

QtDC::QtDC(QPaintDevice* device, QPainter* painter)
    : device_(device), painter_(painter) {
  if (painter_) {
    base_ = painter_->worldTransform();
    painter_->setRenderHint(QPainter::Antialiasing, false);
  }
}

const QFont& QtDC::Font() {
  if (!font_) {
    font_ = MakeFont(nullptr);
    if (painter_) painter_->setFont(*font_);
  }
  return *font_;
}

const QFontMetrics& QtDC::Metrics() {
  if (!metrics_) metrics_.emplace(device_ ? QFontMetrics(Font(), device_) : QFontMetrics(Font()));
  return *metrics_;
}

TextBand QtDC::Band() {
  if (!band_) band_ = BandOf(Font(), Metrics(), Dpi());
  return *band_;
}

void QtDC::SelectFont(const TLogFont* font) {
  const CellFont selected = CachedFont(font, device_);
  font_ = selected.font;
  cellAdvance_ = selected.advance;
  cellFace_ = selected.face;
  metrics_.reset();
  band_.reset();
  if (painter_) painter_->setFont(*font_);
}

int QtDC::Dpi() const { return device_ ? device_->logicalDpiY() : 0; }

TTextMetrics QtDC::GetTextMetrics() { return {Band().height, Metrics().averageCharWidth()}; }

TSize QtDC::GetTextExtent(std::string_view text) {
  const int cells = static_cast<int>(CellGlyphs(text).size());
  return {cells > 0 ? cells * cellAdvance_ : Metrics().horizontalAdvance(ToQt(text)), Band().height};
}

// Shaping a string costs far more than the drawing of its glyphs; plain ASCII in a fixed-pitch
// face that has a glyph for each of its characters is measured and drawn by its whole-pixel
// cells instead. Empty for any other text, which Qt shapes (and finds other faces' glyphs for).
QList<quint32> QtDC::CellGlyphs(std::string_view text) const {
  if (cellAdvance_ <= 0 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= ' ' && c <= '~'; })) {
    return {};
  }
  QList<quint32> glyphs = cellFace_.glyphIndexesForString(ToQt(text));
  return glyphs.contains(0) ? QList<quint32>() : glyphs;
}

void QtDC::TextOut(int x, int y, std::string_view text) {
  if (!painter_ || text.empty()) return;
  Font();  // the painter draws in it
  const QString qtext = ToQt(text);
  const TextBand band = Band();
  const QList<quint32> glyphs = CellGlyphs(text);
  const int width = glyphs.isEmpty() ? Metrics().horizontalAdvance(qtext) : static_cast<int>(glyphs.size()) * cellAdvance_;
  painter_->fillRect(QRect(x, y, width, band.height), ToQColor(bkColor_));
  painter_->setPen(ToQColor(textColor_));
  // Underlines and strike-outs are drawn to the end of the last cell only by the text path.
  if (glyphs.isEmpty() || font_->underline() || font_->strikeOut()) {
    painter_->drawText(x, y + band.ascent, qtext);
    return;
  }
  QList<QPointF> positions(glyphs.size());
  for (qsizetype i = 0; i < positions.size(); ++i) positions[i] = QPointF(static_cast<qreal>(i * cellAdvance_), 0);
  QGlyphRun run;
  run.setRawFont(cellFace_);
  run.setGlyphIndexes(glyphs);
  run.setPositions(positions);
  painter_->drawGlyphRun(QPointF(x, y + band.ascent), run);
}

void QtDC::FillRect(const TRect& rect, TColor color) {
  if (painter_) painter_->fillRect(ToQRect(rect), ToQColor(color));
}

void QtDC::LineTo(int x, int y) {
  if (painter_) {
    QPen pen(Qt::black);
    pen.setCosmetic(true);
    pen.setWidth(1);
    painter_->setPen(pen);
    painter_->drawLine(position_.x, position_.y, x, y);
  }
  position_ = {x, y};
}

void QtDC::SetWindowOrg(TPoint origin) {
  origin_ = origin;
  ApplyTransform();
}

void QtDC::SetIsotropic(TSize windowExt, TSize viewportExt) {
  if (windowExt.cx == 0 || windowExt.cy == 0) return;
  const double sx = std::abs(static_cast<double>(viewportExt.cx) / windowExt.cx);
  const double sy = std::abs(static_cast<double>(viewportExt.cy) / windowExt.cy);
  const double scale = std::min(sx, sy);
  if (scale > 0) scale_ = scale;
  ApplyTransform();
}

void QtDC::ApplyTransform() {
  if (!painter_) return;
  QTransform own(scale_, 0, 0, scale_, -origin_.x * scale_, -origin_.y * scale_);
  painter_->setWorldTransform(own * base_);
}

void QtDC::SetClipRect(const TRect& rect) {
  QTransform own(scale_, 0, 0, scale_, -origin_.x * scale_, -origin_.y * scale_);
  clip_ = own.mapRect(QRectF(ToQRect(rect)));
  ApplyClip();
}

void QtDC::OffsetClip(int dx, int dy) {
  if (!clip_) return;
  clip_->translate(dx * scale_, dy * scale_);
  ApplyClip();
}

void QtDC::ApplyClip() {
  if (!painter_ || !clip_) return;
  const QTransform current = painter_->worldTransform();
  painter_->setWorldTransform(base_);
  painter_->setClipRect(*clip_, Qt::ReplaceClip);
  painter_->setWorldTransform(current);
}

int QtDC::GetDeviceCaps(TDeviceCap cap) {
  if (!device_) return 0;
  QRect page(0, 0, device_->width(), device_->height());
  QRect paper = page;
  if (auto* printer = dynamic_cast<QPagedPaintDevice*>(device_)) {
    const int dpi = device_->logicalDpiX();
    const QPageLayout layout = printer->pageLayout();
    paper = layout.fullRectPixels(dpi);
    page = layout.paintRectPixels(dpi);
  } else if (auto* widget = dynamic_cast<QWidget*>(device_); widget && widget->screen()) {
    page = paper = QRect(QPoint(0, 0), widget->screen()->geometry().size());
  }
  switch (cap) {
    case TDeviceCap::LogPixelsX: return device_->logicalDpiX();
    case TDeviceCap::LogPixelsY: return device_->logicalDpiY();
    case TDeviceCap::HorzRes: return page.width();
    case TDeviceCap::VertRes: return page.height();
    case TDeviceCap::PhysicalWidth: return paper.width();
    case TDeviceCap::PhysicalHeight: return paper.height();
    case TDeviceCap::PhysicalOffsetX: return page.left() - paper.left();
    case TDeviceCap::PhysicalOffsetY: return page.top() - paper.top();
  }
  return 0;
}
