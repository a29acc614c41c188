// FakePlatform's services: clipboard, sounds, common dialogs, printer and system queries.
#include <gtest/gtest.h>

#include "fake_platform.h"

namespace {
// Takes the next queued reply, or nullopt when none is queued.
template <typename T>
std::optional<T> Next(std::deque<T>& queue) {
  if (queue.empty()) return std::nullopt;
  T next = std::move(queue.front());
  queue.pop_front();
  return next;
}
}  // namespace

std::optional<std::string> FakePlatform::ClipboardText() {
  return clipboardAvailable_ ? std::optional<std::string>(clipboard_) : std::nullopt;
}

bool FakePlatform::SetClipboardText(const std::string& text) {
  if (clipboardAvailable_) clipboard_ = text;
  return clipboardAvailable_;
}

void FakePlatform::PlayWave(const std::string& path) { Heard("wave " + path); }
void FakePlatform::Tone(int hz, int ms) { Heard("tone " + std::to_string(hz) + " " + std::to_string(ms)); }
void FakePlatform::SimpleBeep() { Heard("beep"); }

TOpenFileResult FakePlatform::OpenFile(TWindow*, const TOpenFileRequest& request) {
  openFileRequests_.push_back(request);
  transcript_.push_back("open-file " + request.title);
  return Next(openFileAnswers_).value_or(TOpenFileResult{});
}

TChooseResult FakePlatform::ChooseFont(TWindow*, TLogFont& font, std::string& error) {
  transcript_.push_back("choose-font");
  const FontChoice choice = Next(fontAnswers_).value_or(FontChoice{});
  if (choice.result == TChooseResult::Ok) font = choice.font;
  if (choice.result == TChooseResult::Failed) error = choice.error;
  return choice.result;
}

bool FakePlatform::ChooseColor(TWindow*, TColor& color, TColor[16]) {
  colorRequests_.push_back(color);
  transcript_.push_back("choose-color");
  const std::optional<TColor> chosen = Next(colorAnswers_).value_or(ColorChoice{}).color;
  if (chosen) color = *chosen;
  return chosen.has_value();
}

namespace {
class FakePrinterView : public TPrinter {
 public:
  explicit FakePrinterView(FakePrinter& printer) : printer_(printer) {}
  bool Setup(TWindow*) override { return ++printer_.setupCount, false; }
  TPrintResult Print(TWindow*, TPrintout&) override {
    return ++printer_.printCount, printer_.printResult;
  }
  std::string DeviceName() const override { return "Fake Printer"; }
  std::string Port() const override { return "FILE:"; }

 private:
  FakePrinter& printer_;
};
}  // namespace

std::unique_ptr<TPrinter> FakePlatform::CreatePrinter() {
  if (!printer_.available) return nullptr;
  ++printer_.createCount;
  return std::make_unique<FakePrinterView>(printer_);
}

void FakePlatform::ShowStatistics(TWindow*, const TStatisticsView& view) {
  statistics_.push_back(view);
  transcript_.push_back("statistics");
}

TColor FakePlatform::SysColor(int index) {
  auto found = sysColors.find(index);
  return found == sysColors.end() ? MakeColor(0, 0, 0) : found->second;
}
