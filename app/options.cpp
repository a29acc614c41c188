// The option commands: each writes its setting at once, keeps its check marks and shows the change.
#include <cstdlib>

#include "app/app.h"
#include "app/mainframe.h"
#include "classlib/inifile.h"
#include "display/displayoptions.h"
#include "display/quillowindow.h"
#include "framework/platform.h"
#include "resources/commands.h"

namespace {
constexpr int kMarginTextSize = 64;
}  // namespace

// FrequencyOrder and QuoteWindowHighlightSolution were read with the display's other settings.
void App::ReadOptionFlags() {
  IniFile& settings = Settings();
  wordListAlphabetical_ = settings.ReadInt("quillo", "WordlistOrder", 1) != 0;
  char margin[kMarginTextSize];
  settings.ReadString("quillo", "PrintMargin", "0.5", margin, sizeof margin);
  printMargin_ = std::strtod(margin, nullptr);
  CurrentCaseStyle();
}

// Qt gives the game no "first opening of the menu", so the marks are set once at start-up,
// which the player cannot tell apart. Afterwards each command keeps its own marks.
void App::SetCheckMarks() {
  IniFile& settings = Settings();
  CheckMark(kCmdQuoteLeft, !client_->QuoteOnRight());
  CheckMark(kCmdQuoteRight, client_->QuoteOnRight());
  CheckMark(kCmdHighlightSolution, HighlightSolution());
  MarkLetters(CurrentCaseStyle());
  MarkFrequencyOrder(FrequencyOrder());
  MarkWordListOrder(wordListAlphabetical_);
  CheckMark(kCmdExplainErrors, settings.ReadInt("quillo", "ExplainErrors", 1) != 0);
  CheckMark(kCmdShowFrequencies, settings.ReadInt("quillo", "ShowLetterFrequencies", 1) != 0);
  CheckMark(kCmdShowTimeAndScores, settings.ReadInt("quillo", "ShowTimeAndScores", 1) != 0);
  CheckMark(kCmdPrintColor, settings.ReadInt("quillo", "PrintColor", 0) != 0);
  CheckMark(kCmdPrintBig, settings.ReadInt("quillo", "PrintBig", 0) != 0);
  MarkHintLocation(hintBar_.Location());
  CheckMark(kCmdShowHintButtons, hintBar_.IsVisible());
}

void App::GreyCommandsAwaitingWork() {
  if (!frame_->HasPeer()) return;
  for (int id : CommandsAwaitingWork()) frame_->Peer().EnableMenuItem(id, false);
}

// A toggle reads any non-zero value as on, so a hand-edited 5 turns off rather than staying on.
bool App::ToggleSetting(const char* key, int defaultValue, int commandId) {
  const bool on = Settings().ReadInt("quillo", key, defaultValue) == 0;
  Settings().WriteInt("quillo", key, on ? 1 : 0);
  CheckMark(commandId, on);
  return on;
}

// Turning a part of the panel off must erase it; turning it on only draws more.
void App::ToggleShown(const char* key, int commandId) {
  if (ToggleSetting(key, 1, commandId)) {
    Redraw();
  } else {
    RepaintAll();
  }
}

void App::ChooseLetters(CaseStyle style) {
  SetCaseStyle(style);
  MarkLetters(style);
  ApplyCaseStyle(text.quoteText, text.displayText);
  RestylePuzzleText();
  RepaintAll();
}

void App::MarkLetters(CaseStyle style) {
  CheckMark(kCmdCaseUpper, style == kCaseUpper);
  CheckMark(kCmdCaseLower, style == kCaseLower);
  CheckMark(kCmdCaseMixed, style == kCaseDefault);
  CheckMark(kCmdCaseMilitary, style == kCaseMilitary);
}

void App::PlaceQuoteWindow(bool right) {
  Settings().WriteString("quillo", "QuoteWindowPosition", right ? "Right" : "Left");
  CheckMark(kCmdQuoteLeft, !right);
  CheckMark(kCmdQuoteRight, right);
  client_->ComputeLayout();
  RepaintAll();
}

void App::ToggleHighlight() {
  SetHighlightSolution(ToggleSetting("QuoteWindowHighlightSolution", 0, kCmdHighlightSolution));
  RepaintAll();
}

void App::ToggleHintButtons() {
  if (state.hintsDisallowed) {
    Platform().MessageBox(frame_.get(),
                          "No hints are possible with a puzzle\nthat you entered as ciphertext.",
                          "Sorry!", MB_OK | MB_ICONINFORMATION);
    return;
  }
  hintBar_.Show(!hintBar_.IsVisible());
  CheckMark(kCmdShowHintButtons, hintBar_.IsVisible());
}

void App::PlaceHintButtons(int location) {
  if (!hintBar_.IsVisible()) ToggleHintButtons();
  const bool vertical = location == kHintsLeft || location == kHintsRight;
  Settings().WriteInt("quillo", "HintLocation", location);
  Settings().WriteInt("quillo", "HintOrientation", vertical ? 1 : 0);
  MarkHintLocation(location);
  hintBar_.Place(location, vertical);
}

// Any value but 2..4 marks the top, as the bar is placed.
void App::MarkHintLocation(int location) {
  const TEdge edge = EdgeOfHintLocation(location);
  CheckMark(kCmdHintsTop, edge == TEdge::Top);
  CheckMark(kCmdHintsBottom, edge == TEdge::Bottom);
  CheckMark(kCmdHintsLeft, edge == TEdge::Left);
  CheckMark(kCmdHintsRight, edge == TEdge::Right);
}

void App::ChooseFrequencyOrder(bool byFrequency) {
  if (byFrequency == FrequencyOrder()) return;
  Settings().WriteInt("quillo", "FrequencyOrder", byFrequency ? 1 : 0);
  SetFrequencyOrder(byFrequency);
  MarkFrequencyOrder(byFrequency);
  RepaintAll();
}

void App::MarkFrequencyOrder(bool byFrequency) {
  CheckMark(kCmdFrequencyByCount, byFrequency);
  CheckMark(kCmdFrequencyAlphabetical, !byFrequency);
}

void App::ChooseWordListOrder(bool alphabetical) {
  Settings().WriteInt("quillo", "WordlistOrder", alphabetical ? 1 : 0);
  wordListAlphabetical_ = alphabetical;
  MarkWordListOrder(alphabetical);
}

void App::MarkWordListOrder(bool alphabetical) {
  CheckMark(kCmdWordsAlphabetical, alphabetical);
  CheckMark(kCmdWordsByFrequency, !alphabetical);
}
