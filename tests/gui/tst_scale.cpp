// GUI tests at the desktop's scale (run at 100% and again at 200%): every dialog's text shows
// whole, the puzzle is drawn at the screen's full resolution, and the zoom keys on the real frame.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTest>

#include "display/font.h"
#include "framework/dialog.h"
#include "game_run.h"
#include "gui_helpers.h"
#include "resources/commands.h"
#include "resources/resources.h"

namespace {

QString Plain(QString text) { return text.remove(QLatin1Char('&')); }

// What of one control's text the control would cut off, or empty.
QString Clipped(QWidget& control, const QRect& dialog) {
  const QString name = control.objectName() + " ";
  if (!dialog.contains(control.geometry())) return name + "outside the dialog";
  const QFontMetrics metrics(control.font());
  const QRect inside = control.contentsRect();
  if (auto* label = qobject_cast<QLabel*>(&control); label && !label->text().isEmpty()) {
    for (const QString& word : label->text().split(QRegularExpression("\\s+"), Qt::SkipEmptyParts)) {
      if (metrics.horizontalAdvance(word) > inside.width()) return name + "word " + word;
    }
    const int needed = label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
    if (needed > label->height()) return name + "needs height " + QString::number(needed);
  } else if (auto* box = qobject_cast<QGroupBox*>(&control)) {
    if (metrics.horizontalAdvance(Plain(box->title())) + 16 > box->width()) return name + box->title();
  } else if (auto* check = qobject_cast<QAbstractButton*>(&control); check && !qobject_cast<QPushButton*>(check)) {
    if (check->sizeHint().width() > check->width()) return name + check->text();
  } else if (auto* button = qobject_cast<QPushButton*>(&control)) {
    const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    if (metrics.horizontalAdvance(Plain(button->text())) + margin > inside.width() ||
        metrics.height() > inside.height()) {
      return name + button->text();
    }
  }
  return {};
}

QStringList ClippedControls(QWidget& dialog) {
  QStringList clipped;
  for (QWidget* control : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!control->objectName().startsWith("ctl_") || control->isHidden()) continue;
    if (QString what = Clipped(*control, dialog.rect()); !what.isEmpty()) clipped << what;
  }
  return clipped;
}

// Aligned 2x2 blocks of device pixels that are not one colour: none when a picture drawn at
// 100% was enlarged pixel for pixel.
int FinerThanTwoPixels(const QImage& image) {
  int blocks = 0;
  for (int y = 0; y + 1 < image.height(); y += 2) {
    for (int x = 0; x + 1 < image.width(); x += 2) {
      const QRgb c = image.pixel(x, y);
      if (image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c || image.pixel(x + 1, y + 1) != c) ++blocks;
    }
  }
  return blocks;
}

class ScaleTest : public QObject {
  Q_OBJECT

 private slots:
  // The templates' own texts, at the dialog font of the screen.
  void everyTemplateShowsItsTextsWhole() {
    for (auto* tpl : {&YouWonTemplate, &SoundTemplate, &TimeTemplate, &AboutTemplate, &WordListTemplate,
                      &ColorTemplate, &InputTemplate, &HintTemplate}) {
      TDialog dialog(nullptr, tpl());
      QtDialogPeer peer(dialog, nullptr);
      QCOMPARE(ClippedControls(peer), QStringList{});
    }
  }

  // The texts the dialogs set when they open, as the player opens them.
  void openedDialogsShowTheirTextsWhole() {
    GameRun run;
    QVERIFY(run.Shown());
    for (int command : {kCmdChangeColors, kCmdChangeTimes, kCmdChangeSounds, kCmdAbout}) {
      QStringList clipped = {"not opened"};
      WhenDialogOpens([&](QDialog* dialog) {
        clipped = ClippedControls(*dialog);
        dialog->reject();
      });
      run.app().Command(command);
      QCOMPARE(clipped, QStringList{});
    }
  }

  void puzzleIsDrawnAtTheScreensResolution() {
    GameRun run;
    QVERIFY(run.Shown());
    const QPixmap shot = run.Puzzle()->grab();
    QCOMPARE(shot.devicePixelRatio(), run.Puzzle()->devicePixelRatioF());
    QCOMPARE(shot.width(), qRound(run.Puzzle()->width() * shot.devicePixelRatio()));
    if (shot.devicePixelRatio() < 2) QSKIP("the screen is not scaled");
    QVERIFY(FinerThanTwoPixels(shot.toImage()) > 20);
  }

  // Ctrl++ (with or without Shift), Ctrl+=, Ctrl+- and Ctrl+0; the frame grows to the whole panel
  // (26 rows) and the step is there at the next start.
  void zoomKeysScaleThePuzzleGrowTheFrameAndAreRemembered() {
    GameRun run;
    QVERIFY(run.Shown());
    const int actual = Cells().cellHeight;
    QTest::keyClick(run.Keys(), Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(run.Keys(), Qt::Key_Equal, Qt::ControlModifier);
    QTest::keyClick(run.Keys(), Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(run.Keys(), Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(TheFont().Zoom(), 125);
    QVERIFY(Cells().cellHeight > actual);
    QTRY_VERIFY(WidgetOf(&run.app().Client())->height() >= 26 * Cells().cellHeight);
    run.Restart();
    QVERIFY(run.Shown());
    QCOMPARE(TheFont().Zoom(), 125);
    QTest::keyClick(run.Keys(), Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(Cells().cellHeight, actual);
  }
};

}  // namespace

QUILLO_GUI_TEST(ScaleTest);

#include "tst_scale.moc"
