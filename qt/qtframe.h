// The frame window's peer: a QMainWindow with caption, icon, menu bar, tool bar and client.
#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>

#include <memory>
#include <optional>

#include "qt/qtmenu.h"
#include "qt/qttoolbar.h"
#include "qt/qtwindow.h"

// The main window widget. The close box asks TWindow::CanClose; moves call Moved, resizes Size
// (the area below the menu bar), and keys typed while no child has the focus go to Char.
class QtFrameWidget : public QMainWindow {
 public:
  explicit QtFrameWidget(TWindow& owner);
  void Detach() { owner_ = nullptr; }
  // Places the outer rectangle, frame included. The window system frames a window some time
  // after it is first shown, so a rectangle set before its frame is known is set again once the
  // frame is there (waiting at most kFrameWaitMs after the show).
  void MoveOuter(const QRect& outer);
  static constexpr int kFrameWaitMs = 5000;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void ApplyPendingOuter();

  TWindow* owner_;
  std::optional<QRect> pendingOuter_;
  QElapsedTimer pendingSince_;
};

// The peer of a frame window. Rectangles are the outer frame in screen coordinates; the client
// rectangle is the area below the menu bar. Menu, accelerator and tool-bar commands go to
// TWindow::Command. The client window set by SetClient fills the area the tool bar leaves.
class QtFramePeer : public QtPeer, public TFramePeer {
 public:
  explicit QtFramePeer(TWindow& owner);
  ~QtFramePeer() override;

  QWidget* Widget() const override { return widget_; }
  QWidget* ClientWidget() const override { return widget_; }
  QtMenuBar* Menu() const { return menu_.get(); }
  QtToolBar* ToolBar() const { return toolBar_.get(); }

  TRect ClientRect() const override;
  TRect WindowRect() const override;
  void Move(const TRect& rect) override;
  void Show(TShow how) override;
  bool IsVisible() const override;
  bool IsIconic() const override;
  bool IsZoomed() const override;
  void Invalidate(bool erase) override;
  void UpdateNow() override;
  void SetBackground(TColor color) override;
  void SetTimer(int id, int milliseconds) override { timers_.Set(id, milliseconds); }
  void KillTimer(int id) override { timers_.Kill(id); }
  std::unique_ptr<TDC> MeasuringDC() override;
  void SetVScroll(int, int) override {}
  void SetFocus() override;

  void SetCaption(const std::string& caption) override;
  void SetMenu(const std::vector<TMenuItem>& menu) override;
  void CheckMenuItem(int id, bool checked) override;
  void EnableMenuItem(int id, bool enabled) override;
  void SetMenuItemText(int id, const std::string& text) override;
  void EnableTopMenu(int index, bool enabled) override;
  bool HasMenu() const override;
  void SetToolBar(const std::vector<TToolItem>& items) override;
  void PlaceToolBar(TEdge edge, bool vertical) override;
  void ShowToolBar(bool show) override;
  bool IsToolBarVisible() const override;
  void SetClient(TWindow* client) override;

 private:
  QtToolBar& EnsureToolBar();
  void SendCommand(int id);

  TWindow& owner_;
  QPointer<QtFrameWidget> widget_;
  std::unique_ptr<QtMenuBar> menu_;
  std::unique_ptr<QtToolBar> toolBar_;
  QtTimers timers_;
};
