// Template controls as Qt widgets.
#include "qt/qtcontrols.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

#include "qt/qtconvert.h"
#include "qt/qtdc.h"

DialogUnits::DialogUnits(const QFont& font) {
  const QFontMetricsF metrics(font);
  // The average over the alphabet, as dialog base units are usually measured.
  static const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  charWidth_ = metrics.horizontalAdvance(alphabet) / alphabet.size();
  charHeight_ = metrics.height();
}

int DialogUnits::X(int units) const { return static_cast<int>(std::lround(units * charWidth_ / 4.0)); }
int DialogUnits::Y(int units) const { return static_cast<int>(std::lround(units * charHeight_ / 8.0)); }

QRect DialogUnits::ToPixels(const TRect& rect) const {
  const int left = X(rect.left);
  const int top = Y(rect.top);
  return QRect(left, top, X(rect.right) - left, Y(rect.bottom) - top);
}

QSize DialogUnits::ToPixels(const TSize& size) const { return QSize(X(size.cx), Y(size.cy)); }

void QtOwnerDrawn::paintEvent(QPaintEvent*) {
  if (!draw_) return;
  QPainter painter(this);
  QtDC dc(this, &painter);
  const TRect rect{0, 0, width(), height()};
  CallGame([&] { draw_(dc, rect); });
}

namespace {
// Radio buttons and check boxes answer a click anywhere in their rectangle, not only on the
// indicator and the text.
template <class Button>
class WholeAreaButton : public Button {
 public:
  WholeAreaButton(const QString& text, QWidget* parent) : Button(text, parent) {}

 protected:
  bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }
};

QLabel* MakeLabel(const QString& text, Qt::Alignment alignment, QWidget* parent) {
  auto* label = new QLabel(StripMnemonics(text), parent);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(alignment | Qt::AlignTop);
  return label;
}

QPushButton* MakeButton(const QString& text, bool isDefault, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setAutoDefault(false);
  button->setDefault(isDefault);
  return button;
}

QListWidget* MakeList(QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  // Every item is one line in the list's font: the view need not measure thousands of them.
  list->setUniformItemSizes(true);
  return list;
}
}  // namespace

QWidget* MakeControl(TControlKind kind, const QString& text, QWidget* parent, QtOwnerDrawn::Drawer drawItem) {
  switch (kind) {
    case TControlKind::Static: return MakeLabel(text, Qt::AlignLeft, parent);
    case TControlKind::CenteredStatic: return MakeLabel(text, Qt::AlignHCenter, parent);
    case TControlKind::OwnerDrawStatic: return new QtOwnerDrawn(std::move(drawItem), parent);
    case TControlKind::Icon: {
      auto* icon = new QLabel(parent);
      icon->setPixmap(ProgramIcon().pixmap(32, 32));
      icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return icon;
    }
    case TControlKind::Frame: {
      auto* frame = new QFrame(parent);
      frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
      return frame;
    }
    case TControlKind::Button: return MakeButton(text, false, parent);
    case TControlKind::DefaultButton: return MakeButton(text, true, parent);
    case TControlKind::Edit:
    case TControlKind::CenteredEdit: {
      auto* edit = new QLineEdit(text, parent);
      if (kind == TControlKind::CenteredEdit) edit->setAlignment(Qt::AlignCenter);
      return edit;
    }
    case TControlKind::GroupBox: return new QGroupBox(text, parent);
    case TControlKind::Radio: {
      auto* radio = new WholeAreaButton<QRadioButton>(text, parent);
      radio->setAutoExclusive(false);
      return radio;
    }
    case TControlKind::Check: return new WholeAreaButton<QCheckBox>(text, parent);
    case TControlKind::ListBox:
    case TControlKind::SortedListBox: return MakeList(parent);
    case TControlKind::DropDownList: {
      auto* combo = new QComboBox(parent);
      combo->setEditable(false);
      return combo;
    }
  }
  return MakeLabel(text, Qt::AlignLeft, parent);
}

QRect ControlGeometry(TControlKind kind, QWidget* control, const QRect& rect) {
  if (kind != TControlKind::DropDownList) return rect;
  return QRect(rect.topLeft(), QSize(rect.width(), std::min(rect.height(), control->sizeHint().height())));
}
