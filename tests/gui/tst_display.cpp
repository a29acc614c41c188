// GUI tests of the display on the real widgets: a puzzle painted in a frame, clicked, typed, scrolled.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QMainWindow>
#include <QScrollBar>
#include <QTest>

#include <cstring>
#include <memory>

#include "classlib/inifile.h"
#include "display/cellmetrics.h"
#include "display/color.h"
#include "display/displayoptions.h"
#include "display/font.h"
#include "display/freqwindow.h"
#include "display/quillowindow.h"
#include "display/quotewindow.h"
#include "engine/game.h"
#include "engine/random.h"
#include "gui_helpers.h"
#include "qt/qtconvert.h"
#include "tests/support/display_hooks.h"

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
  MemoryIniFile store_;
  DisplayHooks hooks_;
  std::unique_ptr<Game> game_;
  std::unique_ptr<TFrameWindow> frame_;
  std::unique_ptr<QuilloWindow> window_;

  QWidget* Canvas(TWindow& window) { return WidgetOf(&window)->focusProxy(); }
  QImage Grab(TWindow& window) { return Canvas(window)->grab().toImage(); }
  QPoint CellCentre(int column, int row, int shiftPercent = 0) {
    const CellMetrics& cells = Cells();
    return QPoint(column * cells.cellWidth + cells.cellWidth / 2 + shiftPercent * cells.cellWidth / 100,
                  row * cells.cellHeight + cells.cellHeight / 2);
  }
  void NewPuzzle(const char* text) {
    std::strncpy(game_->text.displayText, text, kQuoteBufferSize - 1);
    game_->state.puzzleKind = kQuotePuzzle;
    SeedRandom(11);
    game_->StartGame();
    window_->RepaintAll();
  }
  void SaveShot(const char* name) {
    const QString folder = qEnvironmentVariable("QUILLO_DISPLAY_SHOTS");
    if (folder.isEmpty()) return;
    WidgetOf(frame_.get())->grab().save(folder + "/" + name);
  }

 private slots:
  void initTestCase() {
    SetSettings(&store_);
    store_.WriteInt("quillo", "Tutorial", 1);
    TheFont() = Font{};
    TheColors() = Color{};
    TheFont().Load();
    TheColors().Load();
    LoadDisplayOptions();
    game_ = std::make_unique<Game>(hooks_);
    frame_ = std::make_unique<TFrameWindow>();
    window_ = std::make_unique<QuilloWindow>(frame_.get(), *game_);
    hooks_.window = window_.get();
    hooks_.mainWindow = frame_.get();
    frame_->Create();
    window_->CreateWindows();
    frame_->Peer().SetClient(window_.get());
    frame_->Peer().Move(TRect::FromSize(40, 40, 640, 420));
    frame_->Peer().Show(TShow::Normal);
    QVERIFY(QTest::qWaitForWindowExposed(WidgetOf(frame_.get())));
    NewPuzzle(kQuotation);
    QTRY_VERIFY(game_->panel.panelShown != 0);
    QTRY_VERIFY(WidgetOf(&window_->Freq())->isVisible());
  }

  void cleanupTestCase() {
    window_.reset();
    frame_.reset();
    game_.reset();
    SetSettings(nullptr);
    TheFont() = Font{};
    TheColors() = Color{};
  }

  void paintsTheCellsInThePanes() {
    QVERIFY(Cells().cellWidth > 4 && Cells().cellHeight > 8);
    QCOMPARE(window_->Freq().ClientRect().Width(), Cells().panelWidth);
    QTRY_VERIFY(window_->Quote().Layout().lineCount >= 2);
    SaveShot("display-default.png");
    const QImage quote = Grab(window_->Quote());
    const QuoteLine& first = window_->Quote().Layout().lines[0];
    QVERIFY(DarkPixelsInCell(quote, first.indent + 2, 2) > 0);  // the first ciphertext letter
    QCOMPARE(DarkPixelsInCell(quote, first.indent + 2, 1), 0);  // no guess above it yet
    QCOMPARE(DarkPixelsInCell(quote, 0, 2), 0);                 // the margin
    // The attribution sits right-aligned on its own line.
    const QuoteLayout& layout = window_->Quote().Layout();
    const QuoteLine& last = layout.lines[layout.lineCount - 1];
    QCOMPARE(last.indent + last.length, Cells().lineColumns);
    // The background is the scheme's.
    const TColor background = TheColors().Get(kColorBackground);
    QCOMPARE(quote.pixel(1, 1), qRgb(RedOf(background), GreenOf(background), BlueOf(background)));
    const QImage panel = Grab(window_->Freq());
    QVERIFY(DarkPixelsInCell(panel, 1, 0) > 0);  // "Unused Letters"
  }

  void clickingACipherLetterThenAnUnusedLetterAssignsAGuess() {
    const QuoteLine& first = window_->Quote().Layout().lines[0];
    const int cipher = Game::LetterIndex(game_->text.puzzleText[first.start]);
    QTest::mouseClick(Canvas(window_->Quote()), Qt::LeftButton, Qt::NoModifier,
                      CellCentre(first.indent + 2, 2));
    QCOMPARE(game_->state.selectedCipher, cipher);
    // "T" is unused letter 19: the second row, column 7, half a cell to the right.
    QTest::mouseClick(Canvas(window_->Freq()), Qt::LeftButton, Qt::NoModifier, CellCentre(7, 2, 50));
    QCOMPARE(game_->state.guess[cipher], 'T');
    QTRY_VERIFY(DarkPixelsInCell(Grab(window_->Quote()), first.indent + 2, 1) > 0);
    // The panel gave the keyboard back: typing still plays.
    const char h = static_cast<char>('a' + game_->state.key['h' - 'a']);
    QTest::keyClick(QApplication::focusWidget(), h);
    QTest::keyClick(QApplication::focusWidget(), 'h');
    QCOMPARE(game_->state.guess[h - 'a'], 'H');
  }

  void theScrollBarShowsExactlyWhileTheTextIsTaller() {
    auto* bar = WidgetOf(&window_->Quote())->findChild<QScrollBar*>();
    QVERIFY(bar);
    QVERIFY(bar->isHidden());
    frame_->Peer().Move(TRect::FromSize(40, 40, 640, 140));
    QTRY_VERIFY(window_->Quote().ScrollRange() > 0);
    QTRY_VERIFY(bar->isVisible());
    bar->setValue(bar->maximum());
    QTRY_COMPARE(window_->Quote().ScrollPosition(), bar->maximum());
    frame_->Peer().Move(TRect::FromSize(40, 40, 640, 420));
    QTRY_COMPARE(window_->Quote().ScrollRange(), 0);
    QTRY_VERIFY(bar->isHidden());
  }

  void theWinIsAnnouncedOnceAfterThePaint() {
    for (int p = 0; p < kLetterCount; ++p) game_->AssignLetter(game_->state.key[p], p, false);
    window_->Redraw();
    QTRY_COMPARE(hooks_.Count("ShowYouWonDialog"), 1);
    window_->RepaintAll();
    QTest::qWait(100);
    QCOMPARE(hooks_.Count("ShowYouWonDialog"), 1);
  }

  void theColourDialogListsTheElementsAndCancelKeepsTheScheme() {
    const TColor before = TheColors().Stored(kColorCiphertext);
    int items = -1;
    WhenDialogOpens([&](QDialog* dialog) {
      if (auto* list = dialog->findChild<QComboBox*>()) items = list->count();
      const QString folder = qEnvironmentVariable("QUILLO_DISPLAY_SHOTS");
      if (!folder.isEmpty()) dialog->grab().save(folder + "/display-colors.png");
      dialog->reject();
    });
    window_->ChangeColors();
    QCOMPARE(items, kColorElementCount);
    QCOMPARE(TheColors().Stored(kColorCiphertext), before);
    QVERIFY(NoModalLeft());
  }

  void aLargeFontLaysTheDisplayOutAgain() {
    TLogFont big = TheFont().Record();
    big.height = -28;
    NewPuzzle(kQuotation);
    const int narrow = Cells().cellWidth;
    // The chooser is the platform's; here the record is taken as a chooser would hand it back.
    store_.WriteString("quillo", "Font", FormatFontSetting(big).c_str());
    TheFont().Load();
    window_->ComputeLayout();
    window_->RepaintAll();
    QVERIFY(Cells().cellWidth > narrow);
    QTRY_COMPARE(window_->Freq().ClientRect().Width(), Cells().panelWidth);
    QTRY_VERIFY(window_->Quote().Layout().lineCount > 3);
    frame_->Peer().Move(TRect::FromSize(40, 40, 900, 700));
    QTest::qWait(200);
    SaveShot("display-large.png");
  }
};

QUILLO_GUI_TEST(DisplayTest);
#include "tst_display.moc"
