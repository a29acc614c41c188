// Tests of the framework core: the dialog life cycle.
#include <gtest/gtest.h>

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
  EXPECT_TRUE(dialog.canCloseCalls == 2 && dialog.closes == std::vector<int>{IDOK});

  // A second End (a handler after the dialog ended) must not run CloseWindow again: it saves
  // the placement and would do so with a stale rectangle.
  CountingDialog cancelled;
  cancelled.refuse = true;
  fake.ScriptDialog([&](FakeDialog& d) { d.Click(IDCANCEL); cancelled.End(IDOK); });
  EXPECT_EQ(cancelled.Execute(), IDCANCEL);
  EXPECT_TRUE(cancelled.canCloseCalls == 0 && cancelled.closes == std::vector<int>{IDCANCEL});
}

}  // namespace
