// App: construction, the main window, start-up, frame events, the saved game and the tutorial.
#include "app/app.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "app/caption.h"
#include "app/frameplacement.h"
#include "app/mainframe.h"
#include "app/programpath.h"
#include "app/puzzlecheck.h"
#include "app/quotefilesearch.h"
#include "classlib/inifile.h"
#include "dialogs/timedialog.h"
#include "dialogs/youwon.h"
#include "display/font.h"
#include "display/quillowindow.h"
#include "display/quotewindow.h"
#include "framework/platform.h"
#include "resources/resources.h"
#include "sources/entered.h"
#include "sources/favorites.h"
#include "sources/memory.h"
#include "sources/savedgame.h"
#include "wordlist/dictionary.h"
#include "wordlist/wordlistdlg.h"

namespace {

constexpr const char* kSavedGameIdKey = "SavedGameId";

std::string CurrentFolder() {
  std::error_code error;
  std::filesystem::path folder = std::filesystem::current_path(error);
  return error ? std::string() : folder.string();
}

}  // namespace

App::App(const char* commandLineQuoteFile)
    : workingFolder_(CurrentFolder()),
      loader_(PuzzleFieldsOf(game_), this),
      frame_(std::make_unique<MyFrameWindow>()),
      client_(std::make_unique<QuilloWindow>(frame_.get(), game_)),
      hintBar_(*frame_),
      options_(*frame_, *client_, hintBar_, game_) {
  if (!workingFolder_.empty()) recorder_.SetPath(workingFolder_ + "/" + kHistoryFileName);
  GameState& state = game_.state;
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

// The panes' peers go before the frame's. Shutdown has normally written the solved-puzzle record
// while the frame could still own a failure's message; otherwise it is written here.
App::~App() {
  cancelledCheck_.reset();  // it may still read the dictionary freed below
  TheMemory().SetOwner(nullptr);
  printer_.reset();
  client_.reset();
  frame_.reset();
  TheMemory().Close();
  FreeWordList();
}

void App::InitMainWindow() {
  MyFrameWindow& frame = *frame_;
  frame.SetHandlers({.command = [this](int id) { Command(id); },
                     .character = [this](int ch) { client_->Char(ch); },
                     .canClose = [this] { return CanCloseFrame(); },
                     .moved = [this] { FrameMoved(); }});
  frame.Create();
  TheMemory().SetOwner(&frame);
  client_->CreateWindows();
  client_->SetTutorialStarter([this] { ViewTutorial(); });
  TFramePeer& framePeer = frame.FramePeer();
  framePeer.SetCaption("Quillo!");
  framePeer.SetMenu(MenuBar());
  framePeer.SetClient(client_.get());

  IniFile& settings = Settings();
  hintBar_.Build(settings.ReadInt("quillo", "HintLocation", kHintsBottom),
                 settings.ReadInt("quillo", "HintOrientation", 0) != 0,
                 settings.ReadInt("quillo", "HintButtons", 1) != 0);

  const FramePlacement placement = SavedFramePlacement();
  frame.Peer().Move(placement.rect);
  frame.Peer().Show(placement.maximized ? TShow::Maximized : TShow::Normal);

  options_.Read();
}

void App::StartFirstGame() {
  GameState& state = game_.state;
  if (!FindReadableQuoteFile(state.quoteFileName, kFileNameSize)) {
    OpenPuzzleFile(false);
    return;
  }
  switch (OfferSavedGame()) {
    case SavedGameOffer::Resumed:
      state.resumed = true;
      break;
    case SavedGameOffer::Damaged:
      DialogService().MessageBox(frame_.get(),
                            "Cannot resume the saved game:\nSomething is wrong with it.  Sorry.",
                            "Error", MB_OK | MB_ICONSTOP);
      NewGame(PuzzleKind::kQuotePuzzle, -1, false);
      break;
    case SavedGameOffer::NotResumed:
      NewGame(PuzzleKind::kQuotePuzzle, -1, false);
      break;
  }
  // The panes draw nothing while a question is up, and a window system that keeps window
  // contents sends no paint when the box goes (a new game skips its repaint before the first
  // paint): ask for the first paint here, which also starts the clock.
  client_->RepaintAll();
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

int App::HintButtonsSetting() const {
  const GameState& state = game_.state;
  const bool visible = state.hintsDisallowed ? state.hintBarWasVisible : hintBar_.IsVisible();
  return visible ? 1 : 0;
}

void App::RestoreWorkingFolder() {
  if (workingFolder_.empty()) return;
  std::error_code error;
  std::filesystem::current_path(workingFolder_, error);
}

TWindow* App::MainWindow() { return frame_.get(); }
int App::DialogFontHeight() { return TheFont().AuxiliaryHeight(); }

// Only a puzzle read from a compressed quote file has a place in the record. The record's
// current puzzle stays that of the last quotation read, so marking it after a typed-in puzzle
// would record a puzzle the player never solved.
void App::MarkPuzzleSolved() {
  const GameState& state = game_.state;
  const bool fromQuoteFile = state.puzzleKind == PuzzleKind::kQuotePuzzle ||
                             state.puzzleKind == PuzzleKind::kTutorialPuzzle;
  if (fromQuoteFile && state.currentPuzzle >= 0) TheMemory().MarkSolved();
}

void App::ShowCaption() {
  if (!frame_ || !frame_->HasPeer()) return;
  CaptionParts parts = CaptionPartsOf(game_);
  const std::optional<Band> band = CurrentBand();
  parts.band = band ? BandName(*band) : nullptr;
  frame_->FramePeer().SetCaption(GameCaption(parts));
}

TWindow* App::MessageOwner() { return client_->Quote().HasPeer() ? &client_->Quote() : nullptr; }

// --- The saved game, typed-in puzzles and the tutorial ---

App::SavedGameOffer App::OfferSavedGame() {
  const std::string stamp = SavedGameStamp();
  switch (ResumeSavedGame(game_, frame_.get())) {
    case kSavedGameResumed:
      recorder_.Continue(game_, SavedGameId(stamp));
      client_->PuzzleTextChanged();
      // A resumed ciphertext puzzle has no hints, as a new one has none.
      AllowHints(game_.state.puzzleKind != PuzzleKind::kCipherEntered);
      PuzzleChanged();
      return SavedGameOffer::Resumed;
    case kSavedGameBroken:
      return SavedGameOffer::Damaged;
    default:
      return SavedGameOffer::NotResumed;
  }
}

// A saved game keeps its history id in the settings, beside the saved file's stamp: the saved-game
// file stays as it was, and a stamp that no longer fits gives the continued game a new id.
void App::SaveGame() {
  if (!::SaveGame(game_, frame_.get()) || game_.state.puzzleKind == PuzzleKind::kTutorialPuzzle) {
    recorder_.Leave(game_, frame_.get());  // nothing was saved: the game is lost
    return;
  }
  const std::uint64_t id = recorder_.Saved(game_, frame_.get());
  const std::string value = id == 0 ? "" : std::to_string(id) + " " + SavedGameStamp();
  Settings().WriteString("quillo", kSavedGameIdKey, value.c_str());
  Settings().Flush(false);
}

std::uint64_t App::SavedGameId(const std::string& stamp) {
  const std::string value = Settings().ReadString("quillo", kSavedGameIdKey, "");
  const std::size_t space = value.find(' ');
  if (stamp.empty() || space == std::string::npos || value.substr(space + 1) != stamp) return 0;
  return std::strtoull(value.c_str(), nullptr, 10);
}

bool App::EnterPuzzleText(bool plaintext) {
  return EnterPuzzle(game_, plaintext, frame_.get(), DialogFontHeight());
}

void App::ChangeTimes() {
  try {
    TimeDialog(MainWindow()).Execute();
  } catch (const std::exception& e) {
    hooks_.ShowMessage(e.what(), "ERROR", MessageIcon::kStop);
  }
}

// Help > View the Tutorial, and Yes to the first-paint offer: puzzle 0 of the shipped collection
// with the fixed key, beside its help page. No new-game question is asked.
void App::ViewTutorial() {
  tutorialRequested_ = true;
  loader_.SetQuoteFile((ProgramFolder() + "quillo.cqt").c_str());
  game_.state.currentPuzzle = -1;
  DialogService().ShowHelp(frame_.get(), HelpPath(), 1000);
  NewGame(PuzzleKind::kTutorialPuzzle, 0, false);
}
