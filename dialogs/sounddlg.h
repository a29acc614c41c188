// SoundDialog: "Select Sound to Change", the player's choice of sound for each sound event.
#pragma once

#include <string>

#include "dialogs/floatdlg.h"

// The file part of a sound path: the text after the last '/' and, within that, after the last
// backslash.
std::string SoundFileName(const std::string& path);

// Template 3 with placement section "SoundDialog", working on the process-wide settings store.
// Set-up checks each event's mode radio (an unknown mode shows, and is stored back, as "No
// sound") and names its file. Every choice is written the moment it is made, so there is no
// Cancel: "Done" and the close box just close. Radios store the event's mode and enable its
// buttons (no sound: none; beep: Listen; sound file: Listen and New sound). Listen plays the event
// as the game would. New sound asks for a wave file, starting in programFolder, and stores the
// chosen path without changing the mode; when the file dialog itself fails, the error is shown
// and the game is asked to quit.
class SoundDialog : public FloatDlg {
 public:
  SoundDialog(TWindow* parent, std::string programFolder);

  void SetupWindow() override;
  void Command(int id, TNotify notify) override;

 private:
  void ApplyMode(int event, int mode);
  void ShowFileName(int event);
  void ChooseNewSound(int event);

  std::string programFolder_;
};
