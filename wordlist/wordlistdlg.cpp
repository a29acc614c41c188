// WordList: the Possible Words dialog: charge, list, preview and entry of a candidate word.
#include "wordlist/wordlistdlg.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "classlib/inifile.h"
#include "display/wordpreview.h"
#include "engine/game.h"
#include "framework/platform.h"
#include "resources/dlg_wordlist.h"
#include "resources/resources.h"

const char* const kDictionaryMissingMessage =
    "The word list dictionary is missing or has been corrupted.\n"
    "Try going to the Help menu and selecting\n\n"
    "     Online>Update Quillo!>Check the Internet for updates\n\n"
    "to download a new dictionary.";

namespace {

constexpr const char* kNoSelectionMessage =
    "Please select a word from the list first,\nor just double-click a word.";

// Where and how large the list starts, in client pixels.
constexpr TRect kListRect = {12, 12, 12 + 155, 12 + 145};
// The list's sunken edge on each side, outside its client area.
constexpr int kListBorder = 2;
// The list font is never smaller than this height.
constexpr int kSmallestFontHeight = 15;
constexpr std::uint8_t kDefaultCharSet = 1;
// Room for 25 average characters plus this much for the scroll bar and margins.
constexpr int kListWidthMargin = 60;
constexpr int kVisibleRows = 10;
// Selected text is read into a 26-character buffer, as the dictionary's words are.
constexpr std::size_t kCandidateChars = kWordSlotCount;

}  // namespace

WordList::WordList(TWindow* parent, Game& game, WordListStore& store,
                   const std::string& dictionaryPath, const std::string& word, bool alphabetical,
                   int fontHeight, IniFile& settings, std::string section,
                   std::function<void()> repaintPuzzle)
    : FloatDlg(parent, WordListTemplate(), settings, std::move(section)),
      game_(game),
      dictionary_(store.EnsureLoaded(dictionaryPath)),
      pattern_(BuildWordPattern(word, [&game](int c) { return game.GuessFor('a' + c); })),
      alphabetical_(alphabetical),
      fontHeight_(fontHeight),
      repaintPuzzle_(std::move(repaintPuzzle)) {
  if (dictionary_) {
    game_.ChargeWordList(alphabetical_);
  } else {
    DialogService().MessageBox(parent, kDictionaryMissingMessage, "Error", MB_OK | MB_ICONSTOP);
  }
}

void WordList::SetupWindow() {
  Peer().AddControl(alphabetical_ ? TControlKind::SortedListBox : TControlKind::ListBox,
                    kWordListBox, "", kListRect);
  Peer().SetCaption("Possible Words");
  FloatDlg::SetupWindow();
  if (!dictionary_) {
    End(IDCANCEL);
    return;
  }
  SetListFont();
  GrowForFont();
  FillList();
}

void WordList::SetListFont() {
  const bool large = fontHeight_ > kSmallestFontHeight || fontHeight_ < -kSmallestFontHeight;
  TLogFont font;
  font.height = large ? fontHeight_ : -kSmallestFontHeight;
  font.weight = 400;
  font.charSet = kDefaultCharSet;
  font.SetFace("Arial");
  Peer().SetItemFont(kWordListBox, font);
}

// The list grows (never shrinks) to fit its font; the buttons and the dialog follow, the
// buttons staying centred under the list.
void WordList::GrowForFont() {
  const TTextMetrics metrics = Peer().ItemFontMetrics(kWordListBox);
  const TRect list = Peer().ItemRect(kWordListBox);
  const int wantedWidth = 25 * metrics.avgCharWidth + kListWidthMargin;
  const int wantedHeight = kVisibleRows * metrics.height + 2 * kListBorder;
  const int dx = std::max(0, wantedWidth - list.Width());
  const int dy = std::max(0, wantedHeight - list.Height());
  if (dx == 0 && dy == 0) return;
  Peer().MoveItem(kWordListBox, {list.left, list.top, list.right + dx, list.bottom + dy});
  for (int button : {IDOK, IDCANCEL}) {
    Peer().MoveItem(button, Peer().ItemRect(button).Offset(dx / 2, dy));
  }
  const TRect dialog = Peer().WindowRect();
  Peer().MoveWindow({dialog.left, dialog.top, dialog.right + 2 * (dx / 2), dialog.bottom + dy});
}

bool WordList::IsLetterUsed(int plainIndex) { return game_.IsLetterUsed(plainIndex); }

void WordList::FillList() {
  const char* file = game_.state.quoteFileName;
  const std::string_view quoteFile(file, strnlen(file, sizeof game_.state.quoteFileName));
  const std::vector<std::string> candidates =
      ListCandidates(*dictionary_, pattern_, static_cast<int>(game_.state.puzzleKind), quoteFile,
                     [this](int p) { return IsLetterUsed(p); });
  Peer().ListAddAll(kWordListBox, candidates);
}

void WordList::Command(int id, TNotify notify) {
  if (id == kWordListBox) {
    if (notify == TNotify::SelChange) PreviewSelection();
    if (notify == TNotify::DoubleClick) EnterSelection();
  } else if (id == IDOK) {
    EnterSelection();
  } else if (id == IDCANCEL) {
    End(IDCANCEL);
  }
}

void WordList::PreviewSelection() {
  const int selected = Peer().ListSelected(kWordListBox);
  if (selected < 0) {
    TheWordPreview().Hide();
  } else {
    const std::string text = Peer().ListText(kWordListBox, selected).substr(0, kCandidateChars);
    TheWordPreview().Show(PreviewLetters(pattern_, text));
  }
  if (repaintPuzzle_) repaintPuzzle_();
}

void WordList::EnterSelection() {
  TheWordPreview().Hide();
  const int selected = Peer().ListSelected(kWordListBox);
  if (selected < 0) {
    DialogService().MessageBox(Parent(), kNoSelectionMessage, "Error", MB_OK | MB_ICONINFORMATION);
    return;
  }
  const std::string text = Peer().ListText(kWordListBox, selected).substr(0, kCandidateChars);
  game_.ClearSelection();
  // The whole word is one move for Undo.
  game_.RecordMove([&] {
    EnterCandidate(pattern_, text, [this](int p) { return IsLetterUsed(p); },
                   [this](int cipher, int plain) {
                     game_.SelectLetter(cipher, kSelectCipher);
                     game_.SelectLetter(plain, kSelectPlain);
                   });
  });
  End(IDOK);
}

// However the dialog ends (OK, Cancel, Escape, the close box), the puzzle loses the preview.
void WordList::CloseWindow(int result) {
  FloatDlg::CloseWindow(result);
  if (!dictionary_) return;
  TheWordPreview().Hide();
  if (repaintPuzzle_) repaintPuzzle_();
}

void ShowPossibleWords(TWindow* parent, Game& game, const std::string& word, bool alphabetical,
                       const char* section, int fontHeight, const std::string& dictionaryPath,
                       std::function<void()> repaintPuzzle) {
  WordList dialog(parent, game, TheWordListStore(), dictionaryPath, word, alphabetical, fontHeight,
                  Settings(), section ? section : "WordListDialog", std::move(repaintPuzzle));
  try {
    dialog.Execute();
  } catch (const std::runtime_error& e) {
    DialogService().MessageBox(parent, e.what(), "ERROR", MB_OK | MB_ICONSTOP);
  }
}
