// GUI tests of the display in the whole game: a long puzzle painted and clicked on the real panes.
#include <QApplication>
#include <QScrollBar>

#include <memory>

#include "display/color.h"
#include "display/font.h"
#include "display/freqwindow.h"
#include "game_run.h"
#include "qt/qtdc.h"
#include "qt/qtfontchooser.h"

namespace {
constexpr const char* kQuotation =
    "The quick brown fox jumps over the lazy dog, and then naps in the warm afternoon sun "
    "while the hens look on.\tA farmyard saying";

// Dark pixels inside one cell of a canvas image.
int DarkPixelsInCell(const QImage& image, int column, int row) {
  const CellMetrics& cells = Cells();
  const QImage cell =
      image.copy(column * cells.cellWidth, row * cells.cellHeight, cells.cellWidth, cells.cellHeight);
  int dark = 0;
  for (int y = 0; y < cell.height(); ++y) {
    for (int x = 0; x < cell.width(); ++x) dark += qGray(cell.pixel(x, y)) < 128;
  }
  return dark;
}
}  // namespace

class DisplayTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<GameRun> run_;

  QuilloWindow& Window() { return run_->app().Client(); }
  QWidget* Canvas(TWindow& window) { return WidgetOf(&window)->focusProxy(); }
  QImage Grab(TWindow& window) { return Canvas(window)->grab().toImage(); }
  void MoveFrame(int width, int height) { run_->app().Frame().Peer().Move(TRect::FromSize(40, 40, width, height)); }
  // Chooses family at pixels in the font chooser, by Change Font; the message box that may
  // follow is answered with OK.
  std::shared_ptr<SeenMessageBox> ChangeFont(const QString& family, int pixels) {
    WhenDialogOpens([=](QDialog* shown) {
      QFont font(family);
      font.setPixelSize(pixels);
      dynamic_cast<QtFontChooser*>(shown)->setCurrentFont(font);
      shown->accept();
    });
    auto message = AnswerNextMessageBox(QMessageBox::Ok);
    if (!run_->Choose("Change Font")) return {};
    return message;
  }

 private slots:
  void initTestCase() {
    run_ = std::make_unique<GameRun>("Tutorial=1\n", kQuotation);
    MoveFrame(640, 420);
    QVERIFY(run_->Shown());
  }
  void cleanupTestCase() { run_.reset(); }

  void paintsTheCellsInThePanes() {
    QVERIFY(Cells().cellWidth > 4 && Cells().cellHeight > 8);
    QCOMPARE(Window().Freq().ClientRect().Width(), Cells().panelWidth);
    const QuoteLayout& layout = Window().Quote().Layout();
    QTRY_VERIFY(layout.lineCount >= 2);
    const QImage quote = Grab(Window().Quote());
    const int first = layout.lines[0].indent + 2;
    // The first ciphertext letter, no guess above it yet, nothing in the margin.
    QVERIFY(DarkPixelsInCell(quote, first, 2) > 0);
    QCOMPARE(DarkPixelsInCell(quote, first, 1) + DarkPixelsInCell(quote, 0, 2), 0);
    const QuoteLine& last = layout.lines[layout.lineCount - 1];  // the attribution, right-aligned
    QCOMPARE(last.indent + last.length, Cells().lineColumns);
    QCOMPARE(quote.pixel(1, 1), ToQColor(TheColors().Get(kColorBackground)).rgb());  // the scheme's
    QVERIFY(DarkPixelsInCell(Grab(Window().Freq()), 1, 0) > 0);  // "Unused Letters"
  }

  // The frame keeps a minimum: twelve puzzle columns beside the panel, down to its clock (row 19).
  void theScrollBarShowsExactlyWhileTheTextIsTallerAndTheFrameHasAMinimum() {
    auto* bar = WidgetOf(&Window().Quote())->findChild<QScrollBar*>();
    QVERIFY(bar && bar->isHidden());
    MoveFrame(300, 140);
    QTRY_VERIFY(Window().Quote().ScrollRange() > 0 && bar->isVisible());
    QVERIFY(Window().Quote().ClientRect().Width() + bar->width() >= 12 * Cells().cellWidth);
    QVERIFY(Window().Freq().ClientRect().Height() >= 20 * Cells().cellHeight);
    bar->setValue(bar->maximum());
    QTRY_COMPARE(Window().Quote().ScrollPosition(), bar->maximum());
    MoveFrame(640, 420);
    QTRY_VERIFY(Window().Quote().ScrollRange() == 0 && bar->isHidden());
  }

  // A large fixed face lays the display out again and grows the window to show the whole panel
  // (the unit tests refuse a proportional one; the platform test marks it so).
  void aLargeFontLaysTheDisplayOutAgain() {
    const int narrow = Cells().cellWidth;
    QVERIFY(!ChangeFont("DejaVu Sans Mono", 28)->seen);
    ForgetDialogAnswers();  // the message answer nobody used
    QVERIFY(TheFont().HasFont() && Cells().cellWidth > narrow);
    QTRY_COMPARE(Window().Freq().ClientRect().Width(), Cells().panelWidth);
    QTRY_VERIFY(Window().Quote().Layout().lineCount > 3);
    QTRY_VERIFY(Window().Freq().ClientRect().Height() >= 26 * Cells().cellHeight);
    QVERIFY(NoModalLeft());
  }
};

QUILLO_GUI_TEST(DisplayTest);
#include "tst_display.moc"
