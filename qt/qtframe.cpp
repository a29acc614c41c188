// The frame window: a QMainWindow standing for the game's main frame.
#include "qt/qtframe.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QTimer>

#include <algorithm>

#include "qt/qtconvert.h"
#include "qt/qtdc.h"

QtFrameWidget::QtFrameWidget(TWindow& owner) : owner_(&owner) {
  setWindowIcon(ProgramIcon());
  setWindowTitle(QApplication::applicationDisplayName());
  // The main window's own pop-up lists tool bars to hide; the game owns that choice.
  setContextMenuPolicy(Qt::PreventContextMenu);
}

void QtFrameWidget::closeEvent(QCloseEvent* event) {
  bool close = true;
  if (owner_ && !QuitInProgress()) CallGame([&] { close = owner_->CanClose(); });
  if (close) {
    event->accept();
  } else {
    event->ignore();
  }
}

void QtFrameWidget::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  ApplyPendingOuter();
  if (owner_) CallGame([&] { owner_->Moved(); });
}

void QtFrameWidget::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  ApplyPendingOuter();
  if (!owner_ || !owner_->HasPeer()) return;
  const TRect client = owner_->Peer().ClientRect();
  CallGame([&] { owner_->Size({client.Width(), client.Height()}); });
}

void QtFrameWidget::MoveOuter(const QRect& outer) {
  const QSize frameExtra = frameGeometry().size() - geometry().size();
  move(outer.topLeft());
  resize(std::max(outer.width() - frameExtra.width(), 1), std::max(outer.height() - frameExtra.height(), 1));
  // Until the window system has framed the window its frame counts as nothing, so the rectangle
  // is set again when the frame shows; a frame that never shows (no window manager) is no frame.
  if (isVisible() && !frameExtra.isNull()) {
    pendingOuter_.reset();
  } else {
    pendingOuter_ = outer;
    pendingSince_.start();
  }
}

void QtFrameWidget::ApplyPendingOuter() {
  if (!pendingOuter_ || !isVisible() || isMaximized() || isMinimized()) return;
  if (pendingSince_.hasExpired(kFrameWaitMs)) return pendingOuter_.reset();
  if (frameGeometry().size() == geometry().size()) return;  // not framed yet
  const QRect outer = *pendingOuter_;
  pendingOuter_.reset();
  if (frameGeometry() != outer) MoveOuter(outer);
}

void QtFrameWidget::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!pendingOuter_) return;
  pendingSince_.start();
  QTimer::singleShot(0, this, [this] { ApplyPendingOuter(); });
}

void QtFrameWidget::keyPressEvent(QKeyEvent* event) {
  const int code = CharCodeOf(*event);
  if (code < 0 || !owner_) {
    QMainWindow::keyPressEvent(event);
    return;
  }
  CallGame([&] { owner_->Char(code); });
}

QtFramePeer::QtFramePeer(TWindow& owner)
    : owner_(owner), widget_(new QtFrameWidget(owner)), timers_(owner) {
  widget_->setAttribute(Qt::WA_DeleteOnClose, false);
}

QtFramePeer::~QtFramePeer() {
  menu_.reset();
  toolBar_.reset();
  if (widget_) {
    widget_->Detach();
    delete widget_.data();
  }
}

void QtFramePeer::SendCommand(int id) { owner_.Command(id); }

TRect QtFramePeer::ClientRect() const {
  if (!widget_) return {};
  int top = 0;
  if (QWidget* bar = widget_->menuWidget(); bar && !bar->isHidden()) top = bar->geometry().bottom() + 1;
  return {0, 0, widget_->width(), std::max(widget_->height() - top, 0)};
}

TRect QtFramePeer::WindowRect() const { return widget_ ? FromQRect(widget_->frameGeometry()) : TRect{}; }

void QtFramePeer::Move(const TRect& rect) {
  if (widget_) widget_->MoveOuter(ToQRect(rect));
}

void QtFramePeer::Show(TShow how) {
  if (!widget_) return;
  switch (how) {
    case TShow::Hide: widget_->hide(); break;
    case TShow::Normal: widget_->showNormal(); break;
    case TShow::Maximized: widget_->showMaximized(); break;
  }
}

bool QtFramePeer::IsVisible() const { return widget_ && widget_->isVisible(); }
bool QtFramePeer::IsIconic() const { return widget_ && widget_->isMinimized(); }
bool QtFramePeer::IsZoomed() const { return widget_ && widget_->isMaximized(); }

void QtFramePeer::Invalidate(bool) {
  if (widget_) widget_->update();
}

void QtFramePeer::UpdateNow() {
  if (widget_) widget_->repaint();
}

void QtFramePeer::SetBackground(TColor color) {
  if (!widget_) return;
  QPalette palette = widget_->palette();
  palette.setColor(QPalette::Window, ToQColor(color));
  widget_->setPalette(palette);
}

std::unique_ptr<TDC> QtFramePeer::MeasuringDC() { return std::make_unique<QtDC>(widget_.data(), nullptr); }

void QtFramePeer::SetFocus() {
  if (!widget_) return;
  widget_->activateWindow();
  widget_->setFocus();
}

void QtFramePeer::SetCaption(const std::string& caption) {
  if (widget_) widget_->setWindowTitle(ToQt(caption));
}

void QtFramePeer::SetMenu(const std::vector<TMenuItem>& menu) {
  if (!widget_) return;
  if (!menu_) menu_ = std::make_unique<QtMenuBar>(*widget_, [this](int id) { SendCommand(id); });
  menu_->Build(menu);
}

void QtFramePeer::CheckMenuItem(int id, bool checked) {
  if (menu_) menu_->Check(id, checked);
}

void QtFramePeer::EnableMenuItem(int id, bool enabled) {
  if (menu_) menu_->Enable(id, enabled);
}

void QtFramePeer::SetMenuItemText(int id, const std::string& text) {
  if (menu_) menu_->SetText(id, text);
}

void QtFramePeer::EnableTopMenu(int index, bool enabled) {
  if (menu_) menu_->EnableTop(index, enabled);
}

bool QtFramePeer::HasMenu() const { return menu_ && menu_->IsBuilt(); }

QtToolBar& QtFramePeer::EnsureToolBar() {
  if (!toolBar_) toolBar_ = std::make_unique<QtToolBar>(*widget_, [this](int id) { SendCommand(id); });
  return *toolBar_;
}

void QtFramePeer::SetToolBar(const std::vector<TToolItem>& items) {
  if (widget_) EnsureToolBar().Set(items);
}

void QtFramePeer::PlaceToolBar(TEdge edge, bool vertical) {
  if (widget_) EnsureToolBar().Place(edge, vertical);
}

void QtFramePeer::ShowToolBar(bool show) {
  if (widget_) EnsureToolBar().Show(show);
}

bool QtFramePeer::IsToolBarVisible() const { return toolBar_ && toolBar_->IsVisible(); }

void QtFramePeer::SetClient(TWindow* client) {
  if (!widget_) return;
  if (client && !client->HasPeer()) client->Create();
  QWidget* clientWidget = WidgetOf(client);
  if (clientWidget == widget_->centralWidget()) return;
  // The frame must not delete the old client's widget: its own peer does that.
  if (QWidget* old = widget_->takeCentralWidget()) {
    old->hide();
    old->setParent(nullptr);
  }
  if (!clientWidget) return;
  widget_->setCentralWidget(clientWidget);
  clientWidget->show();
  clientWidget->setFocus();
}
