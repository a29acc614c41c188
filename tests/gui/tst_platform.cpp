// GUI tests of the platform services: message boxes, clipboard, common dialogs, printing, help.
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QtEndian>

#include "gui_helpers.h"
#include "qt/qtcommondlg.h"
#include "qt/qthelp.h"
#include "qt/qtfontchooser.h"
#include "qt/qtplatform.h"
#include "qt/qtsound.h"

namespace {
QtPlatform& Backend() { return dynamic_cast<QtPlatform&>(Platform()); }

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

#include "tst_platform.moc"
