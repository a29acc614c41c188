// Window peers: the widgets behind game windows, forwarding Qt's events to the TWindow handlers.
#pragma once

#include <QPointer>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>

#include <map>
#include <memory>

#include "framework/window.h"

class QKeyEvent;

// Every peer the Qt back end makes. Widget is what the game window's parent places; ClientWidget
// is where the window's own child windows live.
class QtPeer : public TWindowPeer {
 public:
  virtual QWidget* Widget() const = 0;
  virtual QWidget* ClientWidget() const = 0;
};

// The character a key press types, as the game receives it: Backspace 8, Tab 9, Enter 13,
// Escape 27, the arrows, Home, End and Shift+Tab as kKeyLeft..kKeyBackTab, otherwise the Latin-1
// character typed (Shift gives capitals). -1 for keys that type nothing the game can take:
// function keys, characters beyond Latin-1, and anything typed with Alt held (that belongs to
// menus and accelerators).
int CharCodeOf(const QKeyEvent& event);
// kModShift, kModControl and kModAlt from Qt's modifier flags.
unsigned ModifiersOf(Qt::KeyboardModifiers modifiers);

// Repeating timers of one window, by the game's id; each tick calls TWindow::Timer(id).
class QtTimers {
 public:
  explicit QtTimers(TWindow& owner) : owner_(owner) {}
  void Set(int id, int milliseconds);  // setting an existing id restarts it
  void Kill(int id);

 private:
  TWindow& owner_;
  std::map<int, std::unique_ptr<QTimer>> timers_;
};

// The client area of a game window: paints, keys and mouse presses go to its TWindow. It takes
// the keyboard focus only when the game gives it (SetFocus, or a frame's SetClient).
// Invalidate(false) repaints without filling the background first; every other paint (including
// those the window system asks for) fills it with the background colour before Paint runs.
class QtCanvas : public QWidget {
 public:
  QtCanvas(TWindow& owner, QWidget* parent);
  void Detach() { owner_ = nullptr; }
  void SetBackground(QColor color) { background_ = color; }
  void Invalidate(bool erase);
  void UpdateNow();
  // Where wheel turns go (the window's scroll bar), or null.
  void SetWheelTarget(QWidget* target) { wheelTarget_ = target; }

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  TWindow* owner_;
  QColor background_;
  bool eraseWanted_ = false;
  bool plainWanted_ = false;
  QPointer<QWidget> wheelTarget_;
};

// A child window: the canvas and, while the game sets a scroll range other than 0, a vertical
// scroll bar at its right edge (outside the client area, as on other window systems).
class QtChildWidget : public QWidget {
 public:
  QtChildWidget(TWindow& owner, QWidget* parent);
  QtCanvas* Canvas() const { return canvas_; }
  void Detach();
  void SetVScroll(int range, int position);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Layout();

  TWindow* owner_;
  QtCanvas* canvas_;
  QScrollBar* vbar_;
  bool settingScroll_ = false;
};

// The peer of a child window, placed in its parent's client area (or parentless until a frame
// takes it as its client). Frame-only calls do nothing.
class QtChildPeer : public QtPeer {
 public:
  QtChildPeer(TWindow& owner, QWidget* parent);
  ~QtChildPeer() override;

  QWidget* Widget() const override { return widget_; }
  QWidget* ClientWidget() const override;

  TRect ClientRect() const override;
  TRect WindowRect() const override;
  void Move(const TRect& rect) override;
  void Show(TShow how) override;
  bool IsVisible() const override;
  bool IsIconic() const override { return false; }
  bool IsZoomed() const override { return false; }
  void Invalidate(bool erase) override;
  void UpdateNow() override;
  void SetBackground(TColor color) override;
  void SetTimer(int id, int milliseconds) override { timers_.Set(id, milliseconds); }
  void KillTimer(int id) override { timers_.Kill(id); }
  std::unique_ptr<TDC> MeasuringDC() override;
  void SetVScroll(int range, int position) override;
  void SetFocus() override;
  void SetMinClientSize(TSize size) override;
  void GrowClientTo(TSize size) override;

 private:
  QPointer<QtChildWidget> widget_;
  QtTimers timers_;
};
