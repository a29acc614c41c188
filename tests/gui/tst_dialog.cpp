// GUI tests of the Qt back end: template dialogs, the platform services (message boxes, clipboard,
// common dialogs, printing, help), and the desktop's scale (run at 100%, and at 200% as ctest
// gui_200): dialog texts show whole, a zoomed puzzle grows the frame and is drawn at the screen's
// resolution.
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QtEndian>
#include <QTest>
#include <QTextBrowser>

#include <stdexcept>

#include "framework/platform.h"
#include "game_run.h"
#include "gui_helpers.h"
#include "qt/qtcommondlg.h"
#include "qt/qtconvert.h"
#include "qt/qtfontchooser.h"
#include "qt/qthelp.h"
#include "qt/qtplatform.h"
#include "qt/qtsound.h"
#include "resources/commands.h"

namespace {
enum : int { kPrompt = 100, kName, kSizeBox, kSmall, kLarge, kLeft, kRight, kLoud, kWords, kElement, kSample };

TDialogTemplate SampleTemplate(bool withCancel) {
  using K = TControlKind;
  TDialogTemplate t{900, "Sample Dialog", {200, 160}, "MS Sans Serif", 8, {
      {K::Static, kPrompt, "&Name:", {5, 5, 60, 15}}, {K::Edit, kName, "", {65, 5, 190, 17}},
      {K::GroupBox, kSizeBox, "Size", {5, 22, 95, 60}}, {K::Radio, kSmall, "&Small", {10, 32, 90, 42}},
      {K::Radio, kLarge, "&Large", {10, 44, 90, 54}}, {K::Radio, kLeft, "Left", {105, 32, 190, 42}},
      {K::Radio, kRight, "Right", {105, 44, 190, 54}}, {K::Check, kLoud, "Loud", {5, 64, 95, 74}},
      {K::SortedListBox, kWords, "", {5, 78, 95, 140}}, {K::DropDownList, kElement, "", {105, 64, 190, 120}},
      {K::OwnerDrawStatic, kSample, "", {105, 100, 190, 120}}, {K::DefaultButton, IDOK, "OK", {105, 140, 145, 154}}}};
  if (withCancel) t.controls.push_back({K::Button, IDCANCEL, "Cancel", {150, 140, 190, 154}});
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

// Plays the next dialog, then presses Cancel: a failed check returns early, and Cancel then ends
// the dialog instead of leaving its modal loop waiting. Once a dialog has ended Cancel does nothing.
void Play(std::function<void(QtDialogPeer*)> play) {
  WhenDialogOpens([play](QDialog* shown) {
    play(dynamic_cast<QtDialogPeer*>(shown));
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
    ends(true, [](QDialog* shown) { QTest::keyClick(ControlOf(shown, kName), Qt::Key_Return); }, "1 abc on off on");
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

namespace {

// The controls of a template dialog that would cut their text off.
QStringList Clipped(QWidget& dialog) {
  QStringList clipped;
  for (QWidget* control : dialog.findChildren<QWidget*>(QRegularExpression("^ctl_"))) {
    const QFontMetrics metrics(control->font());
    auto* label = qobject_cast<QLabel*>(control);
    auto* button = qobject_cast<QPushButton*>(control);
    const int width = control->contentsRect().width();
    bool cut = !dialog.rect().contains(control->geometry());
    if (label && !label->text().isEmpty()) {
      for (const QString& word : label->text().split(QRegularExpression("\\s+"), Qt::SkipEmptyParts)) {
        cut = cut || metrics.horizontalAdvance(word) > width;
      }
      cut = cut || (label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height()) > label->height();
    } else if (button) {
      cut = cut || metrics.horizontalAdvance(button->text().remove('&')) + 4 > width || metrics.height() > control->height();
    }
    if (cut) clipped << control->objectName();
  }
  return clipped;
}

class ScaleTest : public QObject {
  Q_OBJECT

 private slots:
  // The templates' own texts, and the texts the dialogs set as the player opens them.
  void dialogsShowTheirTextsWhole() {
    for (auto* tpl : {&YouWonTemplate, &SoundTemplate, &TimeTemplate, &AboutTemplate, &WordListTemplate,
                      &ColorTemplate, &InputTemplate, &HintTemplate}) {
      TDialog dialog(nullptr, tpl());
      QtDialogPeer peer(dialog, nullptr);
      QCOMPARE(Clipped(peer), QStringList{});
    }
    GameRun run;
    QVERIFY(run.Shown());
    for (int command : {kCmdChangeColors, kCmdChangeTimes, kCmdChangeSounds, kCmdAbout}) {
      QStringList clipped = {"not opened"};
      WhenDialogOpens([&](QDialog* dialog) { clipped = Clipped(*dialog), dialog->reject(); });
      run.app().Command(command);
      QCOMPARE(clipped, QStringList{});
    }
  }

  // The frame grows to the whole panel (26 rows); text drawn at 100% and enlarged would make
  // every aligned 2x2 block of device pixels one colour.
  void zoomedPuzzleGrowsTheFrameAndIsDrawnAtTheScreensResolution() {
    GameRun run;
    QVERIFY(run.Shown());
    const int actual = Cells().cellHeight;
    for (int step = 0; step < 3; ++step) run.app().Command(kCmdZoomIn);
    QVERIFY(Cells().cellHeight > actual);
    QTRY_VERIFY(WidgetOf(&run.app().Client())->height() >= 26 * Cells().cellHeight);
    QTest::qWait(100);  // the paint that lays the text out at the new size
    const QImage shot = run.Puzzle()->grab().toImage();
    int finer = 0;
    for (int y = 0; y + 1 < shot.height(); y += 2) {
      for (int x = 0; x + 1 < shot.width(); x += 2) {
        const QRgb c = shot.pixel(x, y);
        finer += shot.pixel(x + 1, y) != c || shot.pixel(x, y + 1) != c || shot.pixel(x + 1, y + 1) != c;
      }
    }
    QVERIFY(shot.devicePixelRatio() < 2 || finer > 20);
  }
};

QUILLO_GUI_TEST(ScaleTest);

void WriteFile(const QString& path, const QByteArray& content) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(content);
}

// A page that runs a check while it is drawn; what a real page puts on paper is read back by
// the whole-game print test.
struct TestPrintout : TPrintout {
  std::function<void()> whilePrinting;
  std::string Title() const override { return "Quillo! puzzle"; }
  void PrintPage(TDC&) override { whilePrinting(); }
};
}  // namespace

class PlatformTest : public QObject {
  Q_OBJECT

 private slots:
  // Each button set with its default (the first), icon and answer; plain Latin-1 text with its
  // line breaks; the program's name for an empty caption.
  void messageBoxes() {
    using B = QMessageBox;
    struct Case { unsigned flags; const char* caption; B::StandardButton answer; int result; B::Icon icon;
                  QList<B::StandardButton> buttons; };  // in enum order, which puts the default first
    const Case cases[] = {
        {MB_YESNOCANCEL | MB_ICONQUESTION, "Save?", B::No, IDNO, B::Question, {B::Yes, B::No, B::Cancel}},
        {MB_OKCANCEL | MB_ICONEXCLAMATION, "", B::Cancel, IDCANCEL, B::Warning, {B::Ok, B::Cancel}},
        {MB_YESNO | MB_ICONINFORMATION, "", B::Yes, IDYES, B::Information, {B::Yes, B::No}},
        {MB_OK | MB_ICONSTOP, "", B::Ok, IDOK, B::Critical, {B::Ok}},
    };
    for (const Case& c : cases) {
      auto seen = AnswerNextMessageBox(c.answer);
      QCOMPARE(Platform().MessageBox(nullptr, "<b>Caf\xE9</b>\nline two", c.caption, c.flags), c.result);
      std::sort(seen->buttons.begin(), seen->buttons.end());
      QCOMPARE(seen->buttons, c.buttons);
      QCOMPARE(std::tuple(seen->defaultButton, seen->icon), std::tuple(c.buttons.front(), c.icon));
      QCOMPARE(seen->title, QString(*c.caption ? c.caption : "Quillo!"));
      QCOMPARE(seen->text, QString::fromUtf8("<b>Caf\xC3\xA9</b>\nline two"));
    }
    QVERIFY(NoModalLeft());
  }

  void clipboardTextIsLatin1() {
    QVERIFY(Platform().SetClipboardText("AB C\r\ncaf\xE9"));
    QCOMPARE(Platform().ClipboardText(), std::optional<std::string>("AB C\r\ncaf\xE9"));
    QGuiApplication::clipboard()->setText(QString::fromUtf8("\xE2\x82\xAC" "5"));
    QCOMPARE(Platform().ClipboardText(), std::optional<std::string>("?5"));
  }

  void openFileDialog() {
    QCOMPARE(FileFilters("Quote Files (*.cqt)|*.cqt|Uncompressed Quote Files (*.qot)|*.qot|All Files (*.*)|*.*|"),
             (QStringList{"Quote Files (*.cqt)", "Uncompressed Quote Files (*.qot)", "All Files (*)"}));
    QCOMPARE(FileFilters("Sounds|*.wav;*.WAV|"), QStringList{"Sounds (*.wav *.WAV)"});
    QCOMPARE(FileFilters(""), QStringList{});
    QTemporaryDir folder;
    WriteFile(folder.filePath("mine.cqt"), "x");
    const TOpenFileRequest request{"Quote File", "Quote Files (*.cqt)|*.cqt|All Files (*.*)|*.*|", "cqt",
                                   folder.path().toStdString(), "mine"};
    QString shownAs;  // checked once the dialog has ended, so a failure cannot leave it open
    WhenDialogOpens([&shownAs](QDialog* shown) {
      shownAs = shown->windowTitle() + '|' + qobject_cast<QFileDialog*>(shown)->selectedNameFilter();
      QMetaObject::invokeMethod(shown, "accept");  // "mine" with the default extension
    });
    TOpenFileResult chosen = Platform().OpenFile(nullptr, request);
    QCOMPARE(shownAs, QStringLiteral("Quote File|Quote Files (*.cqt)"));
    QCOMPARE(chosen.ok ? QString::fromStdString(chosen.path) : "cancelled", folder.filePath("mine.cqt"));
    WhenDialogOpens([](QDialog* shown) { shown->reject(); });
    chosen = Platform().OpenFile(nullptr, request);
    QVERIFY(!chosen.ok && chosen.errorCode == 0);
  }

  // The font chooser lists fixed-pitch families only, opens on the face the record draws, and a
  // family click takes its regular style; a proportional face that gets through is marked so.
  void fontAndColourChoosers() {
    TLogFont font;
    std::tie(font.outPrecision, font.height, font.pitchAndFamily) = std::tuple(3, -20, kFixedPitch | kFamilyModern);
    font.SetFace("Lucida Console");  // not installed: DejaVu Sans Mono stands in
    QString openedOn;
    QStringList families;
    WhenDialogOpens([&](QDialog* shown) {
      auto* chooser = dynamic_cast<QtFontChooser*>(shown);
      openedOn = chooser->selectedFont().family() + " " + QString::number(chooser->selectedFont().pointSize());
      for (int i = 0; i < chooser->Families()->count(); ++i) families << chooser->Families()->item(i)->text();
      chooser->setCurrentFont(QFont("DejaVu Sans Mono", 12, QFont::Bold));
      QListWidgetItem* mono = chooser->Families()->findItems("DejaVu Sans Mono", Qt::MatchExactly).value(0);
      chooser->Families()->setCurrentItem(mono);
      QTest::mouseClick(chooser->Families()->viewport(), Qt::LeftButton, {},
                        chooser->Families()->visualItemRect(mono).center());
      shown->accept();
    });
    std::string error = "stale";
    QVERIFY(Platform().ChooseFont(nullptr, font, error) == TChooseResult::Ok && error.empty());
    QCOMPARE(openedOn, QStringLiteral("DejaVu Sans Mono 15"));  // 20 pixels at 96 per inch
    QCOMPARE(families, QStringList{"DejaVu Sans Mono"});       // of the DejaVu faces
    // 12 points at 96 pixels per inch; the click took the regular style; fixed-pitch modern.
    QCOMPARE(std::tuple(std::string(font.faceName), font.height, font.weight, font.italic, font.pitchAndFamily, font.outPrecision),
             std::tuple(std::string("DejaVu Sans Mono"), -16, 400, std::uint8_t{0}, std::uint8_t{0x31}, std::uint8_t{3}));
    WhenDialogOpens([](QDialog* shown) {
      dynamic_cast<QtFontChooser*>(shown)->setCurrentFont(QFont("DejaVu Sans", 12));
      shown->accept();
    });
    QCOMPARE(Platform().ChooseFont(nullptr, font, error), TChooseResult::Ok);
    QCOMPARE(std::tuple(std::string(font.faceName), font.pitchAndFamily), std::tuple(std::string("DejaVu Sans"), std::uint8_t{0x22}));
    WhenDialogOpens([](QDialog* shown) { shown->reject(); });
    QCOMPARE(Platform().ChooseFont(nullptr, font, error), TChooseResult::Cancelled);
    QCOMPARE(font.height, -16);

    TColor custom[16] = {MakeColor(1, 2, 3)};
    TColor color = MakeColor(200, 100, 50);
    WhenDialogOpens([](QDialog* shown) {
      auto* dialog = qobject_cast<QColorDialog*>(shown);
      const QColor startedWith = dialog->currentColor();
      QColorDialog::setCustomColor(3, QColor(255, 0, 0));
      dialog->setCurrentColor(QColor(10, 20, 30));
      dialog->accept();
      QCOMPARE(startedWith, QColor(200, 100, 50));
    });
    QVERIFY(Platform().ChooseColor(nullptr, color, custom));
    QCOMPARE(std::tuple(color, custom[0], custom[3]),
             std::tuple(MakeColor(10, 20, 30), MakeColor(1, 2, 3), MakeColor(255, 0, 0)));
  }

  // The printing window names the job and the file; Cancel pressed while the page is drawn
  // aborts the job; a page that throws fails it.
  void printingToAPdfFile() {
    QTemporaryDir folder;
    const QString pdf = folder.filePath("page.pdf");
    Backend().SetPrintToFile(pdf.toStdString());
    std::unique_ptr<TPrinter> printer = Platform().CreatePrinter();
    Backend().SetPrintToFile("");
    QCOMPARE(printer->Port(), pdf.toStdString());
    TestPrintout page;
    QStringList texts;
    page.whilePrinting = [&] {
      QWidget* window = QApplication::activeModalWidget();
      QCOMPARE(window->windowTitle(), QStringLiteral("Printing"));
      for (QLabel* label : window->findChildren<QLabel*>()) texts << label->text();
    };
    QCOMPARE(printer->Print(nullptr, page), TPrintResult::Printed);
    QCOMPARE(texts, (QStringList{"Now printing", "Quillo! puzzle", "on PDF file (" + pdf + ")"}));
    page.whilePrinting = [] {
      QTest::mouseClick(QApplication::activeModalWidget()->findChild<QPushButton*>(), Qt::LeftButton);
    };
    QCOMPARE(printer->Print(nullptr, page), TPrintResult::Cancelled);
    page.whilePrinting = [] { throw std::runtime_error("out of paper"); };
    QCOMPARE(printer->Print(nullptr, page), TPrintResult::Failed);
    QVERIFY(NoModalLeft());
  }

  void helpFolderTopicsAndMissingPages() {
    QTemporaryDir folder;
    WriteFile(folder.filePath("index.html"),
              "<html><body><h1>Contents</h1><a href=\"rules.html\">How to <b>play</b></a> "
              "<a href='topic1000.html#start'>Tutorial</a> <a href=\"rules.html\">again</a> "
              "<a href=\"https://example.org/\">web</a></body></html>");
    Platform().ShowHelp(nullptr, folder.path().toStdString(), 0);
    QtHelpWindow* help = Backend().HelpWindow();
    QVERIFY(help && help->isVisible() && help->CurrentPage().endsWith("/index.html"));
    QStringList entries;
    for (int i = 0; i < help->Contents()->count(); ++i) entries << help->Contents()->item(i)->text();
    QCOMPARE(entries, (QStringList{"Contents", "How to play", "Tutorial"}));
    Platform().ShowHelp(nullptr, folder.path().toStdString(), 5);
    QCOMPARE(Backend().HelpWindow(), help);  // one window for the run
    QVERIFY(help->CurrentPage().isEmpty() && help->Browser()->toPlainText().contains("not found"));
    help->Contents()->itemClicked(help->Contents()->item(1));  // rules.html is missing too
    QVERIFY(help->Browser()->toPlainText().contains("rules.html"));
    help->close();
  }

  // A 150 ms tone at half volume as 16-bit mono samples; missing sounds play nothing, quietly.
  void soundsNeverFail() {
    const QByteArray wave = MakeToneWave(500, 150);
    QVERIFY(wave.size() == 44 + 3307 * 2 && wave.startsWith("RIFF") && wave.mid(8, 8) == "WAVEfmt " && wave.mid(36, 4) == "data");
    int peak = 0;
    for (int i = 44; i < wave.size(); i += 2) {
      peak = std::max(peak, std::abs(qFromLittleEndian<qint16>(wave.data() + i)));
    }
    QVERIFY(peak > 15000 && peak <= 16384);
    Platform().Tone(500, 150);
    Platform().PlayWave("/no/such/file.wav");
    Platform().PlayWave("");
    Platform().SimpleBeep();
  }

  void systemQueries() {
    const TRect work = Platform().WorkArea();
    QVERIFY(work.Width() > 0 && work.Height() > 0 && Platform().Monitors().at(0).Contains({work.left, work.top}));
    QVERIFY(Platform().ScreenPixelsPerInch().cx > 0 && !Platform().IsKeyDown(TKey::Shift));
  }
};

QUILLO_GUI_TEST(PlatformTest);

#include "tst_dialog.moc"
