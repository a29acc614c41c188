// MessageHooks: the engine's messages, sounds and option reads, shown and read as the game does.
#pragma once

#include <string>

#include "engine/gamehooks.h"

class TWindow;

// The half of GameHooks that reaches the player and the settings: message boxes through the
// platform, the message dialog with the dialog font and remembered placement, the sound events
// as the player set them, and the options read from section "quillo" at each call. The
// application's adapter and the test doubles derive from it and supply the windows.
class MessageHooks : public GameHooks {
 public:
  void ShowMessage(const std::string& text, const char* caption, MessageIcon icon) override;
  // A dialog that cannot be run is reported in an "ERROR" box instead.
  void ShowHint(const char* caption, const std::string& text, const char* placementKey) override;
  void PlaySound(SoundEvent event) override;
  bool ExplainErrors() override;
  bool AlphabeticalWordLists() override;
  int Penalty(int index) override;
  bool QuickEntry() override;
  bool AdvanceAfterGuess() override;

 protected:
  // The owner of the messages (null for none) and the dialog font height (-23..23).
  virtual TWindow* MessageWindow() = 0;
  virtual int DialogFontHeight() = 0;
};
