// The option commands and the Hint menu against the fake: settings written, marks kept, the bar.
#include <functional>
#include <set>

#include "app_fixture.h"
#include "display/freqwindow.h"
#include "display/quotewindow.h"
#include "resources/commands.h"
#include "resources/resources.h"

namespace {

class AppOptionsTest : public AppFixture {
 protected:
  void Choose(int id) { fake.Command(app().Frame(), id); }
  bool Marked(int id) { return FramePeer().IsChecked(id); }
  FakeWindowPeer& Pane(TWindow& pane) { return fake.Peer(pane); }
};

void CollectIds(const std::vector<TMenuItem>& items, std::set<int>& ids) {
  for (const TMenuItem& item : items) {
    if (!item.children.empty()) CollectIds(item.children, ids);
    else if (!item.separator) ids.insert(item.id);
  }
}

TEST_F(AppOptionsTest, EveryMenuCommandIsWiredOrGreyedNeverBoth) {
  std::set<int> ids;
  CollectIds(MenuBar(), ids);
  const std::set<int> awaiting(CommandsAwaitingWork().begin(), CommandsAwaitingWork().end());
  for (int id : ids) EXPECT_NE(App::HandlesCommand(id), awaiting.count(id) == 1) << id;
  for (int id : awaiting) EXPECT_EQ(ids.count(id), 1u) << id;
}

TEST_F(AppOptionsTest, MarksAtStartUpFollowTheSettings) {
  WriteSettings(
      "QuoteWindowPosition=right\nQuoteWindowHighlightSolution=1\nCase=military\n"
      "FrequencyOrder=0\nWordlistOrder=0\nExplainErrors=0\nShowLetterFrequencies=0\n"
      "PrintColor=1\nHintLocation=9\nHintButtons=0\nPrintMargin=1.25in\n");
  App& game = Start();
  const std::set<int> marked = {kCmdQuoteRight, kCmdHighlightSolution, kCmdCaseMilitary,
                                kCmdFrequencyAlphabetical, kCmdWordsByFrequency,
                                kCmdShowTimeAndScores, kCmdPrintColor, kCmdHintsTop};
  for (int id : {kCmdQuoteLeft, kCmdQuoteRight, kCmdHighlightSolution, kCmdCaseUpper,
                 kCmdCaseLower, kCmdCaseMixed, kCmdCaseMilitary, kCmdFrequencyByCount,
                 kCmdFrequencyAlphabetical, kCmdWordsAlphabetical, kCmdWordsByFrequency,
                 kCmdExplainErrors, kCmdShowFrequencies, kCmdShowTimeAndScores, kCmdPrintColor,
                 kCmdPrintBig, kCmdHintsTop, kCmdHintsBottom, kCmdHintsLeft, kCmdHintsRight,
                 kCmdShowHintButtons}) {
    EXPECT_EQ(Marked(id), marked.count(id) == 1) << id;
  }
  EXPECT_FALSE(FramePeer().toolBarVisible);
  EXPECT_EQ(FramePeer().edge, TEdge::Top);
  EXPECT_DOUBLE_EQ(game.PrintMarginInches(), 1.25);
  EXPECT_FALSE(game.WordListAlphabetical());
  EXPECT_STREQ(game.text.displayText, "HELLO WORLD");
}

TEST_F(AppOptionsTest, TogglesWriteTheirSettingAndMarkAndRepaintAsNeeded) {
  Start();
  FakeWindowPeer& panel = Pane(app().Client().Freq());
  panel.ResetCounts();
  Choose(kCmdShowFrequencies);
  EXPECT_EQ(Setting("ShowLetterFrequencies"), "0");
  EXPECT_FALSE(Marked(kCmdShowFrequencies));
  EXPECT_TRUE(panel.lastInvalidateErased);  // turned off: erased
  panel.ResetCounts();
  Choose(kCmdShowFrequencies);
  EXPECT_EQ(Setting("ShowLetterFrequencies"), "1");
  EXPECT_TRUE(Marked(kCmdShowFrequencies));
  EXPECT_FALSE(panel.lastInvalidateErased);  // turned on: drawn over
  EXPECT_EQ(panel.updateNowCount, 1);

  for (auto [id, key, before] : {std::tuple{kCmdShowTimeAndScores, "ShowTimeAndScores", true},
                                 std::tuple{kCmdExplainErrors, "ExplainErrors", true},
                                 std::tuple{kCmdPrintColor, "PrintColor", false},
                                 std::tuple{kCmdPrintBig, "PrintBig", false}}) {
    Choose(id);
    EXPECT_EQ(Setting(key), before ? "0" : "1") << key;
    EXPECT_EQ(Marked(id), !before) << key;
  }
}

TEST_F(AppOptionsTest, LettersRestyleTheTextAndKeepKeyAndGuesses) {
  App& game = Start();
  const std::string key(reinterpret_cast<const char*>(game.state.key), kLetterCount);
  const char cipherH = static_cast<char>('a' + game.state.key['h' - 'a']);
  game.KeyTyped(cipherH);
  game.KeyTyped('h');
  Choose(kCmdCaseMilitary);
  EXPECT_EQ(Setting("Case"), "Military");
  EXPECT_TRUE(Marked(kCmdCaseMilitary));
  EXPECT_FALSE(Marked(kCmdCaseMixed));
  EXPECT_STREQ(game.text.displayText, "HELLO WORLD");
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(game.state.key), kLetterCount), key);
  EXPECT_EQ(game.text.puzzleText[0], cipherH - 'a' + 'A');
  EXPECT_EQ(game.state.guess[cipherH - 'a'], 'H');
  Choose(kCmdCaseLower);
  EXPECT_EQ(Setting("Case"), "Lower");
  EXPECT_STREQ(game.text.displayText, "hello, world");
  EXPECT_TRUE(Marked(kCmdCaseLower));
  EXPECT_FALSE(Marked(kCmdCaseMilitary));
}

TEST_F(AppOptionsTest, QuoteWindowSideHighlightAndOrders) {
  App& game = Start();
  fake.Resize(game.Frame(), 600, 400);
  Choose(kCmdQuoteRight);
  EXPECT_EQ(Setting("QuoteWindowPosition"), "Right");
  EXPECT_TRUE(Marked(kCmdQuoteRight));
  EXPECT_FALSE(Marked(kCmdQuoteLeft));
  EXPECT_EQ(Pane(game.Client().Freq()).windowRect.left, 0);
  Choose(kCmdQuoteLeft);
  EXPECT_EQ(Setting("QuoteWindowPosition"), "Left");
  EXPECT_GT(Pane(game.Client().Freq()).windowRect.left, 0);

  Choose(kCmdHighlightSolution);
  EXPECT_EQ(Setting("QuoteWindowHighlightSolution"), "1");
  EXPECT_TRUE(Marked(kCmdHighlightSolution));

  FakeWindowPeer& panel = Pane(game.Client().Freq());
  panel.ResetCounts();
  Choose(kCmdFrequencyByCount);  // already so: nothing at all
  EXPECT_EQ(Setting("FrequencyOrder"), "<absent>");
  EXPECT_EQ(panel.invalidateCount, 0);
  Choose(kCmdFrequencyAlphabetical);
  EXPECT_EQ(Setting("FrequencyOrder"), "0");
  EXPECT_TRUE(Marked(kCmdFrequencyAlphabetical));
  EXPECT_FALSE(Marked(kCmdFrequencyByCount));
  EXPECT_EQ(panel.invalidateCount, 1);

  Choose(kCmdWordsByFrequency);
  EXPECT_EQ(Setting("WordlistOrder"), "0");
  EXPECT_TRUE(Marked(kCmdWordsByFrequency));
  EXPECT_FALSE(Marked(kCmdWordsAlphabetical));
  EXPECT_FALSE(game.WordListAlphabetical());
}

TEST_F(AppOptionsTest, HintButtonEdgesShowTheBarFirstAndMoveIt) {
  WriteSettings("HintButtons=0\n");
  Start();
  EXPECT_FALSE(Marked(kCmdShowHintButtons));
  Choose(kCmdHintsLeft);
  EXPECT_TRUE(FramePeer().toolBarVisible);
  EXPECT_TRUE(Marked(kCmdShowHintButtons));
  EXPECT_EQ(Setting("HintLocation"), "3");
  EXPECT_EQ(Setting("HintOrientation"), "1");
  EXPECT_EQ(FramePeer().edge, TEdge::Left);
  EXPECT_TRUE(FramePeer().vertical);
  EXPECT_TRUE(Marked(kCmdHintsLeft));
  EXPECT_FALSE(Marked(kCmdHintsBottom));
  Choose(kCmdHintsTop);
  EXPECT_EQ(Setting("HintLocation"), "1");
  EXPECT_EQ(Setting("HintOrientation"), "0");
  EXPECT_EQ(FramePeer().edge, TEdge::Top);
  EXPECT_FALSE(FramePeer().vertical);
  EXPECT_TRUE(FramePeer().toolBarVisible);  // a shown bar stays shown
  Choose(kCmdShowHintButtons);
  EXPECT_FALSE(FramePeer().toolBarVisible);
  app().Exit();
  EXPECT_EQ(Setting("HintButtons"), "0");
}

TEST_F(AppOptionsTest, EnteredCiphertextGreysTheHintMenuAndAQuoteFileGameRestoresIt) {
  App& game = Start();
  std::snprintf(game.text.displayText, kQuoteBufferSize, "%s", "Xyz abc");
  game.NewGame(kCipherEntered, 0, true);
  EXPECT_FALSE(FramePeer().IsTopMenuEnabled(2));
  EXPECT_FALSE(FramePeer().toolBarVisible);
  EXPECT_FALSE(Marked(kCmdShowHintButtons));

  // The bar cannot be shown meanwhile, and the greyed commands do not run.
  Choose(kCmdShowHintButtons);
  EXPECT_EQ(fake.LastMessage(), (MessageBoxRecord{"No hints are possible with a puzzle\nthat you "
                                                  "entered as ciphertext.",
                                                  "Sorry!", MB_OK | MB_ICONINFORMATION}));
  EXPECT_FALSE(FramePeer().toolBarVisible);
  for (int id : {kCmdConfirm, kCmdUndoError, kCmdLittleHint, kCmdBigHint, kCmdSolvePuzzle}) Choose(id);
  EXPECT_EQ(game.panel.confirmCount + game.panel.undoCount + game.panel.littleHintCount +
                game.panel.bigHintCount, 0);
  EXPECT_EQ(game.state.guess[0], ' ');

  game.NewGame(kQuotePuzzle, -1, false);
  EXPECT_TRUE(FramePeer().IsTopMenuEnabled(2));
  EXPECT_TRUE(FramePeer().toolBarVisible);
  EXPECT_TRUE(Marked(kCmdShowHintButtons));
  Choose(kCmdConfirm);
  EXPECT_EQ(game.panel.confirmCount, 1);
}

TEST_F(AppOptionsTest, HintButtonsRemembersTheBarAsItWasBeforeHintsWereDisallowed) {
  App& game = Start();
  game.AllowHints(false);
  game.Shutdown();
  EXPECT_EQ(Setting("HintButtons"), "1");

  FramePeer().hasMenu = false;
  game.AllowHints(true);
  game.AllowHints(false);
  EXPECT_EQ(fake.LastMessage(), (MessageBoxRecord{"Cannot disallow hints - no menu!", "Error", MB_OK}));
}

}  // namespace
