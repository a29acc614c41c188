// Options: the option commands and their check marks, and the option values kept in memory.
#pragma once

#include "sources/casestyle.h"

class Game;
class MyControlBar;
class MyFrameWindow;
class QuilloWindow;

// Each option command writes its setting at once, keeps its check marks and shows the change.
// Most options are read from the settings at each use; the word-list order and the print
// margin are read once at start-up (Read) and kept here. Lives inside App, beside the windows
// it marks and repaints.
class Options {
 public:
  Options(MyFrameWindow& frame, QuilloWindow& client, MyControlBar& hintBar, Game& game)
      : frame_(frame), client_(client), hintBar_(hintBar), game_(game) {}

  // Reads the values kept in memory, then sets every check mark. Qt gives the game no "first
  // opening of the menu", so the marks are set once at start-up, which the player cannot tell
  // apart; afterwards each command keeps its own marks.
  void Read();

  bool WordListAlphabetical() const { return wordListAlphabetical_; }
  double& PrintMargin() { return printMargin_; }

  // Turns an on/off setting over (any non-zero value reads as on) and marks commandId; the new
  // state.
  bool ToggleSetting(const char* key, int defaultValue, int commandId);
  // A part of the side panel shown or not (ShowLetterFrequencies, ShowTimeAndScores).
  void ToggleShown(const char* key, int commandId);
  void ChooseLetters(CaseStyle style);
  void PlaceQuoteWindow(bool right);
  void ToggleHighlight();
  void ToggleHighlightSelected();
  // Refused while hints are disallowed.
  void ToggleHintButtons();
  void PlaceHintButtons(int location);
  void ChooseFrequencyOrder(bool byFrequency);
  void ChooseWordListOrder(bool alphabetical);
  // Options > Difficulty's marks: the chosen band (ChosenBand) when the current collection is
  // rated; otherwise Any, with the bands greyed and saying that the ratings are missing (the
  // choice itself is kept for a rated collection).
  void MarkDifficulty(bool rated);

 private:
  void CheckMark(int id, bool checked);
  void MarkLetters(CaseStyle style);
  void MarkHintLocation(int location);
  void MarkFrequencyOrder(bool byFrequency);
  void MarkWordListOrder(bool alphabetical);

  MyFrameWindow& frame_;
  QuilloWindow& client_;
  MyControlBar& hintBar_;
  Game& game_;
  bool wordListAlphabetical_ = true;
  double printMargin_ = 0.5;
};
