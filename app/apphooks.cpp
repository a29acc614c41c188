// AppHooks: the engine's requests passed on to App's windows, dialogs and game course.
#include "app/apphooks.h"

#include "app/app.h"
#include "app/mainframe.h"
#include "app/programpath.h"
#include "classlib/inifile.h"
#include "dialogs/youwon.h"
#include "display/quillowindow.h"
#include "display/quotewindow.h"
#include "resources/resources.h"
#include "sources/casestyle.h"
#include "sources/favorites.h"
#include "wordlist/wordlistdlg.h"

void AppHooks::Redraw() { app_.Client().Redraw(); }
void AppHooks::RepaintAll() { app_.Client().RepaintAll(); }
void AppHooks::RedrawTime() { app_.Client().RedrawTime(); }
void AppHooks::PuzzleTextChanged() {
  app_.Client().PuzzleTextChanged();
  app_.ShowCaption();
}
void AppHooks::StartClockTimer() { app_.Client().StartClockTimer(); }
void AppHooks::StopClockTimer() { app_.Client().StopClockTimer(); }

bool AppHooks::IsMainWindowMinimised() {
  return app_.Frame().HasPeer() && app_.Frame().Peer().IsIconic();
}

// Pause Game hides the frame and shows it again as it was, maximised or not.
void AppHooks::ShowMainFrame(bool show) {
  if (!app_.Frame().HasPeer()) return;
  TWindowPeer& peer = app_.Frame().Peer();
  if (!show) {
    frameWasZoomed_ = peer.IsZoomed();
    peer.Show(TShow::Hide);
  } else {
    peer.Show(frameWasZoomed_ ? TShow::Maximized : TShow::Normal);
  }
}

bool AppHooks::IsMilitaryStyle() { return CurrentCaseStyle() == kCaseMilitary; }

WinChoice AppHooks::ShowYouWonDialog() {
  YouWonDialog dialog(&app_.Client().Quote(), Settings(), "YouWonDialog",
                      [this] { SaveFavorite(app_.TheGame(), app_.MainWindow()); },
                      WinSummary(app_.TheGame().panel));
  switch (dialog.Execute()) {
    case kYouWonYes:
      return WinChoice::kNextGame;
    case kYouWonExit:
      return WinChoice::kExit;
    default:
      return WinChoice::kStay;
  }
}

void AppHooks::MarkPuzzleSolved(bool revealed, int seconds) {
  app_.MarkPuzzleSolved();
  app_.RecordFinish(revealed ? Outcome::Revealed : Outcome::Solved, seconds);
}

void AppHooks::NewGame(PuzzleKind kind, int puzzleNumber, bool textReady) {
  app_.NewGame(kind, puzzleNumber, textReady);
}

void AppHooks::Shutdown() { app_.Shutdown(); }

// The Possible Words dialog charges its own penalty through ChargeWordList.
void AppHooks::OpenWordList(const std::string& word, bool alphabetical,
                            const char* placementKey) {
  ShowPossibleWords(app_.MainWindow(), app_.TheGame(), word, alphabetical, placementKey,
                    DialogFontHeight(), WordListPath(), [this] { Redraw(); });
}

TWindow* AppHooks::MessageWindow() { return app_.MainWindow(); }
int AppHooks::DialogFontHeight() { return app_.DialogFontHeight(); }
