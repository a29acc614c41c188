// Tool bar of hint buttons: pictures from the resources, gaps, edges and orientation.
#include "qt/qttoolbar.h"

#include <QAction>
#include <QLayout>
#include <QMainWindow>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleOption>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

#include "qt/qtconvert.h"

QImage ImageOfBitmap(const TBitmap& bitmap, const std::vector<unsigned>& palette) {
  if (bitmap.width <= 0 || bitmap.height <= 0 || bitmap.width > 4096 || bitmap.height > 4096) return {};
  const size_t count = static_cast<size_t>(bitmap.width) * static_cast<size_t>(bitmap.height);
  if (bitmap.pixels.size() != count) return {};
  QRgb colors[256];
  for (size_t i = 0; i < std::size(colors); ++i) {
    const unsigned color = i < palette.size() ? palette[i] : 0;
    colors[i] = qRgb(RedOf(color), GreenOf(color), BlueOf(color));
  }
  QImage image(bitmap.width, bitmap.height, QImage::Format_RGB32);
  const unsigned char* index = bitmap.pixels.data();
  for (int y = 0; y < bitmap.height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < bitmap.width; ++x) line[x] = colors[*index++];
  }
  return image;
}

namespace {
// Qt's raster engine hands any blend of 96 or more spans to a pool of painting threads, and the
// bar's semi-transparent edge lines make a span of every pixel: a bar wider (or, upright, taller)
// than that starts the threads at the first paint and waits for them at every paint after. Its
// background is drawn in strips of fewer device pixels instead, which come out the same pixels.
class StripPaintedBarStyle : public QProxyStyle {
 public:
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override {
    if (element != CE_ToolBar) {
      QProxyStyle::drawControl(element, option, painter, widget);
      return;
    }
    constexpr int kDevicePixels = 64;
    constexpr int kFar = 1 << 20;  // the outer strips stay open, so no clip is added there
    const int strip = std::max(1, static_cast<int>(kDevicePixels / painter->device()->devicePixelRatio()));
    const QRect area = option->rect;
    const bool across = area.width() >= area.height();
    const int first = across ? area.left() : area.top();
    const int last = across ? area.right() : area.bottom();
    for (int at = first; at <= last; at += strip) {
      const int from = at == first ? -kFar : at;
      const int to = at + strip > last ? kFar : at + strip - 1;
      painter->save();
      painter->setClipRect(across ? QRect(QPoint(from, -kFar), QPoint(to, kFar))
                                  : QRect(QPoint(-kFar, from), QPoint(kFar, to)),
                           Qt::IntersectClip);
      QProxyStyle::drawControl(element, option, painter, widget);
      painter->restore();
    }
  }
};

// The picture drawn anew at scale times its pixels, for screens scaled 150% and more: the same
// raised grey button, with its label in a bold face rasterised at the screen's resolution
// instead of the little pixel font enlarged.
QPixmap SharpPicture(QSize size, const QString& label, int scale) {
  QImage image(size * scale, QImage::Format_RGB32);
  image.fill(QColor(192, 192, 192));
  QPainter painter(&image);
  const int w = image.width();
  const int h = image.height();
  painter.fillRect(0, 0, w, scale, Qt::white);
  painter.fillRect(0, 0, scale, h, Qt::white);
  painter.fillRect(scale, h - 2 * scale, w - scale, scale, QColor(128, 128, 128));
  painter.fillRect(w - 2 * scale, scale, scale, h - 2 * scale, QColor(128, 128, 128));
  painter.fillRect(scale, h - scale, w - scale, scale, Qt::black);
  painter.fillRect(w - scale, 0, scale, h, Qt::black);
  QFont font(QStringLiteral("sans-serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setBold(true);
  font.setPixelSize(10 * scale);  // capitals about as tall as the pixel font's seven rows
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(QRect(0, 0, w - scale, h - scale), Qt::AlignCenter, label);
  painter.end();
  QPixmap pixmap = QPixmap::fromImage(image);
  pixmap.setDevicePixelRatio(scale);
  return pixmap;
}
}  // namespace

QtToolBar::QtToolBar(QMainWindow& frame, std::function<void(int)> command)
    : frame_(frame), command_(std::move(command)), bar_(new QToolBar(&frame)) {
  bar_->setObjectName(QStringLiteral("hintButtons"));
  auto* style = new StripPaintedBarStyle;
  style->setParent(bar_);
  bar_->setStyle(style);
  bar_->setMovable(false);
  bar_->setFloatable(false);
  bar_->toggleViewAction()->setVisible(false);
  bar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
  frame_.addToolBar(Qt::BottomToolBarArea, bar_);
  bar_->show();
}

void QtToolBar::Set(const std::vector<TToolItem>& items) {
  bar_->clear();
  // The bar hands its icon size to its buttons: make it the size of the largest picture.
  std::vector<QImage> pictures;
  QSize iconSize(0, 0);
  for (const TToolItem& item : items) {
    pictures.push_back(item.gap > 0 ? QImage() : ImageOfBitmap(HintBitmap(item.bitmap), BitmapPalette()));
    iconSize = iconSize.expandedTo(pictures.back().size());
  }
  if (!iconSize.isEmpty()) bar_->setIconSize(iconSize);
  // Six pictures and two gaps must fit the default 560-pixel frame: no extra spacing.
  bar_->setContentsMargins(0, 0, 0, 0);
  if (bar_->layout()) bar_->layout()->setSpacing(1);
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i].gap > 0) {
      auto* gap = new QWidget(bar_);
      gap->setFixedSize(items[i].gap, items[i].gap);
      bar_->addWidget(gap);
    } else {
      bar_->addWidget(MakeButton(items[i], pictures[i]));
    }
  }
}

QToolButton* QtToolBar::MakeButton(const TToolItem& item, const QImage& picture) {
  auto* button = new QToolButton(bar_);
  button->setText(ToQt(item.label));
  button->setToolTip(StripMnemonics(ToQt(item.label)));
  // Like picture buttons elsewhere, they never take the keyboard focus from the puzzle.
  button->setFocusPolicy(Qt::NoFocus);
  button->setAutoRaise(true);
  if (!picture.isNull()) {
    // The picture is drawn as a button already: the tool button adds only a thin edge.
    // Sharper pictures for scaled screens are drawn when such a screen first asks for them.
    const QString label = StripMnemonics(ToQt(item.label));
    const QSize base = picture.size();
    button->setIcon(DrawnIcon(
        [picture, label](QSize size) {
          const int scale = std::clamp((size.width() + picture.width() / 2) / picture.width(), 1, 3);
          return scale == 1 ? QPixmap::fromImage(picture) : SharpPicture(picture.size(), label, scale);
        },
        {base, base * 2, base * 3}));
    button->setIconSize(picture.size());
    button->setFixedSize(picture.size() + QSize(2, 2));
  }
  const int id = item.command;
  QObject::connect(button, &QToolButton::clicked, bar_, [this, id] {
    if (command_) CallGame([&] { command_(id); });
  });
  return button;
}

void QtToolBar::Place(TEdge edge, bool vertical) {
  Qt::ToolBarArea area = Qt::BottomToolBarArea;
  switch (edge) {
    case TEdge::Top: area = Qt::TopToolBarArea; break;
    case TEdge::Bottom: area = Qt::BottomToolBarArea; break;
    case TEdge::Left: area = Qt::LeftToolBarArea; break;
    case TEdge::Right: area = Qt::RightToolBarArea; break;
  }
  const bool shown = !bar_->isHidden();
  frame_.addToolBar(area, bar_);
  bar_->setOrientation(vertical ? Qt::Vertical : Qt::Horizontal);
  bar_->setVisible(shown);
}

void QtToolBar::Show(bool show) { bar_->setVisible(show); }

bool QtToolBar::IsVisible() const { return !bar_->isHidden(); }
