// Tests of the framework core (dialog life cycle, accelerators) and of the fake platform's contract.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/menu.h"
#include "support/fake_platform.h"

namespace {

const TDialogTemplate kOkCancel{50, "Input", {200, 100}, "MS Sans Serif", 8,
                                {{TControlKind::Edit, 10, "", {5, 5, 100, 17}},
                                 {TControlKind::DefaultButton, IDOK, "OK", {5, 80, 50, 94}},
                                 {TControlKind::Button, IDCANCEL, "Cancel", {60, 80, 110, 94}}}};

// Counts the dialog's life-cycle calls and refuses OK while `refuse` is set.
class CountingDialog : public TDialog {
 public:
  explicit CountingDialog(const TDialogTemplate& t = kOkCancel) : TDialog(nullptr, t) {}
  bool CanClose() override { ++canCloseCalls; return !refuse; }
  void CloseWindow(int result) override { closes.push_back(result); }

  bool refuse = false;
  int canCloseCalls = 0;
  std::vector<int> closes;
};

TEST(FrameworkDialog, OkAsksCanCloseCancelEndsAtOnceAndASecondEndIsIgnored) {
  FakePlatform fake;
  CountingDialog dialog;
  dialog.refuse = true;
  fake.ScriptDialog([&](FakeDialog& d) {
    d.Click(IDOK);  // refused: stays open
    EXPECT_FALSE(d.Ended());
    dialog.refuse = false;
    d.Click(IDOK);
  });
  EXPECT_EQ(dialog.Execute(), IDOK);
  EXPECT_EQ(dialog.canCloseCalls, 2);
  EXPECT_EQ(dialog.closes, std::vector<int>{IDOK});

  // A second End (a handler after the dialog ended) must not run CloseWindow again: it saves
  // the placement and would do so with a stale rectangle.
  CountingDialog cancelled;
  cancelled.refuse = true;
  fake.ScriptDialog([&](FakeDialog& d) {
    d.Click(IDCANCEL);
    cancelled.End(IDOK);
  });
  EXPECT_EQ(cancelled.Execute(), IDCANCEL);
  EXPECT_EQ(cancelled.canCloseCalls, 0);
  EXPECT_EQ(cancelled.closes, std::vector<int>{IDCANCEL});
}

TEST(FrameworkMenu, AcceleratorOfSearchesNestedPopups) {
  std::vector<TMenuItem> menu = {
      TMenuItem::Popup("&Game", {TMenuItem::Command("&New Game", 101, "Alt+N"), TMenuItem::Separator(),
                                 TMenuItem::Popup("Print &Options",
                                                  {TMenuItem::Command("&Color", 201),
                                                   TMenuItem::Command("&Maximum size", 202, "F7")})})};
  EXPECT_EQ(AcceleratorOf(menu, 101), "Alt+N");
  EXPECT_EQ(AcceleratorOf(menu, 202), "F7");  // two levels down
  EXPECT_EQ(AcceleratorOf(menu, 201), "");    // no key
  EXPECT_EQ(AcceleratorOf(menu, 0), "");      // separators and popups have id 0
}

// The fake is only worth trusting if a script that does not fit the game fails the test.
TEST(FakePlatformContract, UnscriptedOrMismatchedQuestionsAndDialogsFail) {
  FakePlatform fake;
  int answer = 0;
  EXPECT_NONFATAL_FAILURE(answer = fake.MessageBox(nullptr, "Save the game?", "Quillo!", MB_YESNO),
                          "Save the game?");
  EXPECT_EQ(answer, IDCANCEL);
  fake.AnswerNext(IDYES, "Quit?");
  EXPECT_NONFATAL_FAILURE(fake.MessageBox(nullptr, "Delete?", "Quillo!", MB_YESNO),
                          "meant for \"Quit?\"");

  CountingDialog input;
  EXPECT_NONFATAL_FAILURE(input.Execute(), "unscripted dialog 50");
  fake.ScriptDialog([](FakeDialog& d) { d.Type(10, "abc"); });
  EXPECT_NONFATAL_FAILURE(input.Execute(), "left dialog 50");
  fake.ScriptDialog([](FakeDialog& d) {
    d.Peer().EnableItem(IDOK, false);
    EXPECT_NONFATAL_FAILURE(d.Click(IDOK), "disabled control 1");
    d.Click(IDCANCEL);
  });
  EXPECT_EQ(input.Execute(), IDCANCEL);
  EXPECT_NONFATAL_FAILURE(FakePlatform().AnswerNext(IDYES, "Really?"), "never came");
}

}  // namespace
