// FakeWindowPeer: window state in memory, delivering size, move and paint back to the game.
#include "fake_window.h"

#include <gtest/gtest.h>

#include "fake_platform.h"

namespace {
constexpr TSize kFrameSize{560, 481};

}  // namespace

FakeWindowPeer::FakeWindowPeer(FakePlatform& platform, TWindow& window)
    : platform_(&platform), window_(window) {
  if (window.IsFrame()) {
    clientSize = kFrameSize;
    windowRect = TRect::FromSize(0, 0, kFrameSize.cx, kFrameSize.cy);
  } else {
    visible = true;  // children show with their parent
  }
  normalRect = windowRect;
}

FakeWindowPeer::~FakeWindowPeer() {
  if (platform_) platform_->Forget(this);
}

void FakeWindowPeer::Move(const TRect& rect) {
  TRect old = windowRect;
  windowRect = rect;
  if (rect.left != old.left || rect.top != old.top) window_.Moved();
  TSize size{rect.Width(), rect.Height()};
  if (!(size == clientSize)) ResizeClient(size);
}

void FakeWindowPeer::ResizeClient(TSize size) {
  clientSize = size;
  windowRect.right = windowRect.left + size.cx;
  windowRect.bottom = windowRect.top + size.cy;
  window_.Size(size);
  if (client && client->HasPeer()) client->Peer().Move({0, 0, size.cx, size.cy});
}

void FakeWindowPeer::Show(TShow how) {
  if (how == TShow::Hide) {
    visible = false;
    return;
  }
  visible = true;
  iconic = false;
  if (!window_.IsFrame()) return;
  if (how == TShow::Maximized && !zoomed) {
    normalRect = windowRect;
    zoomed = true;
    if (platform_) Move(platform_->WorkArea());
  } else if (how == TShow::Normal && zoomed) {
    zoomed = false;
    Move(normalRect);
  }
}

void FakeWindowPeer::Invalidate(bool /*erase*/) {
  ++invalidateCount;
  paintPending = true;
}

void FakeWindowPeer::UpdateNow() {
  if (paintPending) PaintNow();
}

RecordingDC FakeWindowPeer::PaintNow() {
  paintPending = false;
  RecordingDC dc;
  window_.Paint(dc);
  lastPaint = dc;
  return dc;
}

std::unique_ptr<TDC> FakeWindowPeer::MeasuringDC() {
  return std::make_unique<RecordingDC>();
}

void FakeWindowPeer::SetVScroll(int range, int position) {
  vScrollRange = range < 0 ? 0 : range;
  vScrollPosition = position < 0 ? 0 : (position > vScrollRange ? vScrollRange : position);
}

void FakeWindowPeer::SetFocus() {
  if (platform_) platform_->SetFocus(this);
}

void FakeWindowPeer::SetMenu(const std::vector<TMenuItem>& items) {
  menu = items;
  hasMenu = true;
}

void FakeWindowPeer::PlaceToolBar(TEdge where, bool isVertical) {
  edge = where;
  vertical = isVertical;
}

bool FakeWindowPeer::IsChecked(int id) const {
  auto found = checked.find(id);
  return found != checked.end() && found->second;
}

bool FakeWindowPeer::IsEnabled(int id) const {
  auto found = enabled.find(id);
  return found == enabled.end() || found->second;
}

bool FakeWindowPeer::IsTopMenuEnabled(int index) const {
  auto found = topMenuEnabled.find(index);
  return found == topMenuEnabled.end() || found->second;
}
