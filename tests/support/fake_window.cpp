// FakeWindowPeer: window state in memory, delivering size, move and paint back to the game.
#include "fake_window.h"

#include <algorithm>

#include "fake_platform.h"

FakeWindowPeer::FakeWindowPeer(FakePlatform& platform, TWindow& window) : platform_(&platform), window_(window) {
  if (window.IsFrame()) {
    clientSize = {560, 481};
    windowRect = TRect::FromSize(0, 0, 560, 481);
  }
  visible = !window.IsFrame();  // children show with their parent
  normalRect = windowRect;
}

FakeWindowPeer::~FakeWindowPeer() { if (platform_) platform_->Forget(this); }

void FakeWindowPeer::Move(const TRect& rect) {
  const TRect old = windowRect;
  windowRect = rect;
  if (rect.left != old.left || rect.top != old.top) window_.Moved();
  if (!(TSize{rect.Width(), rect.Height()} == clientSize)) ResizeClient({rect.Width(), rect.Height()});
}

void FakeWindowPeer::ResizeClient(TSize size) {
  clientSize = size;
  windowRect.right = windowRect.left + size.cx;
  windowRect.bottom = windowRect.top + size.cy;
  window_.Size(size);
  if (client && client->HasPeer()) client->Peer().Move({0, 0, size.cx, size.cy});
}

void FakeWindowPeer::Show(TShow how) {
  visible = how != TShow::Hide;
  if (!visible || !window_.IsFrame()) return;
  if (how == TShow::Maximized && !zoomed) {
    normalRect = windowRect;
    zoomed = true;
    if (platform_) Move(platform_->WorkArea());
  } else if (how == TShow::Normal && zoomed) {
    zoomed = false;
    Move(normalRect);
  }
}

RecordingDC FakeWindowPeer::PaintNow() {
  paintPending = false;
  RecordingDC dc;
  window_.Paint(dc);
  lastPaint = dc;
  return dc;
}

void FakeWindowPeer::SetVScroll(int range, int position) {
  vScrollRange = std::max(range, 0);
  vScrollPosition = std::clamp(position, 0, vScrollRange);
}

void FakeWindowPeer::SetFocus() { if (platform_) platform_->SetFocus(this); }
