// FakePlatform's services: clipboard, sounds, common dialogs, printer, help and system queries.
#include <gtest/gtest.h>

#include <algorithm>

#include "fake_platform.h"

// ---- Clipboard ----

std::optional<std::string> FakePlatform::ClipboardText() {
  if (!clipboardAvailable_) return std::nullopt;
  return clipboard_;
}

bool FakePlatform::SetClipboardText(const std::string& text) {
  if (!clipboardAvailable_) return false;
  clipboard_ = text;
  return true;
}

// ---- Sounds ----

std::ostream& operator<<(std::ostream& out, const SoundRecord& record) {
  switch (record.kind) {
    case SoundKind::Wave: return out << "wave " << record.path;
    case SoundKind::Tone: return out << "tone " << record.frequencyHz << " Hz " << record.milliseconds << " ms";
    case SoundKind::Beep: return out << "beep";
  }
  return out;
}

void FakePlatform::PlayWave(const std::string& path) {
  sounds_.push_back({SoundKind::Wave, path, 0, 0});
  transcript_.push_back("wave " + path);
}

void FakePlatform::Tone(int frequencyHz, int milliseconds) {
  sounds_.push_back({SoundKind::Tone, {}, frequencyHz, milliseconds});
  transcript_.push_back("tone " + std::to_string(frequencyHz) + " " + std::to_string(milliseconds));
}

void FakePlatform::SimpleBeep() {
  sounds_.push_back({SoundKind::Beep, {}, 0, 0});
  transcript_.push_back("beep");
}

std::vector<std::string> FakePlatform::Waves() const {
  std::vector<std::string> paths;
  for (const SoundRecord& sound : sounds_) {
    if (sound.kind == SoundKind::Wave) paths.push_back(sound.path);
  }
  return paths;
}

// ---- Common dialogs ----

TOpenFileResult FakePlatform::OpenFile(TWindow* /*parent*/, const TOpenFileRequest& request) {
  openFileRequests_.push_back(request);
  transcript_.push_back("open-file " + request.title);
  if (openFileAnswers_.empty()) return {};
  TOpenFileResult result = std::move(openFileAnswers_.front());
  openFileAnswers_.pop_front();
  return result;
}

TChooseResult FakePlatform::ChooseFont(TWindow* /*parent*/, TLogFont& font, std::string& error) {
  transcript_.push_back("choose-font");
  if (fontAnswers_.empty()) return TChooseResult::Cancelled;
  FontChoice choice = std::move(fontAnswers_.front());
  fontAnswers_.pop_front();
  if (choice.result == TChooseResult::Ok) font = choice.font;
  if (choice.result == TChooseResult::Failed) error = choice.error;
  return choice.result;
}

bool FakePlatform::ChooseColor(TWindow* /*parent*/, TColor& color, TColor /*custom*/[16]) {
  colorRequests_.push_back(color);
  transcript_.push_back("choose-color");
  if (colorAnswers_.empty()) return false;
  ColorChoice choice = std::move(colorAnswers_.front());
  colorAnswers_.pop_front();
  if (!choice.color) return false;
  color = *choice.color;
  return true;
}

// ---- Printer ----

namespace {
// The game's TPrinter: a view of the test's one FakePrinter.
class FakePrinterView : public TPrinter {
 public:
  explicit FakePrinterView(FakePrinter& printer) : printer_(printer) {}

  bool Setup(TWindow* /*parent*/) override {
    ++printer_.setupCount;
    return printer_.setupAnswer;
  }

  TPrintResult Print(TWindow* parent, TPrintout& printout) override {
    PrintJob job{printout.Title(), parent, printer_.printResult, RecordingDC(printer_.caps)};
    if (job.result == TPrintResult::Printed) printout.PrintPage(job.page);
    printer_.jobs.push_back(std::move(job));
    return printer_.printResult;
  }

  std::string DeviceName() const override { return printer_.deviceName; }
  std::string Port() const override { return printer_.port; }

 private:
  FakePrinter& printer_;
};
}  // namespace

std::unique_ptr<TPrinter> FakePrinter::MakeView() { return std::make_unique<FakePrinterView>(*this); }

const RecordingDC& FakePrinter::LastPage() const {
  for (auto job = jobs.rbegin(); job != jobs.rend(); ++job) {
    if (job->result == TPrintResult::Printed) return job->page;
  }
  ADD_FAILURE() << "nothing was printed";
  static const RecordingDC kEmpty;
  return kEmpty;
}

std::unique_ptr<TPrinter> FakePlatform::CreatePrinter() {
  if (!printer_.available) return nullptr;
  ++printer_.createCount;
  return printer_.MakeView();
}

// ---- Help and system queries ----

void FakePlatform::ShowHelp(TWindow* /*parent*/, const std::string& helpPath, int topic) {
  transcript_.push_back("help " + helpPath + " " + std::to_string(topic));
}

TColor FakePlatform::SysColor(int index) {
  auto found = sysColors.find(index);
  return found == sysColors.end() ? MakeColor(0, 0, 0) : found->second;
}

bool FakePlatform::IsKeyDown(TKey key) {
  auto found = keysDown.find(key);
  return found != keysDown.end() && found->second;
}
