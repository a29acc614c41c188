// FakeWindowPeer: the in-memory peer of a game window, holding everything the game set on it.
#pragma once

#include <map>

#include "framework/menu.h"
#include "framework/window.h"
#include "recording_dc.h"

class FakePlatform;

// The state is public so tests can read it (and stage situations); the game reaches it only
// through TWindowPeer. As on the window system the game was written for, Move calls Size when
// the client size changed and Moved when the position did; Show(Maximized) fills the work area;
// UpdateNow paints a pending invalidation. Nothing else calls into the game by itself.
class FakeWindowPeer : public TWindowPeer, public TFramePeer {
 public:
  FakeWindowPeer(FakePlatform& platform, TWindow& window);
  ~FakeWindowPeer() override;

  TRect ClientRect() const override { return {0, 0, clientSize.cx, clientSize.cy}; }
  TRect WindowRect() const override { return windowRect; }
  void Move(const TRect& rect) override;
  void Show(TShow how) override;
  bool IsVisible() const override { return visible; }
  bool IsIconic() const override { return false; }  // nothing minimises a fake window
  bool IsZoomed() const override { return zoomed; }
  void Invalidate(bool) override { ++invalidateCount; paintPending = true; }
  void UpdateNow() override { if (paintPending) PaintNow(); }
  void SetBackground(TColor color) override { background = color; }
  void SetTimer(int id, int milliseconds) override { timers[id] = milliseconds; }
  void KillTimer(int id) override { timers.erase(id); }
  std::unique_ptr<TDC> MeasuringDC() override { return std::make_unique<RecordingDC>(); }
  void SetVScroll(int range, int) override { vScrollRange = range > 0 ? range : 0; }
  void SetFocus() override;
  void SetCaption(const std::string& text) override { caption = text; }
  void SetMenu(const std::vector<TMenuItem>& items) override { menu = items; hasMenu = true; }
  void CheckMenuItem(int id, bool check) override { checked[id] = check; }
  void EnableMenuItem(int id, bool enable) override { enabled[id] = enable; }
  void SetMenuItemText(int, const std::string&) override {}
  void EnableTopMenu(int index, bool enable) override { topMenuEnabled[index] = enable; }
  bool HasMenu() const override { return hasMenu; }
  void SetToolBar(const std::vector<TToolItem>&) override {}
  void PlaceToolBar(TEdge where, bool isVertical) override { edge = where; vertical = isVertical; }
  void ShowToolBar(bool show) override { toolBarVisible = show; }
  bool IsToolBarVisible() const override { return toolBarVisible; }
  void SetClient(TWindow* window) override { client = window; }

  TWindow& Window() const { return window_; }
  bool IsChecked(int id) const { return checked.count(id) && checked.at(id); }  // false unless checked
  bool IsEnabled(int id) const { return !enabled.count(id) || enabled.at(id); }  // true unless disabled
  bool IsTopMenuEnabled(int index) const { return !topMenuEnabled.count(index) || topMenuEnabled.at(index); }
  bool HasTimer(int id) const { return timers.count(id) != 0; }
  // Paints now into a new recorder (also kept as lastPaint); the pending invalidation is cleared
  // first, so an Invalidate during the paint stays pending.
  RecordingDC PaintNow();
  // Sets the client size (and the window rectangle's) and calls the window's Size.
  void ResizeClient(TSize size);

  TSize clientSize;  // children start at 0 x 0; frames at 560 x 481
  TRect windowRect;  // a frame's client is as large as it (no decorations)
  TRect normalRect;  // the rectangle to restore after Show(Maximized)
  bool visible = false, zoomed = false;
  int invalidateCount = 0;
  bool paintPending = false;             // invalidated since the last paint
  std::optional<RecordingDC> lastPaint;  // the most recent paint's drawing
  std::optional<TColor> background;
  std::map<int, int> timers;  // id -> period in ms
  int vScrollRange = 0;  // the scroll bar's range as last set
  // Frames.
  std::string caption;
  bool hasMenu = false;
  std::vector<TMenuItem> menu;
  std::map<int, bool> checked;         // command id -> check mark, as last set
  std::map<int, bool> enabled;         // command id -> enabled, as last set
  std::map<int, bool> topMenuEnabled;  // top-level index -> enabled, as last set
  TEdge edge = TEdge::Top;
  bool vertical = false, toolBarVisible = false;
  TWindow* client = nullptr;

 private:
  friend class FakePlatform;
  FakePlatform* platform_;  // null once the platform is gone
  TWindow& window_;
};
