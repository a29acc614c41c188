// GUI tests of the platform services: message boxes, clipboard, common dialogs, printing, help.
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QLabel>
#include <QPushButton>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <functional>
#include <stdexcept>

#include "framework/platform.h"
#include "gui_helpers.h"
#include "qt/qtcommondlg.h"
#include "qt/qtconvert.h"
#include "qt/qthelp.h"
#include "qt/qtplatform.h"
#include "qt/qtsound.h"

namespace {
QtPlatform& Backend() { return dynamic_cast<QtPlatform&>(Platform()); }

void WriteFile(const QString& path, const QByteArray& content) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(content);
}

// A page that reports the moment it is drawn, or fails; what a real page puts on paper is read
// back by the whole-game print test.
class TestPrintout : public TPrintout {
 public:
  explicit TestPrintout(bool fail = false) : fail_(fail) {}
  std::string Title() const override { return "Quillo! puzzle"; }
  void PrintPage(TDC&) override {
    if (fail_) throw std::runtime_error("out of paper");
    if (whilePrinting) whilePrinting();
  }
  std::function<void()> whilePrinting;

 private:
  bool fail_;
};
}  // namespace

class PlatformTest : public QObject {
  Q_OBJECT

 private slots:
  void messageBoxesAnsweredByTheTest() {
    auto seen = AnswerNextMessageBox(QMessageBox::No);
    QCOMPARE(Platform().MessageBox(nullptr, "Would you like to save this game?", "Quillo!",
                                   MB_YESNOCANCEL | MB_ICONQUESTION),
             IDNO);
    QVERIFY(seen->seen);
    QCOMPARE(seen->title, QStringLiteral("Quillo!"));
    QCOMPARE(seen->text, QStringLiteral("Would you like to save this game?"));
    QCOMPARE(seen->icon, QMessageBox::Question);
    std::sort(seen->buttons.begin(), seen->buttons.end());
    QCOMPARE(seen->buttons, (QList<QMessageBox::StandardButton>{QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}));
    QCOMPARE(seen->defaultButton, QMessageBox::Yes);

    // Plain text with its line breaks, Latin-1, and the program's name for an empty caption.
    seen = AnswerNextMessageBox(QMessageBox::Ok);
    QCOMPARE(Platform().MessageBox(nullptr, "<b>Caf\xE9</b>\nline two", "", MB_OK | MB_ICONSTOP), IDOK);
    QCOMPARE(seen->title, QStringLiteral("Quillo!"));
    QCOMPARE(seen->text, QString::fromUtf8("<b>Caf\xC3\xA9</b>\nline two"));
    QCOMPARE(seen->icon, QMessageBox::Critical);
    QVERIFY(NoModalLeft());
  }

  void clipboardTextIsLatin1() {
    QVERIFY(Platform().SetClipboardText("AB C\r\ncaf\xE9"));
    QCOMPARE(Platform().ClipboardText(), std::optional<std::string>("AB C\r\ncaf\xE9"));
    QGuiApplication::clipboard()->setText(QString::fromUtf8("\xE2\x82\xAC" "5"));
    QCOMPARE(Platform().ClipboardText(), std::optional<std::string>("?5"));
    QGuiApplication::clipboard()->clear();
    QCOMPARE(Platform().ClipboardText(), std::optional<std::string>(""));
  }

  void openFileDialog() {
    QCOMPARE(FileFilters("Quote Files (*.cqt)|*.cqt|Uncompressed Quote Files (*.qot)|*.qot|All Files (*.*)|*.*|"),
             (QStringList{"Quote Files (*.cqt)", "Uncompressed Quote Files (*.qot)", "All Files (*)"}));
    QCOMPARE(FileFilters("Sounds|*.wav;*.WAV|"), QStringList{"Sounds (*.wav *.WAV)"});
    QCOMPARE(FileFilters(""), QStringList{});

    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("mine.cqt"));
    WriteFile(file, "x");
    TOpenFileRequest request{"Quote File", "Quote Files (*.cqt)|*.cqt|All Files (*.*)|*.*|", "cqt",
                             folder.path().toStdString(), "mine"};
    QString title;
    QString filter;
    WhenDialogOpens([&](QDialog* shown) {
      auto* dialog = qobject_cast<QFileDialog*>(shown);
      QVERIFY(dialog);
      title = dialog->windowTitle();
      filter = dialog->selectedNameFilter();
      QMetaObject::invokeMethod(dialog, "accept");  // "mine" with the default extension
    });
    TOpenFileResult chosen = Platform().OpenFile(nullptr, request);
    QCOMPARE(title, QStringLiteral("Quote File"));
    QCOMPARE(filter, QStringLiteral("Quote Files (*.cqt)"));
    QVERIFY(chosen.ok);
    QCOMPARE(QString::fromStdString(chosen.path), file);

    WhenDialogOpens([](QDialog* shown) { shown->reject(); });
    chosen = Platform().OpenFile(nullptr, request);
    QVERIFY(!chosen.ok);
    QCOMPARE(chosen.errorCode, 0L);
  }

  void fontAndColourChoosers() {
    TLogFont font;
    font.height = -15;
    font.outPrecision = 3;
    font.pitchAndFamily = kFixedPitch | kFamilyModern;
    font.SetFace("Lucida Console");
    WhenDialogOpens([](QDialog* shown) {
      auto* dialog = qobject_cast<QFontDialog*>(shown);
      QVERIFY(dialog);
      QFont mono(QStringLiteral("DejaVu Sans Mono"));
      mono.setPointSize(12);
      mono.setBold(true);
      dialog->setCurrentFont(mono);
      dialog->accept();
    });
    std::string error = "stale";
    QCOMPARE(Platform().ChooseFont(nullptr, font, error), TChooseResult::Ok);
    QVERIFY(error.empty());
    QCOMPARE(std::string(font.faceName), std::string("DejaVu Sans Mono"));
    QCOMPARE(font.height, -16);  // 12 points at 96 pixels per inch
    QCOMPARE(font.weight, 700);
    QCOMPARE(font.pitchAndFamily, std::uint8_t{0x31});
    QCOMPARE(font.outPrecision, std::uint8_t{3});

    WhenDialogOpens([](QDialog* shown) { shown->reject(); });
    QCOMPARE(Platform().ChooseFont(nullptr, font, error), TChooseResult::Cancelled);
    QCOMPARE(font.height, -16);

    TColor custom[16] = {};
    custom[0] = MakeColor(1, 2, 3);
    TColor color = MakeColor(200, 100, 50);
    QColor startedWith;
    WhenDialogOpens([&](QDialog* shown) {
      auto* dialog = qobject_cast<QColorDialog*>(shown);
      QVERIFY(dialog);
      startedWith = dialog->currentColor();
      QColorDialog::setCustomColor(3, QColor(255, 0, 0));
      dialog->setCurrentColor(QColor(10, 20, 30));
      dialog->accept();
    });
    QVERIFY(Platform().ChooseColor(nullptr, color, custom));
    QCOMPARE(startedWith, QColor(200, 100, 50));
    QCOMPARE(color, MakeColor(10, 20, 30));
    QCOMPARE(custom[0], MakeColor(1, 2, 3));
    QCOMPARE(custom[3], MakeColor(255, 0, 0));
  }

  void printingToAPdfFile() {
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("page.pdf"));
    Backend().SetPrintToFile(pdf.toStdString());
    std::unique_ptr<TPrinter> printer = Platform().CreatePrinter();
    Backend().SetPrintToFile("");
    QVERIFY(printer);
    QCOMPARE(printer->Port(), pdf.toStdString());
    TestPrintout page;
    QStringList printingTexts;
    page.whilePrinting = [&] {
      auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      QVERIFY(window);
      QCOMPARE(window->windowTitle(), QStringLiteral("Printing"));
      for (QLabel* label : window->findChildren<QLabel*>()) printingTexts << label->text();
    };
    QCOMPARE(printer->Print(nullptr, page), TPrintResult::Printed);
    QCOMPARE(printingTexts, (QStringList{"Now printing", "Quillo! puzzle", "on PDF file (" + pdf + ")"}));

    // Cancel pressed while the page is drawn aborts the job.
    TestPrintout cancelled;
    cancelled.whilePrinting = [] {
      auto* window = QApplication::activeModalWidget();
      QTest::mouseClick(window->findChild<QPushButton*>(), Qt::LeftButton);
    };
    QCOMPARE(printer->Print(nullptr, cancelled), TPrintResult::Cancelled);

    TestPrintout failing(true);
    QCOMPARE(printer->Print(nullptr, failing), TPrintResult::Failed);
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
    QVERIFY(help && help->isVisible());
    QCOMPARE(QFileInfo(help->CurrentPage()).fileName(), QStringLiteral("index.html"));
    QStringList entries;
    for (int i = 0; i < help->Contents()->count(); ++i) entries << help->Contents()->item(i)->text();
    QCOMPARE(entries, (QStringList{"Contents", "How to play", "Tutorial"}));

    Platform().ShowHelp(nullptr, folder.path().toStdString(), 5);
    QCOMPARE(Backend().HelpWindow(), help);  // one window for the run
    QVERIFY(help->CurrentPage().isEmpty());
    QVERIFY(help->Browser()->toPlainText().contains(QStringLiteral("not found")));
    help->Contents()->itemClicked(help->Contents()->item(1));  // rules.html is missing too
    QVERIFY(help->Browser()->toPlainText().contains(QStringLiteral("rules.html")));
    help->close();
  }

  void soundsNeverFail() {
    const QByteArray wave = MakeToneWave(500, 150);
    QCOMPARE(wave.size(), 44 + 3307 * 2);
    QVERIFY(wave.startsWith("RIFF") && wave.mid(8, 8) == "WAVEfmt " && wave.mid(36, 4) == "data");
    int peak = 0;
    for (qsizetype i = 44; i + 1 < wave.size(); i += 2) {
      const int sample = static_cast<qint16>(static_cast<quint8>(wave[i]) | (static_cast<quint8>(wave[i + 1]) << 8));
      peak = std::max(peak, std::abs(sample));
    }
    QVERIFY(peak > 15000 && peak <= 16384);
    Platform().Tone(500, 150);
    Platform().PlayWave("/no/such/file.wav");
    Platform().PlayWave("");
    Platform().SimpleBeep();
  }

  void systemQueries() {
    const TRect work = Platform().WorkArea();
    QVERIFY(work.Width() > 0 && work.Height() > 0);
    const std::vector<TRect> monitors = Platform().Monitors();
    QVERIFY(!monitors.empty());
    QVERIFY(monitors[0].Contains({work.left, work.top}));
    QCOMPARE(Platform().ScreenPixelsPerInch().cx, QGuiApplication::primaryScreen()->logicalDotsPerInchX());
    QVERIFY(!Platform().IsKeyDown(TKey::Shift));
  }
};

QUILLO_GUI_TEST(PlatformTest);

#include "tst_platform.moc"
