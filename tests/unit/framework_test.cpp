// Tests of the framework core (dialog life cycle, accelerators) and of the fake platform's own logic.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/fake_platform.h"
#include "framework/menu.h"
#include "support/recording_dc.h"
#include "support/testing.h"

namespace {

TDialogTemplate MakeTemplate(int id, std::string caption, std::vector<TControlDesc> controls) {
  TDialogTemplate t;
  t.id = id;
  t.caption = std::move(caption);
  t.size = {200, 100};
  t.controls = std::move(controls);
  return t;
}

const TDialogTemplate kOkCancel = MakeTemplate(
    50, "Input", {{TControlKind::Edit, 10, "", {5, 5, 100, 17}},
                  {TControlKind::DefaultButton, IDOK, "OK", {5, 80, 50, 94}},
                  {TControlKind::Button, IDCANCEL, "Cancel", {60, 80, 110, 94}}});

// Counts the dialog's life-cycle calls and refuses OK while `refuse` is set.
class CountingDialog : public TDialog {
 public:
  explicit CountingDialog(const TDialogTemplate& t = kOkCancel) : TDialog(nullptr, t) {}
  bool CanClose() override {
    ++canCloseCalls;
    return !refuse;
  }
  void CloseWindow(int result) override { closes.push_back(result); }
  void Command(int id, TNotify notify) override {
    commands.push_back(id);
    TDialog::Command(id, notify);
  }

  bool refuse = false;
  int canCloseCalls = 0;
  std::vector<int> closes;
  std::vector<int> commands;
};

TEST(FrameworkDialog, OkAsksCanCloseAndCancelEndsAtOnce) {
  FakePlatform fake;
  CountingDialog dialog;
  dialog.refuse = true;
  fake.ScriptDialog([&](FakeDialog& d) {
    d.Click(IDOK);  // refused: stays open
    EXPECT_FALSE(d.Ended());
    dialog.refuse = false;
    d.Click(IDOK);
    EXPECT_TRUE(d.Ended());
  });
  EXPECT_EQ(dialog.Execute(), IDOK);
  EXPECT_EQ(dialog.canCloseCalls, 2);
  EXPECT_EQ(dialog.closes, std::vector<int>{IDOK});
  EXPECT_FALSE(dialog.IsRunning());

  CountingDialog cancelled;
  cancelled.refuse = true;
  fake.ScriptDialog([](FakeDialog& d) { d.Click(IDCANCEL); });
  EXPECT_EQ(cancelled.Execute(), IDCANCEL);
  EXPECT_EQ(cancelled.canCloseCalls, 0);
  EXPECT_EQ(cancelled.closes, std::vector<int>{IDCANCEL});

  // Notifications other than clicks on OK do not end it; the close box ends with IDCANCEL.
  CountingDialog closed;
  fake.ScriptDialog([](FakeDialog& d) {
    d.Type(10, "x");
    d.Dialog().Command(IDOK, TNotify::EditChange);
    EXPECT_FALSE(d.Ended());
    d.CloseBox();
  });
  EXPECT_EQ(closed.Execute(), IDCANCEL);
  EXPECT_EQ(closed.closes, std::vector<int>{IDCANCEL});
  EXPECT_EQ(closed.commands, (std::vector<int>{10, IDOK}));
}

// A second End (say from a handler after the dialog has already ended) must not run
// CloseWindow again: it saves the placement and would do so with a stale rectangle.
TEST(FrameworkDialog, SecondEndDoesNotCloseAgain) {
  FakePlatform fake;
  CountingDialog dialog;
  fake.ScriptDialog([&](FakeDialog& d) {
    d.Click(IDCANCEL);
    dialog.End(IDOK);
  });
  EXPECT_EQ(dialog.Execute(), IDCANCEL);
  EXPECT_EQ(dialog.closes, std::vector<int>{IDCANCEL});
}

TEST(FrameworkMenu, AcceleratorOfSearchesNestedPopups) {
  std::vector<TMenuItem> menu = {
      TMenuItem::Popup("&Game", {TMenuItem::Command("&New Game", 101, "Alt+N"), TMenuItem::Separator(),
                                 TMenuItem::Popup("Print &Options",
                                                  {TMenuItem::Command("&Color", 201),
                                                   TMenuItem::Command("&Maximum size", 202, "F7")})}),
      TMenuItem::Popup("&Help", {TMenuItem::Command("&Contents", 301, "F1")})};
  EXPECT_EQ(AcceleratorOf(menu, 101), "Alt+N");
  EXPECT_EQ(AcceleratorOf(menu, 202), "F7");  // two levels down
  EXPECT_EQ(AcceleratorOf(menu, 301), "F1");
  EXPECT_EQ(AcceleratorOf(menu, 201), "");    // no key
  EXPECT_EQ(AcceleratorOf(menu, 0), "");      // separators and popups have id 0
  EXPECT_EQ(AcceleratorOf(menu, 999), "");
}

TEST(FakeMessageBoxes, QuestionsNeedScriptedAnswers) {
  FakePlatform fake;
  int answer = 0;
  EXPECT_NONFATAL_FAILURE(answer = fake.MessageBox(nullptr, "Save the game?", "Quillo!", MB_YESNO),
                          "Save the game?");
  EXPECT_EQ(answer, IDCANCEL);

  // OK-only boxes take no answer and leave the queue alone.
  fake.AnswerNext(IDNO, "Start over?");
  EXPECT_EQ(fake.MessageBox(nullptr, "Done.", "Notice", MB_OK | MB_ICONINFORMATION), IDOK);
  EXPECT_EQ(fake.MessageBox(nullptr, "Start over?", "Quillo!", MB_YESNOCANCEL | MB_ICONQUESTION), IDNO);

  // An answer meant for another box, or not one of the box's buttons, fails.
  fake.AnswerNext(IDYES, "Quit?");
  EXPECT_NONFATAL_FAILURE(fake.MessageBox(nullptr, "Delete?", "Quillo!", MB_YESNO), "meant for \"Quit?\"");
  fake.AnswerNext(IDYES);
  EXPECT_NONFATAL_FAILURE(answer = fake.MessageBox(nullptr, "Print?", "Quillo!", MB_OKCANCEL),
                          "not a button");
  EXPECT_EQ(answer, IDCANCEL);

  EXPECT_EQ(fake.Messages().size(), 5u);
  EXPECT_EQ(fake.Messages()[1], (MessageBoxRecord{"Done.", "Notice", MB_OK | MB_ICONINFORMATION}));
  EXPECT_EQ(fake.LastMessage().answer, IDCANCEL);

  // An answer nobody asked for fails when the fake goes away.
  EXPECT_NONFATAL_FAILURE(
      {
        FakePlatform unused;
        unused.AnswerNext(IDYES, "Really?");
      },
      "never came");
}

TEST(FakeDialogs, UnscriptedDialogsOnlyEndThemselvesWhenMessageStyle) {
  FakePlatform fake;
  TDialogTemplate message = MakeTemplate(
      60, "Sorry!", {{TControlKind::Static, 4091, "Nope", {5, 5, 100, 20}},
                     {TControlKind::DefaultButton, IDOK, "OK", {5, 30, 50, 44}}});
  CountingDialog hint(message);
  EXPECT_EQ(hint.Execute(), IDOK);
  EXPECT_FALSE(fake.LastDialog().scripted);
  EXPECT_EQ(fake.LastDialog().Text(4091), "Nope");

  CountingDialog input;
  int result = 0;
  EXPECT_NONFATAL_FAILURE(result = input.Execute(), "unscripted dialog 50");
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_EQ(input.closes, std::vector<int>{IDCANCEL});

  // A script that leaves the dialog open fails, and so does one meant for another template.
  fake.ScriptDialog([](FakeDialog& d) { d.Type(10, "abc"); });
  EXPECT_NONFATAL_FAILURE(result = input.Execute(), "left dialog 50");
  EXPECT_EQ(fake.LastDialog().Text(10), "abc");
  fake.ScriptDialog(99, [](FakeDialog& d) { d.Click(IDOK); });
  EXPECT_NONFATAL_FAILURE(input.Execute(), "does not match");
  EXPECT_EQ(fake.PendingScripts(), 1u);
  fake.FailNextDialogs();
  EXPECT_THROW(input.Execute(), std::runtime_error);
  EXPECT_FALSE(input.IsRunning());
  EXPECT_NONFATAL_FAILURE(fake.VerifyAnswersUsed(), "never ran");  // and drops it
}

TEST(FakeDialogs, NestedDialogsAndBoxesRunInOrder) {
  FakePlatform fake;
  // The inner dialog runs from the outer dialog's Command, as a button that opens another would.
  class Outer : public CountingDialog {
   public:
    void Command(int id, TNotify notify) override {
      if (id == 10 && notify == TNotify::EditChange) {
        CountingDialog inner;
        innerResult = inner.Execute();
        answer = Platform().MessageBox(nullptr, "Keep it?", "Quillo!", MB_YESNO);
      }
      CountingDialog::Command(id, notify);
    }
    int innerResult = 0;
    int answer = 0;
  } outer;

  fake.ScriptDialog(50, [](FakeDialog& d) { d.Type(10, "first"); d.Click(IDOK); });
  fake.ScriptDialog(50, [](FakeDialog& d) { d.Type(10, "second"); d.Click(IDCANCEL); });
  fake.AnswerNext(IDYES, "Keep it?");
  EXPECT_EQ(outer.Execute(), IDOK);
  EXPECT_EQ(outer.innerResult, IDCANCEL);
  EXPECT_EQ(outer.answer, IDYES);
  ASSERT_EQ(fake.Dialogs().size(), 2u);
  EXPECT_EQ(fake.Dialogs()[0].Text(10), "first");   // records in start order
  EXPECT_EQ(fake.Dialogs()[1].Text(10), "second");
  EXPECT_EQ(fake.Transcript(), (std::vector<std::string>{"dialog Input", "dialog Input", "box Quillo!: Keep it?"}));
}

TEST(FakeDialogs, ControlsBehaveLikeTheRealOnes) {
  FakePlatform fake;
  TDialogTemplate t = MakeTemplate(
      70, "Options",
      {{TControlKind::GroupBox, 1000, "Mode", {0, 0, 100, 60}},
       {TControlKind::Radio, 11, "a", {5, 10, 90, 20}},
       {TControlKind::Radio, 12, "b", {5, 25, 90, 35}},
       {TControlKind::Radio, 21, "c", {120, 10, 190, 20}},  // outside the box, next in order
       {TControlKind::Radio, 22, "d", {120, 25, 190, 35}},
       {TControlKind::Check, 30, "e", {5, 70, 90, 80}},
       {TControlKind::Radio, 41, "f", {120, 70, 190, 80}},  // a run of its own after the check box
       {TControlKind::Edit, 50, "", {5, 85, 90, 95}},
       {TControlKind::SortedListBox, 60, "", {100, 85, 190, 150}},
       {TControlKind::DefaultButton, IDOK, "OK", {5, 150, 50, 160}}});
  CountingDialog dialog(t);
  fake.ScriptDialog(70, [](FakeDialog& d) {
    d.Peer().SetCheck(12, true);
    d.Peer().SetCheck(22, true);
    d.Peer().SetCheck(41, true);
    d.Click(11);
    EXPECT_TRUE(d.IsChecked(11));
    EXPECT_FALSE(d.IsChecked(12));
    EXPECT_TRUE(d.IsChecked(22));  // another group
    d.Click(21);
    EXPECT_FALSE(d.IsChecked(22));
    EXPECT_TRUE(d.IsChecked(11));
    EXPECT_TRUE(d.IsChecked(41));
    d.Click(30);
    d.Click(30);
    d.Click(30);
    EXPECT_TRUE(d.IsChecked(30));

    d.Peer().SetEditLimit(50, 3);
    d.Type(50, "abcdef");
    EXPECT_EQ(d.Text(50), "abc");
    EXPECT_TRUE(d.IsModified(50));
    d.Peer().SetItemText(50, "longer than the limit");  // programs are not held to it
    EXPECT_FALSE(d.IsModified(50));

    EXPECT_EQ(d.Peer().ListAdd(60, "pear", 1), 0);
    EXPECT_EQ(d.Peer().ListAdd(60, "Apple", 2), 0);
    EXPECT_EQ(d.Peer().ListAdd(60, "banana", 3), 1);
    d.Select(60, 2);
    EXPECT_EQ(d.ListItems(60), (std::vector<std::string>{"Apple", "banana", "pear"}));
    EXPECT_EQ(d.Peer().ListData(60, d.Selected(60)), 1);
    EXPECT_EQ(d.Peer().ListText(60, 3), "");

    d.Peer().EnableItem(IDOK, false);
    EXPECT_NONFATAL_FAILURE(d.Click(IDOK), "disabled control 1");
    EXPECT_FALSE(d.Ended());
    EXPECT_NONFATAL_FAILURE(d.Text(77), "no control 77");
    d.Peer().EnableItem(IDOK, true);
    d.Click(IDOK);
  });
  EXPECT_EQ(dialog.Execute(), IDOK);
  EXPECT_EQ(dialog.commands, (std::vector<int>{11, 21, 30, 30, 30, 50, 60, IDOK}));
}

// A window that records the handlers the fake delivers.
class ProbeWindow : public TWindow {
 public:
  explicit ProbeWindow(TWindow* parent = nullptr) : TWindow(parent) {}
  void Paint(TDC& dc) override {
    ++paints;
    dc.TextOut(0, 0, "x");
    if (reinvalidate-- > 0) Invalidate(false);
  }
  void Size(TSize size) override { sizes.push_back(size); }
  void Moved() override { ++moves; }
  void Timer(int id) override { ticks.push_back(id); }
  void LButtonDown(TPoint, unsigned) override { shiftHeld = Platform().IsKeyDown(TKey::Shift); }

  bool shiftHeld = false;
  int paints = 0;
  int reinvalidate = 0;
  int moves = 0;
  std::vector<TSize> sizes;
  std::vector<int> ticks;
};

class ProbeFrame : public ProbeWindow {
 public:
  bool IsFrame() const override { return true; }
};

TEST(FakeWindows, DeliverSizeMovePaintAndTimers) {
  FakePlatform fake;
  ProbeFrame frame;
  ProbeWindow pane(&frame);
  frame.Create();
  pane.Create();
  FakeWindowPeer& peer = fake.Peer(frame);
  peer.SetClient(&pane);
  EXPECT_EQ(peer.WindowRect(), (TRect{0, 0, 560, 481}));
  EXPECT_EQ(pane.ClientRect(), (TRect{0, 0, 0, 0}));

  peer.Move({10, 20, 570, 501});  // position only
  EXPECT_EQ(frame.moves, 1);
  EXPECT_TRUE(frame.sizes.empty());
  fake.Resize(frame, 600, 400);  // the client pane follows the frame
  EXPECT_EQ(frame.sizes, std::vector<TSize>{(TSize{600, 400})});
  EXPECT_EQ(pane.sizes, std::vector<TSize>{(TSize{600, 400})});

  peer.Show(TShow::Maximized);
  EXPECT_TRUE(peer.IsZoomed());
  EXPECT_EQ(peer.WindowRect(), fake.workArea);
  peer.Show(TShow::Normal);
  EXPECT_EQ(peer.WindowRect(), (TRect{10, 20, 610, 420}));

  // UpdateNow paints only with an invalidation pending; PaintPending settles re-invalidation.
  pane.UpdateNow();
  EXPECT_EQ(pane.paints, 0);
  pane.Invalidate(false);
  pane.UpdateNow();
  EXPECT_EQ(pane.paints, 1);
  ASSERT_TRUE(fake.Peer(pane).lastPaint.has_value());
  EXPECT_EQ(fake.Peer(pane).lastPaint->Texts(), std::vector<std::string>{"x"});
  pane.reinvalidate = 2;
  pane.Invalidate();
  EXPECT_EQ(fake.PaintPending(), 3);

  fake.Peer(pane).SetTimer(1, 1000);
  EXPECT_TRUE(fake.Tick(pane, 1));
  EXPECT_FALSE(fake.Tick(pane, 2));
  fake.Peer(pane).KillTimer(1);
  EXPECT_FALSE(fake.Tick(pane, 1));
  EXPECT_EQ(pane.ticks, std::vector<int>{1});

  fake.Click(pane, {5, 5}, kModShift);  // the key reads as held during the click only
  EXPECT_TRUE(pane.shiftHeld);
  EXPECT_FALSE(fake.IsKeyDown(TKey::Shift));
}

TEST(FakeWindows, MenuCommandsRespectGreying) {
  FakePlatform fake;
  struct Frame : ProbeFrame {
    void Command(int id) override { ids.push_back(id); }
    std::vector<int> ids;
  } frame;
  frame.Create();
  FakeWindowPeer& peer = fake.Peer(frame);
  peer.SetMenu({TMenuItem::Popup("&Game", {TMenuItem::Command("&New", 1), TMenuItem::Command("&Solve", 2)}),
                TMenuItem::Popup("&Help", {TMenuItem::Command("&About", 3)})});
  peer.EnableMenuItem(2, false);
  peer.EnableTopMenu(1, false);
  EXPECT_TRUE(fake.MenuCommand(frame, 1));
  EXPECT_FALSE(fake.MenuCommand(frame, 2));  // greyed item
  EXPECT_FALSE(fake.MenuCommand(frame, 3));  // greyed top-level menu
  EXPECT_FALSE(fake.MenuCommand(frame, 4));  // not in the menu
  fake.Command(frame, 3);                    // a tool button or key still gets through
  EXPECT_EQ(frame.ids, (std::vector<int>{1, 3}));
}

TEST(RecordingDCTest, FindsCellsWithFakeMetrics) {
  RecordingDC dc;
  TLogFont font;
  font.height = -20;
  dc.SelectFont(&font);
  EXPECT_EQ(dc.GetTextExtent("abc"), (TSize{30, 20}));
  dc.SetTextColor(MakeColor(255, 0, 0));
  dc.SetBkColor(MakeColor(0, 0, 255));
  dc.TextOut(10, 40, "QZX");
  dc.SetTextColor(MakeColor(0, 128, 0));
  dc.TextOut(20, 40, "y");  // over the Z
  dc.FillRect({0, 0, 5, 5}, MakeColor(1, 2, 3));

  ASSERT_NE(dc.TextAt(10, 40), nullptr);
  EXPECT_EQ(dc.TextAt(10, 40)->text, "QZX");
  EXPECT_EQ(dc.TextAt(11, 40), nullptr);
  EXPECT_EQ(dc.Row(2, 4, {10, 20}, {0, 0}, '.'), ".QyX");
  std::optional<DrawnChar> cell = dc.Cell(2, 2, {10, 20});
  ASSERT_TRUE(cell.has_value());
  EXPECT_EQ(cell->fg, MakeColor(0, 128, 0));
  EXPECT_EQ(cell->bk, MakeColor(0, 0, 255));
  EXPECT_EQ(dc.BackgroundAt(2, 2), MakeColor(1, 2, 3));
  EXPECT_EQ(dc.BackgroundAt(39, 59), MakeColor(0, 0, 255));
  EXPECT_EQ(dc.BackgroundAt(40, 60), std::nullopt);

  // Variable pitch: narrow and wide letters, so fixed-width checks can tell the difference.
  font.pitchAndFamily = 2 | kFamilySwiss;
  dc.SelectFont(&font);
  EXPECT_EQ(dc.GetTextExtent("iM"), (TSize{5 + 15, 20}));
  dc.SelectFont(nullptr);
  EXPECT_EQ(dc.GetTextMetrics().height, 16);
  EXPECT_EQ(dc.GetTextExtent("ab").cx, 16);
}

TEST(RecordingDCTest, MapsIsotropicallyAndMovesTheClip) {
  RecordingDC dc(FakeDeviceCaps::Printer());
  EXPECT_EQ(dc.GetDeviceCaps(TDeviceCap::HorzRes), 4800);
  EXPECT_EQ(dc.GetDeviceCaps(TDeviceCap::PhysicalOffsetY), 150);
  dc.SetIsotropic({800, 300}, {4800, 6300});  // x limits: 6 device pixels per unit
  dc.SetWindowOrg({-100, -50});
  dc.SetClipRect({0, 0, 800, 300});
  dc.OffsetClip(1, 1);
  dc.MoveTo(0, 0);
  dc.LineTo(800, 0);
  EXPECT_EQ(dc.ToDevice({0, 0}), (TPoint{600, 300}));
  EXPECT_EQ(dc.Lines().at(0).deviceRect, (TRect{600, 300, 5400, 300}));
  EXPECT_EQ(dc.Lines().at(0).clip, (TRect{606, 306, 5406, 2106}));
  dc.TextOut(0, 0, "A");
  EXPECT_NE(dc.TextAt(600, 300, Coords::Device), nullptr);
  EXPECT_EQ(dc.CharAt(647, 395, Coords::Device)->ch, 'A');  // 8 x 16 units -> 48 x 96 pixels
}

TEST(TempFolderTest, EntersAndCleansUp) {
  std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::path made;
  {
    TempFolder folder(true);
    made = folder.Path();
    EXPECT_EQ(std::filesystem::current_path(), made);
    WriteFile("quillo.ini", std::string("a\0b", 3));
    std::filesystem::create_directory("sub");
    EXPECT_EQ(ReadFile(folder.File("quillo.ini")), std::string("a\0b", 3));
    EXPECT_EQ(folder.WithSeparator(), made.string() + "/");
  }
  EXPECT_EQ(std::filesystem::current_path(), before);
  EXPECT_FALSE(std::filesystem::exists(made));
  EXPECT_EQ(ReadFile(made / "quillo.ini"), std::nullopt);
}

}  // namespace
