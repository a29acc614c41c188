// FakeWindowPeer: the in-memory peer of a game window, holding everything the game set on it.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "framework/menu.h"
#include "framework/window.h"
#include "recording_dc.h"

class FakePlatform;

// The state is public so tests can read it (and set it to stage a situation); the game reaches
// it only through TWindowPeer. Get a window's peer with FakePlatform::Peer(window).
//
// Like the window system the game was written for, calls the game makes here are delivered back
// at once: Move calls the window's Size when the client size changed and Moved when the position
// changed; Show(Maximized) fills the work area; UpdateNow paints when an invalidation is pending.
// Nothing else calls into the game by itself: tests drive it with the FakePlatform helpers.
class FakeWindowPeer : public TWindowPeer {
 public:
  FakeWindowPeer(FakePlatform& platform, TWindow& window);
  ~FakeWindowPeer() override;

  // ---- TWindowPeer ----
  TRect ClientRect() const override { return {0, 0, clientSize.cx, clientSize.cy}; }
  TRect WindowRect() const override { return windowRect; }
  void Move(const TRect& rect) override;
  void Show(TShow how) override;
  bool IsVisible() const override { return visible; }
  bool IsIconic() const override { return iconic; }
  bool IsZoomed() const override { return zoomed; }
  void Invalidate(bool erase) override;
  void UpdateNow() override;
  void SetBackground(TColor color) override { background = color; }
  void SetTimer(int id, int milliseconds) override { timers[id] = milliseconds; }
  void KillTimer(int id) override { timers.erase(id); }
  std::unique_ptr<TDC> MeasuringDC() override;
  void SetVScroll(int range, int position) override;
  void SetFocus() override;
  void SetCaption(const std::string& text) override { caption = text; }
  void SetMenu(const std::vector<TMenuItem>& items) override;
  void CheckMenuItem(int id, bool check) override { checked[id] = check; }
  void EnableMenuItem(int id, bool enable) override { enabled[id] = enable; }
  void EnableTopMenu(int index, bool enable) override { topMenuEnabled[index] = enable; }
  bool HasMenu() const override { return hasMenu; }
  void SetToolBar(const std::vector<TToolItem>& items) override { toolBar = items; }
  void PlaceToolBar(TEdge where, bool isVertical) override;
  void ShowToolBar(bool show) override { toolBarVisible = show; }
  bool IsToolBarVisible() const override { return toolBarVisible; }
  void SetClient(TWindow* window) override { client = window; }

  // ---- Queries for tests ----
  TWindow& Window() const { return window_; }
  bool IsChecked(int id) const;          // false unless checked
  bool IsEnabled(int id) const;          // true unless disabled
  bool IsTopMenuEnabled(int index) const;
  bool HasTimer(int id) const { return timers.count(id) != 0; }
  void ResetCounts() { invalidateCount = 0; }

  // Paints now into a new recorder (also kept as lastPaint); clears the pending invalidation
  // before calling the window's Paint, so an Invalidate during the paint stays pending.
  RecordingDC PaintNow();
  // Sets the client size (and the window rectangle's size) and calls the window's Size.
  void ResizeClient(TSize size);

  // ---- State ----
  TSize clientSize;   // children start at 0 x 0; frames at 560 x 481
  TRect windowRect;   // outer rectangle; a frame's client is as large as it (no decorations)
  TRect normalRect;   // the rectangle to restore after Show(Maximized)
  bool visible = false;
  bool iconic = false;
  bool zoomed = false;

  int invalidateCount = 0;
  bool paintPending = false;  // invalidated since the last paint
  std::optional<RecordingDC> lastPaint;  // the most recent paint's drawing (UpdateNow or Paint)
  std::optional<TColor> background;

  std::map<int, int> timers;  // id -> period in ms
  int vScrollRange = 0;
  int vScrollPosition = 0;

  // Frames.
  std::string caption;
  bool hasMenu = false;
  std::vector<TMenuItem> menu;
  std::map<int, bool> checked;          // command id -> check mark, as last set
  std::map<int, bool> enabled;          // command id -> enabled, as last set
  std::map<int, bool> topMenuEnabled;   // top-level index -> enabled, as last set
  std::vector<TToolItem> toolBar;
  TEdge edge = TEdge::Top;
  bool vertical = false;
  bool toolBarVisible = false;
  TWindow* client = nullptr;

 private:
  friend class FakePlatform;
  FakePlatform* platform_;  // null once the platform is gone
  TWindow& window_;
};
