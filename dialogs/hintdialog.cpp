// MyHintDialog and MyInputDialog: set-up, growth for a large puzzle font, and the input's OK.
#include "dialogs/hintdialog.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

#include "resources/resources.h"

namespace {

constexpr int kOkId = 1;      // IDOK
constexpr int kCancelId = 2;  // IDCANCEL
constexpr int kMessageWidthInChars = 44;
constexpr std::uint8_t kDefaultCharSet = 1;

bool KeepsTemplateFont(int fontHeight) {
  return fontHeight >= -kTemplateFontHeightLimit && fontHeight <= kTemplateFontHeightLimit;
}

TLogFont ArialFont(int height) {
  TLogFont font;
  font.height = height;
  font.weight = 400;
  font.charSet = kDefaultCharSet;
  font.SetFace("Arial");
  return font;
}

// Grows a control to at least width x height pixels, keeping its top-left; returns the growth.
TSize GrowItem(TDialogPeer& peer, int id, int width, int height) {
  TRect rect = peer.ItemRect(id);
  TSize growth{std::max(0, width - rect.Width()), std::max(0, height - rect.Height())};
  rect.right += growth.cx;
  rect.bottom += growth.cy;
  peer.MoveItem(id, rect);
  return growth;
}

void MoveItemBy(TDialogPeer& peer, int id, int dx, int dy) {
  peer.MoveItem(id, peer.ItemRect(id).Offset(dx, dy));
}

void GrowWindowBy(TDialogPeer& peer, int dx, int dy) {
  TRect rect = peer.WindowRect();
  rect.right += dx;
  rect.bottom += dy;
  peer.MoveWindow(rect);
}

}  // namespace

MyHintDialog::MyHintDialog(TWindow* parent, std::string caption, std::string text,
                           int fontHeight, IniFile& settings, std::string section)
    : FloatDlg(parent, HintTemplate(), settings, std::move(section)),
      caption_(std::move(caption)),
      text_(std::move(text)),
      fontHeight_(fontHeight) {}

void MyHintDialog::SetupWindow() {
  FloatDlg::SetupWindow();
  Peer().SetCaption(caption_);
  Peer().SetItemText(kMessageTextId, text_);
  if (KeepsTemplateFont(fontHeight_)) return;
  GrowForFont();
  KeepOnWorkArea();  // grown after it was placed, it may reach past the screen's edge
}

void MyHintDialog::GrowForFont() {
  TDialogPeer& peer = Peer();
  peer.SetItemFont(kMessageTextId, ArialFont(fontHeight_));
  TTextMetrics metrics = peer.ItemFontMetrics(kMessageTextId);
  TSize growth =
      GrowItem(peer, kMessageTextId, kMessageWidthInChars * metrics.avgCharWidth, metrics.height);
  // The button stays centred under the text, so the dialog grows by an even amount.
  int half = growth.cx / 2;
  MoveItemBy(peer, kOkId, half, growth.cy);
  GrowWindowBy(peer, 2 * half, growth.cy);
}

MyInputDialog::MyInputDialog(TWindow* parent, std::string caption, std::string prompt,
                             char* buffer, int bufferSize, int fontHeight, IniFile& settings,
                             std::string section, InputValidator validator)
    : FloatDlg(parent, InputTemplate(), settings, std::move(section)),
      caption_(std::move(caption)),
      prompt_(std::move(prompt)),
      buffer_(buffer),
      bufferSize_(buffer ? std::max(bufferSize, 0) : 0),
      fontHeight_(fontHeight),
      validator_(std::move(validator)) {}

void MyInputDialog::SetupWindow() {
  FloatDlg::SetupWindow();
  TDialogPeer& peer = Peer();
  peer.SetCaption(caption_);
  peer.SetEditLimit(kInputEditId, std::max(bufferSize_ - 1, 0));
  peer.SetItemText(kInputPromptId, prompt_);
  // The caller's buffer may lack its terminator; never read past its end.
  const char* begin = buffer_;
  const char* end = bufferSize_ > 0 ? std::find(buffer_, buffer_ + bufferSize_, '\0') : buffer_;
  peer.SetItemText(kInputEditId, std::string(begin, end));
  if (KeepsTemplateFont(fontHeight_)) return;
  GrowForFont();
  KeepOnWorkArea();
}

void MyInputDialog::GrowForFont() {
  TDialogPeer& peer = Peer();
  TLogFont font = ArialFont(fontHeight_);
  peer.SetItemFont(kInputPromptId, font);
  peer.SetItemFont(kInputEditId, font);
  int lineHeight = peer.ItemFontMetrics(kInputPromptId).height;

  int promptWidth = peer.ItemRect(kInputPromptId).Width();
  int promptGrowth = GrowItem(peer, kInputPromptId, promptWidth, lineHeight).cy;
  MoveItemBy(peer, kInputEditId, 0, promptGrowth);
  int editWidth = peer.ItemRect(kInputEditId).Width();
  int editGrowth = GrowItem(peer, kInputEditId, editWidth, lineHeight).cy;

  int total = promptGrowth + editGrowth;
  MoveItemBy(peer, kOkId, 0, total);
  MoveItemBy(peer, kCancelId, 0, total);
  GrowWindowBy(peer, 0, total);
}

bool MyInputDialog::CanClose() {
  return !validator_ || validator_(Peer().GetItemText(kInputEditId));
}

void MyInputDialog::CloseWindow(int result) {
  FloatDlg::CloseWindow(result);
  if (result != kOkId || bufferSize_ < 1) return;
  std::string text = Peer().GetItemText(kInputEditId);
  std::size_t length = std::min(text.size(), static_cast<std::size_t>(bufferSize_ - 1));
  std::memcpy(buffer_, text.data(), length);
  buffer_[length] = '\0';
}
