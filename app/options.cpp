// The option commands: each writes its setting at once, keeps its check marks and shows the change.
#include <cstdlib>
#include <optional>
#include <string>

#include "app/options.h"

#include "app/controlbar.h"
#include "app/mainframe.h"
#include "classlib/inifile.h"
#include "display/displayoptions.h"
#include "display/quillowindow.h"
#include "engine/game.h"
#include "framework/platform.h"
#include "resources/commands.h"
#include "sources/puzzleloader.h"

namespace {
constexpr int kMarginTextSize = 64;
}  // namespace

// FrequencyOrder and QuoteWindowHighlightSolution were read with the display's other settings.
void Options::Read() {
  IniFile& settings = Settings();
  wordListAlphabetical_ = settings.ReadInt("quillo", "WordlistOrder", 1) != 0;
  char margin[kMarginTextSize];
  settings.ReadString("quillo", "PrintMargin", "0.5", margin, sizeof margin);
  printMargin_ = std::strtod(margin, nullptr);
  CheckMark(kCmdQuoteLeft, !client_.QuoteOnRight());
  CheckMark(kCmdQuoteRight, client_.QuoteOnRight());
  CheckMark(kCmdHighlightSolution, HighlightSolution());
  MarkLetters(CurrentCaseStyle());
  MarkFrequencyOrder(FrequencyOrder());
  MarkWordListOrder(wordListAlphabetical_);
  CheckMark(kCmdExplainErrors, settings.ReadInt("quillo", "ExplainErrors", 1) != 0);
  CheckMark(kCmdAdvanceAfterGuess, settings.ReadInt("quillo", "AdvanceAfterGuess", 0) != 0);
  CheckMark(kCmdQuickEntry, settings.ReadInt("quillo", "QuickEntry", 0) != 0);
  CheckMark(kCmdHighlightSelected, HighlightSelected());
  CheckMark(kCmdKeepStatistics, settings.ReadInt("quillo", "KeepStatistics", 1) != 0);
  CheckMark(kCmdShowFrequencies, settings.ReadInt("quillo", "ShowLetterFrequencies", 1) != 0);
  CheckMark(kCmdShowTimeAndScores, settings.ReadInt("quillo", "ShowTimeAndScores", 1) != 0);
  CheckMark(kCmdPrintColor, settings.ReadInt("quillo", "PrintColor", 0) != 0);
  CheckMark(kCmdPrintBig, settings.ReadInt("quillo", "PrintBig", 0) != 0);
  MarkHintLocation(hintBar_.Location());
  CheckMark(kCmdShowHintButtons, hintBar_.IsVisible());
}

void Options::CheckMark(int id, bool checked) {
  if (frame_.HasPeer()) frame_.FramePeer().CheckMenuItem(id, checked);
}

// A toggle reads any non-zero value as on, so a hand-edited 5 turns off rather than staying on.
bool Options::ToggleSetting(const char* key, int defaultValue, int commandId) {
  const bool on = Settings().ReadInt("quillo", key, defaultValue) == 0;
  Settings().WriteInt("quillo", key, on ? 1 : 0);
  CheckMark(commandId, on);
  return on;
}

// Turning a part of the panel off must erase it; turning it on only draws more.
void Options::ToggleShown(const char* key, int commandId) {
  if (ToggleSetting(key, 1, commandId)) {
    client_.Redraw();
  } else {
    client_.RepaintAll();
  }
}

void Options::ChooseLetters(CaseStyle style) {
  SetCaseStyle(style);
  MarkLetters(style);
  ApplyCaseStyle(game_.text.quoteText, game_.text.displayText);
  game_.RestylePuzzleText();
  client_.RepaintAll();
}

void Options::MarkLetters(CaseStyle style) {
  CheckMark(kCmdCaseUpper, style == kCaseUpper);
  CheckMark(kCmdCaseLower, style == kCaseLower);
  CheckMark(kCmdCaseMixed, style == kCaseDefault);
  CheckMark(kCmdCaseMilitary, style == kCaseMilitary);
}

void Options::PlaceQuoteWindow(bool right) {
  Settings().WriteString("quillo", "QuoteWindowPosition", right ? "Right" : "Left");
  CheckMark(kCmdQuoteLeft, !right);
  CheckMark(kCmdQuoteRight, right);
  client_.ComputeLayout();
  client_.RepaintAll();
}

void Options::ToggleHighlight() {
  SetHighlightSolution(ToggleSetting("QuoteWindowHighlightSolution", 0, kCmdHighlightSolution));
  client_.RepaintAll();
}

void Options::ToggleHighlightSelected() {
  SetHighlightSelected(ToggleSetting("HighlightSelectedLetter", 1, kCmdHighlightSelected));
  client_.RepaintAll();
}

void Options::ToggleHintButtons() {
  if (game_.state.hintsDisallowed) {
    DialogService().MessageBox(&frame_,
                          "No hints are possible with a puzzle\nthat you entered as ciphertext.",
                          "Sorry!", MB_OK | MB_ICONINFORMATION);
    return;
  }
  hintBar_.Show(!hintBar_.IsVisible());
  CheckMark(kCmdShowHintButtons, hintBar_.IsVisible());
}

void Options::PlaceHintButtons(int location) {
  if (!hintBar_.IsVisible()) ToggleHintButtons();
  const bool vertical = location == kHintsLeft || location == kHintsRight;
  Settings().WriteInt("quillo", "HintLocation", location);
  Settings().WriteInt("quillo", "HintOrientation", vertical ? 1 : 0);
  MarkHintLocation(location);
  hintBar_.Place(location, vertical);
}

// Any value but 2..4 marks the top, as the bar is placed.
void Options::MarkHintLocation(int location) {
  const TEdge edge = EdgeOfHintLocation(location);
  CheckMark(kCmdHintsTop, edge == TEdge::Top);
  CheckMark(kCmdHintsBottom, edge == TEdge::Bottom);
  CheckMark(kCmdHintsLeft, edge == TEdge::Left);
  CheckMark(kCmdHintsRight, edge == TEdge::Right);
}

void Options::ChooseFrequencyOrder(bool byFrequency) {
  if (byFrequency == FrequencyOrder()) return;
  Settings().WriteInt("quillo", "FrequencyOrder", byFrequency ? 1 : 0);
  SetFrequencyOrder(byFrequency);
  MarkFrequencyOrder(byFrequency);
  client_.RepaintAll();
}

void Options::MarkFrequencyOrder(bool byFrequency) {
  CheckMark(kCmdFrequencyByCount, byFrequency);
  CheckMark(kCmdFrequencyAlphabetical, !byFrequency);
}

void Options::ChooseWordListOrder(bool alphabetical) {
  Settings().WriteInt("quillo", "WordlistOrder", alphabetical ? 1 : 0);
  wordListAlphabetical_ = alphabetical;
  MarkWordListOrder(alphabetical);
}

void Options::MarkWordListOrder(bool alphabetical) {
  CheckMark(kCmdWordsAlphabetical, alphabetical);
  CheckMark(kCmdWordsByFrequency, !alphabetical);
}

void Options::MarkDifficulty(bool rated) {
  const std::optional<Band> band = rated ? ChosenBand() : std::nullopt;
  CheckMark(kCmdDifficultyAny, !band);
  static const char* const kTexts[3] = {"&Easy", "&Medium", "&Hard"};
  for (int b = 0; b < 3; ++b) {
    const int id = kCmdDifficultyEasy + b;
    CheckMark(id, band && static_cast<int>(*band) == b);
    if (!frame_.HasPeer()) continue;
    frame_.FramePeer().EnableMenuItem(id, rated);
    frame_.FramePeer().SetMenuItemText(
        id, std::string(kTexts[b]) + (rated ? "" : " - ratings missing"));
  }
}
