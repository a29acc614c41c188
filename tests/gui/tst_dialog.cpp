// GUI tests of template dialogs rendered by the Qt back end.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <stdexcept>

#include "framework/dialog.h"
#include "framework/platform.h"
#include "gui_helpers.h"
#include "qt/qtconvert.h"
#include "qt/qtdialog.h"

namespace {
enum : int {
  kPrompt = 100, kName = 101, kSizeBox = 102, kSmall = 103, kLarge = 104, kLeft = 105, kRight = 106,
  kLoud = 107, kWords = 108, kElement = 109, kSample = 110,
};

TDialogTemplate SampleTemplate(bool withCancel) {
  TDialogTemplate t;
  t.id = 900;
  t.caption = "Sample Dialog";
  t.size = {200, 160};
  t.controls = {
      {TControlKind::Static, kPrompt, "&Name:", {5, 5, 60, 15}},
      {TControlKind::Edit, kName, "", {65, 5, 190, 17}},
      {TControlKind::GroupBox, kSizeBox, "Size", {5, 22, 95, 60}},
      {TControlKind::Radio, kSmall, "&Small", {10, 32, 90, 42}},
      {TControlKind::Radio, kLarge, "&Large", {10, 44, 90, 54}},
      {TControlKind::Radio, kLeft, "Left", {105, 32, 190, 42}},
      {TControlKind::Radio, kRight, "Right", {105, 44, 190, 54}},
      {TControlKind::Check, kLoud, "Loud", {5, 64, 95, 74}},
      {TControlKind::SortedListBox, kWords, "", {5, 78, 95, 140}},
      {TControlKind::DropDownList, kElement, "", {105, 64, 190, 120}},
      {TControlKind::OwnerDrawStatic, kSample, "", {105, 100, 190, 120}},
      {TControlKind::DefaultButton, IDOK, "OK", {105, 140, 145, 154}},
  };
  if (withCancel) t.controls.push_back({TControlKind::Button, IDCANCEL, "Cancel", {150, 140, 190, 154}});
  return t;
}

// Records the notifications ("<id><C|S|D|E> " for Clicked, SelChange, DoubleClick, EditChange)
// and, at the end, "<result> <name> <Small> <Large> <Left>" with each radio "on" or "off".
class SampleDialog : public TDialog {
 public:
  explicit SampleDialog(bool withCancel = true) : TDialog(nullptr, SampleTemplate(withCancel)) {}

  void SetupWindow() override {
    Peer().SetItemText(kPrompt, "Your name:");
    Peer().SetItemText(kName, "abc");
    Peer().SetEditLimit(kName, 8);
    Peer().SetCheck(kSmall, true);
    Peer().SetCheck(kLeft, true);
    for (const char* word : {"pear", "Apple", "banana"}) Peer().ListAdd(kWords, word, std::strlen(word));
    Peer().ListAddAll(kWords, {"Banana", "apple"});  // each after its equals ignoring case
    Peer().ListAdd(kElement, "Background", 0);
    Peer().ListAdd(kElement, "Headings", 1);
    Peer().ListSelect(kElement, 1);
    Peer().ListSelect(kWords, 0);
    if (endAtOnce) End(IDCANCEL);
  }
  void Command(int id, TNotify notify) override {
    notes += std::to_string(id) + "CSDE"[static_cast<int>(notify)] + ' ';
    TDialog::Command(id, notify);
  }
  void CloseWindow(int result) override {
    closed = std::to_string(result) + ' ' + Peer().GetItemText(kName);
    for (int radio : {kSmall, kLarge, kLeft}) closed += Peer().IsChecked(radio) ? " on" : " off";
  }
  void DrawItem(int id, TDC& dc, const TRect& rect) override {
    samplePaints += id == kSample;
    dc.FillRect(rect, MakeColor(0, 0, 255));
  }

  bool endAtOnce = false;
  std::string notes, closed;
  int samplePaints = 0;
};

QtDialogPeer* PeerOf(QDialog* dialog) { return dynamic_cast<QtDialogPeer*>(dialog); }

// Plays the next dialog, then presses Cancel: a failed check returns early, and Cancel then ends
// the dialog instead of leaving its modal loop waiting. Once a dialog has ended Cancel does nothing.
void Play(std::function<void(QtDialogPeer*)> play) {
  WhenDialogOpens([play](QDialog* shown) {
    play(PeerOf(shown));
    shown->reject();
  });
}
}  // namespace

class DialogTest : public QObject {
  Q_OBJECT

 private slots:
  // The edit has the focus with its text selected, so typing replaces it; the radios outside
  // the box are a group of their own; the owner-drawn sample is painted by the game.
  void radioEditAndOkEndTheDialog() {
    SampleDialog dialog;
    Play([&](QtDialogPeer* peer) {
      QTRY_VERIFY(dialog.samplePaints > 0);
      QCOMPARE(peer->windowTitle() + '|' + ControlOf<QLabel>(peer, kPrompt)->text(), QStringLiteral("Sample Dialog|Your name:"));
      QCOMPARE(peer->focusWidget(), ControlOf(peer, kName));
      QTest::keyClicks(ControlOf(peer, kName), QStringLiteral("xyz"));
      QVERIFY(peer->IsModified(kName));
      QTest::mouseClick(ControlOf<QRadioButton>(peer, kLarge), Qt::LeftButton);
      QTest::mouseClick(ControlOf<QPushButton>(peer, IDOK), Qt::LeftButton);
    });
    QCOMPARE(dialog.Execute(), IDOK);
    QCOMPARE(dialog.closed + '|' + dialog.notes, std::string("1 xyz off on on|101E 101E 101E 104C 1C "));
    QVERIFY(!dialog.IsRunning());
    QCOMPARE(StripMnemonics(QStringLiteral("&Save && Exit")), QStringLiteral("Save & Exit"));  // labels
  }

  // Sorted with their data; only the player's choices notify (a double click too); Escape goes
  // through the game's Cancel handling.
  void listsSortAndReportOnlyThePlayersChanges() {
    SampleDialog dialog;
    Play([](QtDialogPeer* peer) {
      std::string words;
      for (int i = 0; i < peer->ListCount(kWords); ++i) {
        words += peer->ListText(kWords, i) + std::to_string(peer->ListData(kWords, i)) + ' ';
      }
      QCOMPARE(words, std::string("Apple5 apple0 banana6 Banana0 pear4 "));
      QCOMPARE(std::tuple(peer->ListSelected(kWords), peer->ListSelected(kElement)), std::tuple(0, 1));
      QCOMPARE(std::tuple(peer->ListData(kWords, 7), peer->ListText(kWords, -1)), std::tuple(-1L, std::string()));
      auto* list = ControlOf<QListWidget>(peer, kWords);
      const QPoint third = list->visualItemRect(list->item(2)).center();
      QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, third);
      QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, third);
      QTest::keyClick(peer, Qt::Key_Escape);
    });
    QCOMPARE(dialog.Execute(), IDCANCEL);
    QVERIFY2(dialog.notes.starts_with("108S ") && dialog.notes.find("108D ") != std::string::npos &&
                 dialog.notes.ends_with(" 2C "), dialog.notes.c_str());
  }

  // Enter presses the default button; without a Cancel button Escape and the close box still
  // end the dialog as Cancel; a dialog ended during its set-up is never shown.
  void everyOtherWayADialogEnds() {
    const auto ends = [](bool withCancel, std::function<void(QDialog*)> how, const char* closed) {
      SampleDialog dialog(withCancel);
      dialog.endAtOnce = !how;
      if (how) WhenDialogOpens(how);
      dialog.Execute();
      QCOMPARE(dialog.closed, std::string(closed));
    };
    ends(true, [](QDialog* shown) { QTest::keyClick(ControlOf(shown, kName), Qt::Key_Return); },
         "1 abc on off on");
    ends(false, [](QDialog* shown) { QTest::keyClick(shown, Qt::Key_Escape); }, "2 abc on off on");
    ends(false, [](QDialog* shown) { shown->close(); }, "2 abc on off on");
    ends(true, nullptr, "2 abc on off on");
    QVERIFY(NoModalLeft());
  }

  // The edit keeps to its limit; a control added while running and a moved dialog keep their
  // sizes; text for a control that does not exist changes nothing.
  void editLimitRuntimeControlsAndPlacement() {
    SampleDialog dialog;
    Play([](QtDialogPeer* peer) {
      QTest::keyClicks(ControlOf(peer, kName), QStringLiteral("0123456789"));
      QCOMPARE(peer->GetItemText(kName), std::string("01234567"));
      peer->AddControl(TControlKind::Static, 300, "added", TRect{4, 4, 60, 20});
      QCOMPARE(peer->ItemRect(300), (TRect{4, 4, 60, 20}));
      QVERIFY(ControlOf<QLabel>(peer, 300));  // named like the template's own
      const TRect before = peer->WindowRect();
      peer->MoveWindow(before.Offset(15, 25));
      QCOMPARE(peer->WindowRect().Width(), before.Width());
      peer->SetItemText(999, "nobody");
      // A one-line static given a longer text widens, and the dialog with it (the About box's
      // version line with Shift held).
      auto* prompt = ControlOf<QLabel>(peer, kPrompt);
      const int dialogWidth = peer->width(), promptWidth = prompt->width();
      peer->SetItemText(kPrompt, "Version 1.0 (Maint 0, Build 0) Linux package");
      QVERIFY(prompt->width() >= prompt->sizeHint().width() && prompt->width() > promptWidth);
      QCOMPARE(peer->width() - dialogWidth, prompt->width() - promptWidth);
      peer->End(IDOK);
    });
    QCOMPARE(dialog.Execute(), IDOK);
  }

  void unusableTemplateThrows() {
    TDialogTemplate broken;
    broken.caption = "Broken";
    TDialog dialog(nullptr, broken);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, dialog.Execute());
    QVERIFY(!dialog.IsRunning());
  }
};

QUILLO_GUI_TEST(DialogTest);

#include "tst_dialog.moc"
