// Conversions between framework values and Qt's, and the small shared pieces of the Qt back end.
#include "qt/qtconvert.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <map>

#include "framework/window.h"
#include "qt/qtwindow.h"

QString ToQt(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string FromQt(const QString& text) {
  std::string out;
  out.reserve(static_cast<size_t>(text.size()));
  for (QChar c : text) out.push_back(c.unicode() <= 0xFF ? static_cast<char>(c.unicode()) : '?');
  return out;
}

QString PathToQt(const std::string& path) {
  return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

std::string PathFromQt(const QString& path) {
  QByteArray bytes = QFile::encodeName(path);
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

QString StripMnemonics(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('&')) {
      if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&')) out += text[++i];
      continue;
    }
    out += text[i];
  }
  return out;
}

QWidget* WidgetOf(const TWindow* window) {
  if (!window || !window->HasPeer()) return nullptr;
  auto* peer = dynamic_cast<const QtPeer*>(&window->Peer());
  return peer ? peer->Widget() : nullptr;
}

QWidget* OwnerWidget(const TWindow* window) {
  if (QWidget* widget = WidgetOf(window)) return widget->window();
  return QApplication::activeWindow();
}

namespace {
bool quitInProgress = false;
}  // namespace

bool QuitInProgress() { return quitInProgress; }
void SetQuitInProgress(bool quitting) { quitInProgress = quitting; }

namespace {
QPixmap DrawIcon(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF square(0.5, 0.5, size - 1.0, size - 1.0);
  painter.setPen(QPen(QColor(120, 90, 40), size / 16.0 + 0.5));
  painter.setBrush(QColor(240, 224, 176));
  painter.drawRoundedRect(square, size / 8.0, size / 8.0);
  QFont font(QStringLiteral("serif"));
  font.setStyleHint(QFont::Serif);
  font.setBold(true);
  font.setPixelSize(size * 3 / 4);
  painter.setFont(font);
  painter.setPen(QColor(60, 40, 20));
  painter.drawText(square, Qt::AlignCenter, QStringLiteral("Q"));
  return pixmap;
}

// Draws each size of an icon only when it is asked for, once: drawing every size up front costs
// fonts and rasterising before the first paint, which shows none of them.
class DrawnIconEngine : public QIconEngine {
 public:
  DrawnIconEngine(std::function<QPixmap(QSize)> draw, QList<QSize> sizes)
      : draw_(std::move(draw)), sizes_(std::move(sizes)) {}
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    painter->drawPixmap(rect, pixmap(rect.size() * painter->device()->devicePixelRatio(), mode, state));
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
    const std::pair key(size.width(), size.height());
    auto found = drawn_.find(key);
    if (found == drawn_.end()) found = drawn_.emplace(key, draw_(size)).first;
    return found->second;
  }
  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return sizes_; }
  QIconEngine* clone() const override { return new DrawnIconEngine(draw_, sizes_); }

 private:
  std::function<QPixmap(QSize)> draw_;
  QList<QSize> sizes_;
  std::map<std::pair<int, int>, QPixmap> drawn_;
};
}  // namespace

QIcon DrawnIcon(std::function<QPixmap(QSize)> draw, QList<QSize> sizes) {
  return QIcon(new DrawnIconEngine(std::move(draw), std::move(sizes)));
}

QIcon ProgramIcon() {
  const QIcon icon = QApplication::windowIcon();
  if (!icon.isNull() && !icon.availableSizes().isEmpty()) return icon;
  return DrawnIcon([](QSize size) { return DrawIcon(std::max(1, std::min(size.width(), size.height()))); },
                   {{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}});
}
