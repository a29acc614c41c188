// GUI tests at the desktop's scale (run at 100%, and at 200% as ctest gui_200): dialog texts show
// whole, a zoomed puzzle grows the frame and is drawn at the screen's resolution.
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "game_run.h"
#include "resources/commands.h"

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

}  // namespace

QUILLO_GUI_TEST(ScaleTest);

#include "tst_scale.moc"
