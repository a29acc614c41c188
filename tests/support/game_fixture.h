// GameFixture: a Game on the fake platform with recording hooks and a settings file of its own.

#pragma once

#include <gtest/gtest.h>

#include "app/runservices.h"
#include "classlib/inifile.h"
#include "doubles/test_hooks.h"
#include "engine/random.h"
#include "support/fake_platform.h"
#include "support/testing.h"

class GameFixture : public testing::Test {
 protected:
  GameFixture() : store(folder.File("quillo.ini").c_str()), services(store), game(hooks) {}

  // A new game on plain, as NewGame and the first paint of the panel would leave it: the key
  // drawn from seed, the text enciphered, the clock started from 0 and running.
  void StartPuzzle(const char* plain, PuzzleKind kind = PuzzleKind::kQuotePuzzle, std::uint32_t seed = 1) {
    std::strncpy(game.text.displayText, plain, kQuoteBufferSize - 1);
    game.state.puzzleKind = kind;
    SeedRandom(seed);
    game.panel.panelShown = true;
    game.StartGame();
    Paint();  // the repaint StartGame asks for judges the fresh puzzle
    hooks.calls.clear();
  }

  // The ciphertext letter (lower case) that stands for a plaintext letter.
  char CipherOf(char plain) const { return game.Encipher(plain | 0x20); }

  // The keyboard rhythm: the ciphertext letter for plain, then the guessed plaintext letter.
  void TypeLetters(char plain, char guess) {
    game.KeyTyped(CipherOf(plain));
    game.KeyTyped(guess);
  }
  // What a paint of the puzzle does with the game.
  void Paint() {
    game.JudgePuzzle();
    game.CheckForWin();
  }

  void SetSetting(const char* key, int value) { store.WriteInt("quillo", key, value); }

  // Everything the player was shown or heard since ClearShown, in order: "box <caption>: <text>",
  // "tone 500 150", and for the game's message dialogs "dialog <caption>: <text>".
  std::vector<std::string> Shown() const { return {fake.Transcript().begin() + shownMark_, fake.Transcript().end()}; }
  void ClearShown() { shownMark_ = fake.Transcript().size(); }
  // What the sound and the named message dialogs leave in Shown(), in order.
  static std::vector<std::string> Toned(const char* caption, std::vector<std::string> texts) {
    std::vector<std::string> shown;
    for (const std::string& text : texts) {
      shown.insert(shown.end(), {kTone, std::string("dialog ") + caption + ": " + text});
    }
    return shown;
  }
  static inline const std::string kTone = "tone 500 150";  // an error or hint sound

  std::string Guesses() const { return std::string(game.state.guess, kLetterCount); }
  std::string Unused() const { return std::string(game.panel.unused, kLetterCount); }

  TempFolder folder;
  PrivateIniFile store;
  RunServices services;
  FakePlatform fake;
  TestHooks hooks;
  Game game;

 private:
  std::size_t shownMark_ = 0;
};
