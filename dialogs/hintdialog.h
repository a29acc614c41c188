// MyHintDialog and MyInputDialog: the game's message and one-line input dialogs.
#pragma once

#include <functional>
#include <string>

#include "dialogs/floatdlg.h"

// Font heights of this magnitude or less keep the template's font; larger ones switch the
// text to Arial of that height and grow the dialog to fit it.
inline constexpr int kTemplateFontHeightLimit = 13;

// A message with an OK button (template 4093: static 4091, OK 1), placed as FloatDlg.
// With a font height outside -13..13 the text is set in Arial of that height, the text grows
// (never shrinks) to 44 average characters wide and one line high, and the button and the
// dialog move and grow with it.
class MyHintDialog : public FloatDlg {
 public:
  MyHintDialog(TWindow* parent, std::string caption, std::string text, int fontHeight,
               IniFile& settings, std::string section);
  void SetupWindow() override;

 private:
  void GrowForFont();

  std::string caption_;
  std::string text_;
  int fontHeight_;
};

// Accepts or refuses the edit text on OK; a refusal keeps the dialog open (the validator
// explains itself if it wants to). An empty validator accepts everything.
using InputValidator = std::function<bool(const std::string& text)>;

// One-line input (template 4092: prompt 4091, edit 4090, OK 1, Cancel 2), placed as FloatDlg.
// The edit starts with the buffer's text and takes at most bufferSize - 1 characters. On OK
// (once the validator accepts) the edit text is copied into buffer, cut to bufferSize - 1
// characters and zero-terminated; Cancel and the close box leave buffer alone. buffer must
// stay valid while the dialog runs. A large font height grows prompt and edit to one line of
// Arial of that height, and the buttons and the dialog with them.
class MyInputDialog : public FloatDlg {
 public:
  MyInputDialog(TWindow* parent, std::string caption, std::string prompt, char* buffer,
                int bufferSize, int fontHeight, IniFile& settings, std::string section,
                InputValidator validator = nullptr);
  void SetupWindow() override;
  bool CanClose() override;
  void CloseWindow(int result) override;

 private:
  void GrowForFont();

  std::string caption_;
  std::string prompt_;
  char* buffer_;
  int bufferSize_;
  int fontHeight_;
  InputValidator validator_;
};
