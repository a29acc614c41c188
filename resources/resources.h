// The game's resources as data: dialog templates by number, the menu "MENU_BAR", bitmaps, icon.
#pragma once

#include <string>
#include <vector>

#include "framework/dialog.h"
#include "framework/menu.h"

// The resource numbers of the dialog templates, which also name them to the placement store.
enum : int {
  kYouWonTemplateId = 2, kSoundTemplateId = 3, kTimeTemplateId = 4, kAboutTemplateId = 9,
  kWordListTemplateId = 10, kColorTemplateId = 11, kInputTemplateId = 4092, kHintTemplateId = 4093,
  kCheckTemplateId = 12,
};

// Dialog templates, by their resource numbers.
const TDialogTemplate& YouWonTemplate();       // 2, "Congratulations!"
const TDialogTemplate& SoundTemplate();        // 3, "Select Sound to Change"
const TDialogTemplate& TimeTemplate();         // 4, "Change Time Penalties"
const TDialogTemplate& AboutTemplate();        // 9, "About Quillo!"
const TDialogTemplate& WordListTemplate();     // 10, "Possible Words"
const TDialogTemplate& ColorTemplate();        // 11, "Quillo! Color Selection"
const TDialogTemplate& InputTemplate();        // 4092, one-line input
const TDialogTemplate& HintTemplate();         // 4093, message
const TDialogTemplate& CheckTemplate();        // 12, "Check Entered Puzzle": progress, Cancel
// Controls of the message (4093) and one-line input (4092) templates; OK is 1, Cancel 2.
enum : int { kMessageTextId = 4091, kInputPromptId = 4091, kInputEditId = 4090 };
// Controls of the check template (12): what runs and how far it is; Cancel is 2.
enum : int { kCheckTextId = 101, kCheckProgressId = 102 };
// Buttons of the congratulations template (2); they are also the dialog's results. Its text is
// kYouWonText.
enum : int { kYouWonYes = 101, kYouWonNo = 102, kYouWonExit = 103, kYouWonSaveFavorite = 105,
             kYouWonText = 106 };
// Looks a template up by number; null when there is none.
const TDialogTemplate* FindTemplate(int id);

// The menu and accelerator table "MENU_BAR".
const std::vector<TMenuItem>& MenuBar();

// Hint-button pictures 1..6: 80 x 20 pixels, 16 colours, bold black label on light grey.
// Rows of palette indices (see BitmapPalette), or empty for an unknown number.
struct TBitmap {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> pixels;  // palette index per pixel, row by row, top row first
};
const TBitmap& HintBitmap(int number);
// The 16-colour palette the pictures use, as 0x00BBGGRR colours.
const std::vector<unsigned>& BitmapPalette();
