// The framework's own code: the process-wide platform, window creation and the dialog life cycle.
#include <cassert>
#include <stdexcept>

#include "framework/dialog.h"
#include "framework/menu.h"
#include "framework/platform.h"
#include "framework/window.h"

namespace {
TPlatform* gPlatform = nullptr;
}

TPlatform& Platform() {
  if (!gPlatform) throw std::logic_error("no platform installed");
  return *gPlatform;
}

void SetPlatform(TPlatform* platform) { gPlatform = platform; }

TWindow::~TWindow() = default;

TFramePeer& TFrameWindow::FramePeer() { return dynamic_cast<TFramePeer&>(Peer()); }

void TWindow::Create() {
  if (!peer_) peer_ = Platform().CreatePeer(*this);
}

int TDialog::Execute() { return Platform().RunDialog(*this); }

void TDialog::Command(int id, TNotify notify) {
  if (notify != TNotify::Clicked) return;
  if (id == IDOK) {
    if (CanClose()) End(IDOK);
  } else if (id == IDCANCEL) {
    End(IDCANCEL);
  }
}

void TDialog::End(int result) {
  if (!peer_ || ended_) return;
  ended_ = true;
  CloseWindow(result);
  peer_->End(result);
}

