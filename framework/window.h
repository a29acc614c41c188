// TWindow: a game window whose real counterpart (its peer) is made by the platform back end.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/dc.h"
#include "framework/types.h"

struct TMenuItem;
struct TToolItem;

enum class TShow { Hide, Normal, Maximized };

// Where a frame holds its tool bar.
enum class TEdge { Top = 1, Bottom = 2, Left = 3, Right = 4 };

// The back end's side of one window. The game never sees the widget behind it.
// Child windows are placed in their parent's client coordinates; a frame's rectangles are its
// outer rectangle in screen coordinates.
class TWindowPeer {
 public:
  virtual ~TWindowPeer() = default;

  virtual TRect ClientRect() const = 0;  // (0, 0, width, height)
  virtual TRect WindowRect() const = 0;  // outer rectangle, screen coordinates
  virtual void Move(const TRect& rect) = 0;
  virtual void Show(TShow how) = 0;
  virtual bool IsVisible() const = 0;
  virtual bool IsIconic() const = 0;  // minimised
  virtual bool IsZoomed() const = 0;  // maximised

  // Invalidate asks for a paint later; erase fills the background first. UpdateNow paints at once.
  virtual void Invalidate(bool erase) = 0;
  virtual void UpdateNow() = 0;
  virtual void SetBackground(TColor color) = 0;

  // A repeating timer delivered to TWindow::Timer with its id.
  virtual void SetTimer(int id, int milliseconds) = 0;
  virtual void KillTimer(int id) = 0;

  // A device context for measuring text outside a paint (fonts, extents).
  virtual std::unique_ptr<TDC> MeasuringDC() = 0;

  // Vertical scrolling in whole units: range 0 hides the bar; position 0..range.
  virtual void SetVScroll(int range, int position) = 0;

  virtual void SetFocus() = 0;

  // The smallest client size the window may be given (a frame's client makes the frame keep room
  // for it); a smaller window grows to it. GrowClientTo grows the window, and the frame holding
  // it, until its client is at least size, as far as the screen allows. Neither ever shrinks it.
  virtual void SetMinClientSize(TSize size) { (void)size; }
  virtual void GrowClientTo(TSize size) { (void)size; }
};

// The frame-only side of a frame window's peer: caption, menu, tool bar and client window. The
// platform makes the peer of every frame (TWindow::IsFrame) implement it beside TWindowPeer;
// TFrameWindow::FramePeer reaches it.
class TFramePeer {
 public:
  virtual ~TFramePeer() = default;

  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetMenu(const std::vector<TMenuItem>& menu) = 0;
  virtual void CheckMenuItem(int id, bool checked) = 0;
  virtual void EnableMenuItem(int id, bool enabled) = 0;
  virtual void EnableTopMenu(int index, bool enabled) = 0;  // greys a whole top-level menu
  // Replaces a menu item's text ('&' marks its mnemonic); its accelerator stays.
  virtual void SetMenuItemText(int id, const std::string& text) { (void)id; (void)text; }
  virtual bool HasMenu() const = 0;
  virtual void SetToolBar(const std::vector<TToolItem>& items) = 0;
  virtual void PlaceToolBar(TEdge edge, bool vertical) = 0;
  virtual void ShowToolBar(bool show) = 0;
  virtual bool IsToolBarVisible() const = 0;
  virtual void SetClient(class TWindow* client) = 0;
};

// Base of every game window. The platform creates the peer in Create(); until then the window
// has no peer and must not be asked for one. Handlers are called by the back end (or the fake)
// on the user-interface thread, one at a time.
class TWindow {
 public:
  explicit TWindow(TWindow* parent) : parent_(parent) {}
  virtual ~TWindow();
  TWindow(const TWindow&) = delete;
  TWindow& operator=(const TWindow&) = delete;

  // Asks the platform for the peer; frame windows are top-level, others children of parent.
  void Create();
  bool HasPeer() const { return peer_ != nullptr; }
  TWindowPeer& Peer() { return *peer_; }
  const TWindowPeer& Peer() const { return *peer_; }
  TWindow* Parent() const { return parent_; }
  virtual bool IsFrame() const { return false; }
  virtual bool WantsVScroll() const { return false; }

  // Convenience calls on the peer.
  void Invalidate(bool erase = true) { if (peer_) peer_->Invalidate(erase); }
  void UpdateNow() { if (peer_) peer_->UpdateNow(); }
  TRect ClientRect() const { return peer_ ? peer_->ClientRect() : TRect{}; }

  // Handlers.
  virtual void Paint(TDC& dc) { (void)dc; }
  virtual void Char(int ch) { (void)ch; }
  virtual void LButtonDown(TPoint point, unsigned modifiers) { (void)point; (void)modifiers; }
  virtual void RButtonDown(TPoint point, unsigned modifiers) { (void)point; (void)modifiers; }
  virtual void Timer(int id) { (void)id; }
  virtual void Size(TSize clientSize) { (void)clientSize; }
  virtual void Moved() {}
  virtual void VScroll(int position) { (void)position; }
  virtual void Command(int id) { (void)id; }
  // The close box: true lets the window close.
  virtual bool CanClose() { return true; }

 private:
  TWindow* parent_;
  std::unique_ptr<TWindowPeer> peer_;
};

// A frame window: top-level, with a caption, a menu, a tool bar and a client window.
class TFrameWindow : public TWindow {
 public:
  TFrameWindow() : TWindow(nullptr) {}
  bool IsFrame() const override { return true; }
  // The frame side of the peer; like Peer(), only once the window has one.
  TFramePeer& FramePeer();
};
