// Child-window peers: canvas painting, keys, mouse, timers and the vertical scroll bar.
#include "qt/qtwindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <QWheelEvent>

#include <algorithm>

#include "qt/qtconvert.h"
#include "qt/qtdc.h"

int CharCodeOf(const QKeyEvent& event) {
  if (event.modifiers() & Qt::AltModifier) return -1;
  switch (event.key()) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return event.modifiers() & Qt::ShiftModifier ? kKeyBackTab : 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Left: return kKeyLeft;
    case Qt::Key_Right: return kKeyRight;
    case Qt::Key_Up: return kKeyUp;
    case Qt::Key_Down: return kKeyDown;
    case Qt::Key_Home: return kKeyHome;
    case Qt::Key_End: return kKeyEnd;
    case Qt::Key_Backtab: return kKeyBackTab;
    default: break;
  }
  const QString text = event.text();
  if (text.size() != 1) return -1;
  const char16_t code = text[0].unicode();
  if (code > 0xFF || code == 0x7F) return -1;
  return code;
}

unsigned ModifiersOf(Qt::KeyboardModifiers modifiers) {
  unsigned result = 0;
  if (modifiers & Qt::ShiftModifier) result |= kModShift;
  if (modifiers & Qt::ControlModifier) result |= kModControl;
  if (modifiers & Qt::AltModifier) result |= kModAlt;
  return result;
}

void QtTimers::Set(int id, int milliseconds) {
  std::unique_ptr<QTimer>& timer = timers_[id];
  if (!timer) {
    timer = std::make_unique<QTimer>();
    QObject::connect(timer.get(), &QTimer::timeout, [this, id] { CallGame([&] { owner_.Timer(id); }); });
  }
  timer->start(std::max(milliseconds, 1));
}

// Stopped, not deleted: a window may kill a timer from inside that timer's own tick.
void QtTimers::Kill(int id) {
  auto found = timers_.find(id);
  if (found != timers_.end()) found->second->stop();
}

QtCanvas::QtCanvas(TWindow& owner, QWidget* parent)
    : QWidget(parent), owner_(&owner), background_(palette().color(QPalette::Base)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  // Clicks do not move the keyboard focus between game windows: only SetFocus (and a frame
  // taking its client) does, so typing keeps going where the game sent it.
  setFocusPolicy(Qt::NoFocus);
}

void QtCanvas::Invalidate(bool erase) {
  (erase ? eraseWanted_ : plainWanted_) = true;
  update();
}

void QtCanvas::UpdateNow() {
  if (eraseWanted_ || plainWanted_) repaint();
}

bool QtCanvas::event(QEvent* event) {
  // Tab and Shift+Tab are keys for the game, not moves of the focus to another widget.
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    if (tab && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
      keyPressEvent(key);
      return true;
    }
  }
  return QWidget::event(event);
}

void QtCanvas::paintEvent(QPaintEvent* event) {
  const bool erase = eraseWanted_ || !plainWanted_;
  eraseWanted_ = plainWanted_ = false;
  QPainter painter(this);
  if (erase) painter.fillRect(event->rect(), background_);
  if (!owner_) return;
  QtDC dc(this, &painter);
  CallGame([&] { owner_->Paint(dc); });
}

void QtCanvas::keyPressEvent(QKeyEvent* event) {
  const int code = CharCodeOf(*event);
  if (code < 0 || !owner_) {
    QWidget::keyPressEvent(event);
    return;
  }
  CallGame([&] { owner_->Char(code); });
}

void QtCanvas::mousePressEvent(QMouseEvent* event) {
  if (!owner_) return;
  const QPoint at = event->position().toPoint();
  const TPoint point{at.x(), at.y()};
  const unsigned modifiers = ModifiersOf(event->modifiers());
  if (event->button() == Qt::LeftButton) {
    CallGame([&] { owner_->LButtonDown(point, modifiers); });
  } else if (event->button() == Qt::RightButton) {
    CallGame([&] { owner_->RButtonDown(point, modifiers); });
  }
}

void QtCanvas::resizeEvent(QResizeEvent* event) {
  if (!owner_) return;
  const TSize size{event->size().width(), event->size().height()};
  CallGame([&] { owner_->Size(size); });
}

void QtCanvas::wheelEvent(QWheelEvent* event) {
  if (wheelTarget_ && wheelTarget_->isVisible()) {
    QApplication::sendEvent(wheelTarget_, event);
  } else {
    event->ignore();
  }
}

QtChildWidget::QtChildWidget(TWindow& owner, QWidget* parent)
    : QWidget(parent), owner_(&owner), canvas_(new QtCanvas(owner, this)),
      vbar_(new QScrollBar(Qt::Vertical, this)) {
  setFocusProxy(canvas_);
  vbar_->setRange(0, 0);
  vbar_->setPageStep(1);
  vbar_->setFocusPolicy(Qt::NoFocus);
  vbar_->hide();
  canvas_->SetWheelTarget(vbar_);
  QObject::connect(vbar_, &QScrollBar::valueChanged, this, [this](int position) {
    if (settingScroll_ || !owner_) return;
    CallGame([&] { owner_->VScroll(position); });
  });
  Layout();
}

void QtChildWidget::Detach() {
  owner_ = nullptr;
  canvas_->Detach();
}

void QtChildWidget::SetVScroll(int range, int position) {
  range = std::max(range, 0);
  settingScroll_ = true;
  vbar_->setRange(0, range);
  vbar_->setValue(std::clamp(position, 0, range));
  settingScroll_ = false;
  const bool show = range != 0;
  if (show != !vbar_->isHidden()) {
    vbar_->setVisible(show);
    Layout();
  }
}

void QtChildWidget::resizeEvent(QResizeEvent*) { Layout(); }

void QtChildWidget::Layout() {
  const int barWidth = vbar_->isHidden() ? 0 : vbar_->sizeHint().width();
  const int clientWidth = std::max(width() - barWidth, 0);
  canvas_->setGeometry(0, 0, clientWidth, height());
  vbar_->setGeometry(clientWidth, 0, barWidth, height());
}

QtChildPeer::QtChildPeer(TWindow& owner, QWidget* parent)
    : widget_(new QtChildWidget(owner, parent)), timers_(owner) {
  if (parent) widget_->show();
}

QtChildPeer::~QtChildPeer() {
  if (widget_) {
    widget_->Detach();
    delete widget_.data();
  }
}

QWidget* QtChildPeer::ClientWidget() const { return widget_ ? widget_->Canvas() : nullptr; }

TRect QtChildPeer::ClientRect() const {
  if (!widget_) return {};
  return {0, 0, widget_->Canvas()->width(), widget_->Canvas()->height()};
}

TRect QtChildPeer::WindowRect() const {
  if (!widget_) return {};
  return FromQRect(QRect(widget_->mapToGlobal(QPoint(0, 0)), widget_->size()));
}

void QtChildPeer::Move(const TRect& rect) {
  if (widget_) widget_->setGeometry(ToQRect(rect));
}

void QtChildPeer::Show(TShow how) {
  if (widget_) widget_->setVisible(how != TShow::Hide);
}

bool QtChildPeer::IsVisible() const { return widget_ && widget_->isVisible(); }

void QtChildPeer::Invalidate(bool erase) {
  if (widget_) widget_->Canvas()->Invalidate(erase);
}

void QtChildPeer::UpdateNow() {
  if (widget_) widget_->Canvas()->UpdateNow();
}

void QtChildPeer::SetBackground(TColor color) {
  if (widget_) widget_->Canvas()->SetBackground(ToQColor(color));
}

std::unique_ptr<TDC> QtChildPeer::MeasuringDC() {
  return std::make_unique<QtDC>(widget_ ? widget_->Canvas() : nullptr, nullptr);
}

void QtChildPeer::SetVScroll(int range, int position) {
  if (widget_) widget_->SetVScroll(range, position);
}

namespace {
// What the screen leaves for window's widget inner once the window's frame, menu and bars are
// taken off: a limit for its minimum and growth.
QSize RoomOnScreen(const QWidget& inner) {
  const QWidget* window = inner.window();
  const QScreen* screen = window->screen();
  if (!screen) return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
  const QSize around = window->frameGeometry().size() - inner.size();
  return (screen->availableGeometry().size() - around).expandedTo({1, 1});
}
}  // namespace

void QtChildPeer::SetMinClientSize(TSize size) {
  if (!widget_) return;
  widget_->setMinimumSize(QSize(std::max(size.cx, 0), std::max(size.cy, 0)).boundedTo(RoomOnScreen(*widget_)));
}

void QtChildPeer::GrowClientTo(TSize size) {
  if (!widget_) return;
  QWidget* window = widget_->window();
  // A minimum just set is still pending in the window's layout; settle it so both sizes agree.
  if (QLayout* layout = window->layout()) layout->activate();
  const QSize wanted = QSize(size.cx, size.cy).boundedTo(RoomOnScreen(*widget_));
  const QSize deficit = (wanted - widget_->size()).expandedTo({0, 0});
  if (deficit.isNull() || window->isMaximized() || window->isFullScreen()) return;
  window->resize(window->size() + deficit);
}

void QtChildPeer::SetFocus() {
  if (widget_) widget_->Canvas()->setFocus();
}
