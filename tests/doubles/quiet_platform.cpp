// QuietPlatform: counted message boxes, an in-memory clipboard and peers that hold a rectangle.
#include "doubles/quiet_platform.h"

namespace {

class QuietPeer : public TWindowPeer, public TFramePeer {
 public:
  QuietPeer(TWindow& window, const QuietPlatform& platform) : window_(window), platform_(platform) {}
  TRect ClientRect() const override { return {0, 0, rect_.Width(), rect_.Height()}; }
  TRect WindowRect() const override { return rect_; }
  void Move(const TRect& rect) override {
    const bool resized = rect.Width() != rect_.Width() || rect.Height() != rect_.Height();
    rect_ = rect;
    if (resized) window_.Size({rect.Width(), rect.Height()});
    if (resized && client_) client_->Peer().Move({0, 0, rect.Width(), rect.Height()});
  }
  void Show(TShow) override {}
  bool IsVisible() const override { return true; }
  bool IsIconic() const override { return false; }
  bool IsZoomed() const override { return false; }
  void Invalidate(bool) override {}
  void UpdateNow() override {}
  void SetBackground(TColor) override {}
  void SetTimer(int, int) override {}
  void KillTimer(int) override {}
  std::unique_ptr<TDC> MeasuringDC() override { return platform_.measuringDC(); }
  void SetVScroll(int, int) override {}
  void SetFocus() override {}

  void SetCaption(const std::string&) override {}
  void SetMenu(const std::vector<TMenuItem>&) override {}
  void CheckMenuItem(int, bool) override {}
  void EnableMenuItem(int, bool) override {}
  void EnableTopMenu(int, bool) override {}
  bool HasMenu() const override { return false; }
  void SetToolBar(const std::vector<TToolItem>&) override {}
  void PlaceToolBar(TEdge, bool) override {}
  void ShowToolBar(bool) override {}
  bool IsToolBarVisible() const override { return false; }
  void SetClient(TWindow* client) override { client_ = client; }

 private:
  TWindow& window_;
  const QuietPlatform& platform_;
  TWindow* client_ = nullptr;
  TRect rect_;
};

}  // namespace

std::unique_ptr<TWindowPeer> QuietPlatform::CreatePeer(TWindow& window) {
  return std::make_unique<QuietPeer>(window, *this);
}

int QuietPlatform::MessageBox(TWindow*, const std::string& text, const std::string&, unsigned) {
  ++messageCount;
  lastMessage = text;
  return answer;
}

bool QuietPlatform::SetClipboardText(const std::string& text) {
  clipboard = text;
  return true;
}
