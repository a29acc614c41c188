// App: construction, the main window, and the engine's requests passed on to the windows.
#include "app/app.h"

#include <cstring>
#include <filesystem>
#include <system_error>

#include "app/frameplacement.h"
#include "app/mainframe.h"
#include "app/programpath.h"
#include "app/quotefilesearch.h"
#include "classlib/inifile.h"
#include "dialogs/youwon.h"
#include "display/font.h"
#include "display/quillowindow.h"
#include "display/quotewindow.h"
#include "framework/platform.h"
#include "resources/resources.h"
#include "sources/memory.h"

namespace {

// The congratulations dialog while Save Favorite has no work behind it: its button is greyed
// instead of doing nothing. The change that brings favourites passes the work and drops this.
class WinDialog : public YouWonDialog {
 public:
  WinDialog(TWindow* parent, std::function<void()> saveFavorite)
      : YouWonDialog(parent, Settings(), "YouWonDialog", saveFavorite),
        canSaveFavorite_(static_cast<bool>(saveFavorite)) {}

  void SetupWindow() override {
    YouWonDialog::SetupWindow();
    if (!canSaveFavorite_) Peer().EnableItem(kYouWonSaveFavorite, false);
  }

 private:
  bool canSaveFavorite_;
};

std::string CurrentFolder() {
  std::error_code error;
  std::filesystem::path folder = std::filesystem::current_path(error);
  return error ? std::string() : folder.string();
}

}  // namespace

App::App(const char* commandLineQuoteFile)
    : Game(static_cast<GameHooks&>(*this)),
      workingFolder_(CurrentFolder()),
      loader_(PuzzleFieldsOf(*this), this),
      frame_(std::make_unique<MyFrameWindow>()),
      client_(std::make_unique<QuilloWindow>(frame_.get(), *this)),
      hintBar_(*frame_) {
  if (commandLineQuoteFile) {
    loader_.SetQuoteFile(commandLineQuoteFile);
    return;
  }
  Settings().ReadString("quillo", "QuoteFile", "", state.quoteFileName, kFileNameSize);
  if (state.quoteFileName[0] == '\0') {
    const std::string standard = ProgramFolder() + "quillo.cqt";
    std::strncpy(state.quoteFileName, standard.c_str(), kFileNameSize - 1);
    state.quoteFileName[kFileNameSize - 1] = '\0';
  }
}

// The panes' peers go before the frame's; the solved-puzzle record is written while message
// boxes can still report a failure.
App::~App() {
  client_.reset();
  frame_.reset();
  TheMemory().Close();
}

void App::InitMainWindow() {
  MyFrameWindow& frame = *frame_;
  frame.SetHandlers({.command = [this](int id) { Command(id); },
                     .character = [this](int ch) { client_->Char(ch); },
                     .canClose = [this] { return CanCloseFrame(); },
                     .moved = [this] { FrameMoved(); }});
  frame.Create();
  client_->CreateWindows();
  client_->SetTutorialStarter([this] { ViewTutorial(); });
  TWindowPeer& peer = frame.Peer();
  peer.SetCaption("Quillo!");
  peer.SetMenu(MenuBar());
  peer.SetClient(client_.get());

  IniFile& settings = Settings();
  hintBar_.Build(settings.ReadInt("quillo", "HintLocation", kHintsBottom),
                 settings.ReadInt("quillo", "HintOrientation", 0) != 0,
                 settings.ReadInt("quillo", "HintButtons", 1) != 0);

  const FramePlacement placement = SavedFramePlacement();
  peer.Move(placement.rect);
  peer.Show(placement.maximized ? TShow::Maximized : TShow::Normal);

  ReadOptionFlags();
  SetCheckMarks();
  GreyCommandsAwaitingWork();
}

void App::StartFirstGame() {
  if (!FindReadableQuoteFile(state.quoteFileName, kFileNameSize)) {
    OpenPuzzleFile(false);
    return;
  }
  switch (OfferSavedGame()) {
    case SavedGameOffer::Resumed:
      state.resumed = 1;
      return;
    case SavedGameOffer::Damaged:
      Platform().MessageBox(frame_.get(),
                            "Cannot resume the saved game:\nSomething is wrong with it.  Sorry.",
                            "Error", MB_OK | MB_ICONSTOP);
      break;
    case SavedGameOffer::NotResumed:
      break;
  }
  NewGame(kQuotePuzzle, -1, false);
}

// --- Frame events ---

bool App::CanCloseFrame() {
  if (AskSaveGame() == IDCANCEL) return false;
  Shutdown();
  return true;
}

void App::FrameMoved() {
  if (!frame_->HasPeer()) return;
  const TRect outer = frame_->Peer().WindowRect();
  Settings().WriteInt("quillo", "WindowX", outer.left);
  Settings().WriteInt("quillo", "WindowY", outer.top);
}

void App::CheckMark(int id, bool checked) {
  if (frame_->HasPeer()) frame_->Peer().CheckMenuItem(id, checked);
}

int App::HintButtonsSetting() const {
  const bool visible = state.hintsDisallowed ? state.hintBarWasVisible != 0 : hintBar_.IsVisible();
  return visible ? 1 : 0;
}

void App::RestoreWorkingFolder() {
  if (workingFolder_.empty()) return;
  std::error_code error;
  std::filesystem::current_path(workingFolder_, error);
}

// --- GameHooks ---

void App::Redraw() { client_->Redraw(); }
void App::RepaintAll() { client_->RepaintAll(); }
void App::RedrawTime() { client_->RedrawTime(); }
void App::PuzzleTextChanged() { client_->PuzzleTextChanged(); }
void App::StartClockTimer() { client_->StartClockTimer(); }
void App::StopClockTimer() { client_->StopClockTimer(); }

bool App::IsMainWindowMinimised() { return frame_->HasPeer() && frame_->Peer().IsIconic(); }

// Pause Game hides the frame and shows it again as it was, maximised or not.
void App::ShowMainFrame(bool show) {
  if (!frame_->HasPeer()) return;
  TWindowPeer& peer = frame_->Peer();
  if (!show) {
    frameWasZoomed_ = peer.IsZoomed();
    peer.Show(TShow::Hide);
  } else {
    peer.Show(frameWasZoomed_ ? TShow::Maximized : TShow::Normal);
  }
}

TWindow* App::MainWindow() { return frame_.get(); }
int App::DialogFontHeight() { return TheFont().AuxiliaryHeight(); }
bool App::IsMilitaryStyle() { return CurrentCaseStyle() == kCaseMilitary; }

// Save Favorite gets its work with the favourites file; until then the button is greyed.
int App::ShowYouWonDialog() { return WinDialog(&client_->Quote(), {}).Execute(); }

// Only a puzzle read from a compressed quote file has a place in the record. The record's
// current puzzle stays that of the last quotation read, so marking it after a typed-in puzzle
// would record a puzzle the player never solved.
void App::MarkPuzzleSolved() {
  const bool fromQuoteFile = state.puzzleKind == kQuotePuzzle || state.puzzleKind == kTutorialPuzzle;
  if (fromQuoteFile && state.currentPuzzle >= 0) TheMemory().MarkSolved();
}

// The Possible Words dialog arrives with the word-list change; it is opened from here, and it
// charges its own penalty through ChargeWordList. Until then a word-list request shows nothing.
void App::OpenWordList(const std::string& word, bool alphabetical, const char* placementKey) {
  (void)word;
  (void)alphabetical;
  (void)placementKey;
}

TWindow* App::MessageOwner() { return client_->Quote().HasPeer() ? &client_->Quote() : nullptr; }

// --- Hook points for later work ---

// The saved game ("Continue the unfinished game\nyou saved earlier?") arrives with the saved-game
// change: it returns Resumed with the saved state in place, Damaged for a file it cannot use, or
// NotResumed. Until then there is no saved game to offer.
App::SavedGameOffer App::OfferSavedGame() { return SavedGameOffer::NotResumed; }

// Writes the saved game when the player answers Yes to the save question. Arrives with the
// saved-game change; until then the answer Yes saves nothing.
void App::SaveGame() {}

// The entry dialog of a typed-in puzzle (ciphertext or plaintext); true when the player
// confirmed a text, which is then in quoteText and displayText. Arrives with the entered-puzzle
// change, whose menu commands are greyed until then; false makes NewGame fall back to a
// quotation from the quote file.
bool App::EnterPuzzleText(bool plaintext) {
  (void)plaintext;
  return false;
}

// Yes to the first-paint tutorial offer (the panel has already written Tutorial = 1). The
// tutorial itself arrives with the help change, which calls its View the Tutorial command here.
void App::ViewTutorial() { tutorialRequested_ = true; }
