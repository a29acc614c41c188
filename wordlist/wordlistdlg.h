// WordList: the "Possible Words" dialog, listing dictionary words that fit a clicked puzzle word.
#pragma once

#include <functional>
#include <string>

#include "dialogs/floatdlg.h"
#include "wordlist/dictionary.h"
#include "wordlist/wordpattern.h"

class Game;
class IniFile;

// Construction does the work that comes before the window: the first construction of a run
// loads the dictionary at dictionaryPath into store (later ones never read the file again),
// builds the pattern of word from the game's guesses, and then either charges the word list
// (Game::ChargeWordList) or, with no usable dictionary, shows the dictionary message and
// charges nothing. Run it with Execute: without a dictionary it closes as soon as it is set up.
//
// While it runs, selecting a word previews it on the puzzle (TheWordPreview, then
// repaintPuzzle); OK or a double click enters the word's letters through the game as a player
// would; however the dialog ends the preview is turned off and the puzzle repainted.
class WordList : public FloatDlg {
 public:
  // word: the clicked word, 1..25 characters (more are ignored). fontHeight: the puzzle font's
  // height limited to -23..23. alphabetical: sorted list and the alphabetical penalty.
  WordList(TWindow* parent, Game& game, WordListStore& store, const std::string& dictionaryPath,
           const std::string& word, bool alphabetical, int fontHeight, IniFile& settings,
           std::string section, std::function<void()> repaintPuzzle);

  bool HasDictionary() const { return dictionary_ != nullptr; }
  const WordPattern& Pattern() const { return pattern_; }

  void SetupWindow() override;
  void Command(int id, TNotify notify) override;
  void CloseWindow(int result) override;

 private:
  void SetListFont();
  void GrowForFont();
  void FillList();
  void PreviewSelection();
  void EnterSelection();
  bool IsLetterUsed(int plainIndex);

  Game& game_;
  const WordDictionary* dictionary_;
  WordPattern pattern_;
  bool alphabetical_;
  int fontHeight_;
  std::function<void()> repaintPuzzle_;
};

// The text of the dictionary message, shown on every request of a run whose load failed.
extern const char* const kDictionaryMissingMessage;

// What the application runs for a word-list request: the dialog on the process-wide dictionary
// store and settings, with the placement section the request names.
void ShowPossibleWords(TWindow* parent, Game& game, const std::string& word, bool alphabetical,
                       const char* section, int fontHeight, const std::string& dictionaryPath,
                       std::function<void()> repaintPuzzle);
