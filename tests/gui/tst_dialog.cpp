// GUI tests of template dialogs rendered by the Qt back end.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
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

class SampleDialog : public TDialog {
 public:
  explicit SampleDialog(bool withCancel = true) : TDialog(nullptr, SampleTemplate(withCancel)) {}

  void SetupWindow() override {
    Peer().SetItemText(kPrompt, "Your name:");
    Peer().SetItemText(kName, "abc");
    Peer().SetEditLimit(kName, 8);
    Peer().SetCheck(kSmall, true);
    Peer().SetCheck(kLeft, true);
    for (const char* word : {"pear", "Apple", "banana"}) Peer().ListAdd(kWords, word, static_cast<long>(std::strlen(word)));
    Peer().ListAdd(kElement, "Background", 0);
    Peer().ListAdd(kElement, "Headings", 1);
    Peer().ListSelect(kElement, 1);
    Peer().ListSelect(kWords, 0);
    if (endAtOnce) End(IDCANCEL);
  }
  void Command(int id, TNotify notify) override {
    notes.push_back({id, notify});
    TDialog::Command(id, notify);
  }
  void CloseWindow(int result) override {
    closedWith = result;
    nameAtClose = Peer().GetItemText(kName);
    smallAtClose = Peer().IsChecked(kSmall);
    largeAtClose = Peer().IsChecked(kLarge);
    leftAtClose = Peer().IsChecked(kLeft);
  }
  void DrawItem(int id, TDC& dc, const TRect& rect) override {
    if (id == kSample) ++samplePaints;
    dc.FillRect(rect, MakeColor(0, 0, 255));
  }

  struct Note {
    int id;
    TNotify notify;
    bool operator==(const Note&) const = default;
  };
  bool endAtOnce = false;
  std::vector<Note> notes;
  int closedWith = 0;
  std::string nameAtClose;
  bool smallAtClose = false, largeAtClose = false, leftAtClose = false;
  int samplePaints = 0;
};

QtDialogPeer* PeerOf(QDialog* dialog) { return dynamic_cast<QtDialogPeer*>(dialog); }
}  // namespace

class DialogTest : public QObject {
  Q_OBJECT

 private slots:
  void radioEditAndOkEndTheDialog() {
    SampleDialog dialog;
    QString caption;
    QString prompt;
    WhenDialogOpens([&](QDialog* shown) {
      QtDialogPeer* peer = PeerOf(shown);
      QVERIFY(peer);
      caption = shown->windowTitle();
      QTRY_VERIFY(dialog.samplePaints > 0);  // the owner-drawn sample is painted by the game
      prompt = qobject_cast<QLabel*>(peer->Control(kPrompt))->text();
      // The edit has the focus with its text selected, so typing replaces it.
      QCOMPARE(shown->focusWidget(), peer->Control(kName));
      QTest::keyClicks(peer->Control(kName), QStringLiteral("xyz"));
      QVERIFY(peer->IsModified(kName));
      QTest::mouseClick(qobject_cast<QRadioButton*>(peer->Control(kLarge)), Qt::LeftButton);
      QTest::mouseClick(qobject_cast<QPushButton*>(peer->Control(IDOK)), Qt::LeftButton);
    });
    QCOMPARE(dialog.Execute(), IDOK);
    QCOMPARE(caption, QStringLiteral("Sample Dialog"));
    QCOMPARE(prompt, QStringLiteral("Your name:"));
    QCOMPARE(StripMnemonics(QStringLiteral("&Save && Exit")), QStringLiteral("Save & Exit"));  // labels
    QCOMPARE(dialog.closedWith, IDOK);
    QCOMPARE(dialog.nameAtClose, std::string("xyz"));
    QVERIFY(dialog.largeAtClose);
    QVERIFY(!dialog.smallAtClose);
    QVERIFY(dialog.leftAtClose);  // the radios outside the box are a group of their own
    const std::vector<SampleDialog::Note> expected = {
        {kName, TNotify::EditChange}, {kName, TNotify::EditChange}, {kName, TNotify::EditChange},
        {kLarge, TNotify::Clicked}, {IDOK, TNotify::Clicked}};
    QVERIFY(dialog.notes == expected);
    QVERIFY(!dialog.IsRunning());
  }

  void listsSortAndReportOnlyThePlayersChanges() {
    SampleDialog dialog;
    std::vector<std::string> words;
    std::vector<long> data;
    int selectedBefore = -2;
    int comboSelected = -2;
    WhenDialogOpens([&](QDialog* shown) {
      QtDialogPeer* peer = PeerOf(shown);
      for (int i = 0; i < peer->ListCount(kWords); ++i) {
        words.push_back(peer->ListText(kWords, i));
        data.push_back(peer->ListData(kWords, i));
      }
      selectedBefore = peer->ListSelected(kWords);
      comboSelected = peer->ListSelected(kElement);
      QCOMPARE(peer->ListData(kWords, 7), -1L);
      QCOMPARE(peer->ListText(kWords, -1), std::string());
      auto* list = qobject_cast<QListWidget*>(peer->Control(kWords));
      const QRect second = list->visualItemRect(list->item(2));
      QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
      QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
      QTest::keyClick(shown, Qt::Key_Escape);
    });
    QCOMPARE(dialog.Execute(), IDCANCEL);
    QCOMPARE(words, (std::vector<std::string>{"Apple", "banana", "pear"}));
    QCOMPARE(data, (std::vector<long>{5, 6, 4}));
    QCOMPARE(selectedBefore, 0);
    QCOMPARE(comboSelected, 1);
    QVERIFY(!dialog.notes.empty());
    QCOMPARE(dialog.notes.front().id, int{kWords});
    QVERIFY(dialog.notes.front().notify == TNotify::SelChange);
    QVERIFY(std::any_of(dialog.notes.begin(), dialog.notes.end(), [](const SampleDialog::Note& n) {
      return n.id == kWords && n.notify == TNotify::DoubleClick;
    }));
    // Escape goes through the game's Cancel handling.
    QVERIFY(dialog.notes.back() == (SampleDialog::Note{IDCANCEL, TNotify::Clicked}));
  }

  // Enter presses the default button; without a Cancel button Escape and the close box still
  // end the dialog as Cancel; a dialog ended during its set-up is never shown.
  void everyOtherWayADialogEnds() {
    SampleDialog entered;
    WhenDialogOpens([](QDialog* shown) { QTest::keyClick(PeerOf(shown)->Control(kName), Qt::Key_Return); });
    QCOMPARE(entered.Execute(), IDOK);
    QCOMPARE(entered.nameAtClose, std::string("abc"));

    SampleDialog escaped(false);
    WhenDialogOpens([](QDialog* shown) { QTest::keyClick(shown, Qt::Key_Escape); });
    QCOMPARE(escaped.Execute(), IDCANCEL);
    QCOMPARE(escaped.closedWith, IDCANCEL);

    SampleDialog closed(false);
    WhenDialogOpens([](QDialog* shown) { shown->close(); });
    QCOMPARE(closed.Execute(), IDCANCEL);
    QCOMPARE(closed.closedWith, IDCANCEL);

    SampleDialog ended;
    ended.endAtOnce = true;
    QCOMPARE(ended.Execute(), IDCANCEL);
    QCOMPARE(ended.closedWith, IDCANCEL);
    QVERIFY(NoModalLeft());
  }

  void editLimitRuntimeControlsAndPlacement() {
    SampleDialog dialog;
    TRect placedAt;
    TRect added;
    std::string typed;
    WhenDialogOpens([&](QDialog* shown) {
      QtDialogPeer* peer = PeerOf(shown);
      QTest::keyClicks(peer->Control(kName), QStringLiteral("0123456789"));
      typed = peer->GetItemText(kName);
      peer->AddControl(TControlKind::Static, 300, "added", TRect{4, 4, 60, 20});
      added = peer->ItemRect(300);
      const TRect before = peer->WindowRect();
      peer->MoveWindow(before.Offset(15, 25));
      placedAt = peer->WindowRect();
      QCOMPARE(placedAt.Width(), before.Width());
      peer->SetItemText(999, "nobody");  // no such control: nothing happens
      peer->End(IDOK);
    });
    QCOMPARE(dialog.Execute(), IDOK);
    QCOMPARE(typed, std::string("01234567"));
    QCOMPARE(added, (TRect{4, 4, 60, 20}));
    QVERIFY(placedAt.Width() > 0);
  }

  void unusableTemplateThrows() {
    TDialogTemplate empty;
    empty.caption = "Broken";
    TDialog dialog(nullptr, empty);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, dialog.Execute());
    QVERIFY(!dialog.IsRunning());
  }
};

QUILLO_GUI_TEST(DialogTest);

#include "tst_dialog.moc"
