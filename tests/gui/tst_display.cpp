// GUI tests of the display in the whole game: a long puzzle painted, clicked, scrolled, restyled.
#include <QApplication>
#include <QComboBox>
#include <QFontDialog>
#include <QImage>
#include <QScrollBar>

#include <memory>

#include "display/color.h"
#include "display/freqwindow.h"
#include "game_run.h"

namespace {
constexpr const char* kQuotation =
    "The quick brown fox jumps over the lazy dog, and then naps in the warm afternoon sun "
    "while the hens look on.\tA farmyard saying";

bool IsDark(QRgb pixel) { return qGray(pixel) < 128; }

// Dark pixels inside one cell of a canvas image.
int DarkPixelsInCell(const QImage& image, int column, int row) {
  const CellMetrics& cells = Cells();
  int dark = 0;
  for (int y = row * cells.cellHeight; y < (row + 1) * cells.cellHeight; ++y) {
    for (int x = column * cells.cellWidth; x < (column + 1) * cells.cellWidth; ++x) {
      if (x < image.width() && y < image.height()) dark += IsDark(image.pixel(x, y)) ? 1 : 0;
    }
  }
  return dark;
}
}  // namespace

class DisplayTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<GameRun> run_;

  QuilloWindow& Window() { return run_->app().Client(); }
  Game& TheGame() { return run_->app(); }
  QWidget* Canvas(TWindow& window) { return WidgetOf(&window)->focusProxy(); }
  QImage Grab(TWindow& window) { return Canvas(window)->grab().toImage(); }
  void MoveFrame(int height) { run_->app().Frame().Peer().Move(TRect::FromSize(40, 40, 640, height)); }

 private slots:
  void initTestCase() {
    run_ = std::make_unique<GameRun>("Tutorial=1\n", kQuotation);
    MoveFrame(420);
    QVERIFY(run_->Shown());
  }
  void cleanupTestCase() { run_.reset(); }

  void paintsTheCellsInThePanes() {
    QVERIFY(Cells().cellWidth > 4 && Cells().cellHeight > 8);
    QCOMPARE(Window().Freq().ClientRect().Width(), Cells().panelWidth);
    QTRY_VERIFY(Window().Quote().Layout().lineCount >= 2);
    const QImage quote = Grab(Window().Quote());
    const QuoteLine& first = Window().Quote().Layout().lines[0];
    QVERIFY(DarkPixelsInCell(quote, first.indent + 2, 2) > 0);  // the first ciphertext letter
    QCOMPARE(DarkPixelsInCell(quote, first.indent + 2, 1), 0);  // no guess above it yet
    QCOMPARE(DarkPixelsInCell(quote, 0, 2), 0);                 // the margin
    // The attribution sits right-aligned on its own line.
    const QuoteLayout& layout = Window().Quote().Layout();
    const QuoteLine& last = layout.lines[layout.lineCount - 1];
    QCOMPARE(last.indent + last.length, Cells().lineColumns);
    // The background is the scheme's.
    const TColor background = TheColors().Get(kColorBackground);
    QCOMPARE(quote.pixel(1, 1), qRgb(RedOf(background), GreenOf(background), BlueOf(background)));
    const QImage panel = Grab(Window().Freq());
    QVERIFY(DarkPixelsInCell(panel, 1, 0) > 0);  // "Unused Letters"
  }

  void clickingACipherLetterThenAnUnusedLetterAssignsAGuess() {
    const QuoteLine& first = Window().Quote().Layout().lines[0];
    const int cipher = Game::LetterIndex(TheGame().text.puzzleText[first.start]);
    QTest::mouseClick(Canvas(Window().Quote()), Qt::LeftButton, Qt::NoModifier,
                      CellCentre(first.indent + 2, 2));
    QCOMPARE(TheGame().state.selectedCipher, cipher);
    // "T" is unused letter 19: the second row, column 7, half a cell to the right.
    QTest::mouseClick(Canvas(Window().Freq()), Qt::LeftButton, Qt::NoModifier, CellCentre(7, 2, 50));
    QCOMPARE(TheGame().state.guess[cipher], 'T');
    QTRY_VERIFY(DarkPixelsInCell(Grab(Window().Quote()), first.indent + 2, 1) > 0);
    // The panel gave the keyboard back: typing still plays.
    const char h = static_cast<char>('a' + TheGame().state.key['h' - 'a']);
    QTest::keyClick(QApplication::focusWidget(), h);
    QTest::keyClick(QApplication::focusWidget(), 'h');
    QCOMPARE(TheGame().state.guess[h - 'a'], 'H');
  }

  void theScrollBarShowsExactlyWhileTheTextIsTaller() {
    auto* bar = WidgetOf(&Window().Quote())->findChild<QScrollBar*>();
    QVERIFY(bar);
    QVERIFY(bar->isHidden());
    MoveFrame(140);
    QTRY_VERIFY(Window().Quote().ScrollRange() > 0);
    QTRY_VERIFY(bar->isVisible());
    bar->setValue(bar->maximum());
    QTRY_COMPARE(Window().Quote().ScrollPosition(), bar->maximum());
    MoveFrame(420);
    QTRY_COMPARE(Window().Quote().ScrollRange(), 0);
    QTRY_VERIFY(bar->isHidden());
  }

  void theColourDialogListsTheElementsAndCancelKeepsTheScheme() {
    const TColor before = TheColors().Stored(kColorCiphertext);
    int items = -1;
    WhenDialogOpens([&](QDialog* dialog) {
      if (auto* list = dialog->findChild<QComboBox*>()) items = list->count();
      dialog->reject();
    });
    QVERIFY(run_->Choose("Change Colors"));
    QCOMPARE(items, kColorElementCount);
    QCOMPARE(TheColors().Stored(kColorCiphertext), before);
    QVERIFY(NoModalLeft());
  }

  void aLargeFontLaysTheDisplayOutAgain() {
    const int narrow = Cells().cellWidth;
    WhenDialogOpens([](QDialog* shown) {
      auto* dialog = qobject_cast<QFontDialog*>(shown);
      if (!dialog) return shown->reject();
      QFont mono(QStringLiteral("DejaVu Sans Mono"));
      mono.setPixelSize(28);
      dialog->setCurrentFont(mono);
      dialog->accept();
    });
    QVERIFY(run_->Choose("Change Font"));
    QVERIFY(Cells().cellWidth > narrow);
    QTRY_COMPARE(Window().Freq().ClientRect().Width(), Cells().panelWidth);
    QTRY_VERIFY(Window().Quote().Layout().lineCount > 3);
    QVERIFY(NoModalLeft());
  }
};

QUILLO_GUI_TEST(DisplayTest);
#include "tst_display.moc"
