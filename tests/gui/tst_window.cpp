// GUI tests of child windows: painting through QtDC, keys, mouse, size, timers and scrolling.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTest>

#include "framework/window.h"
#include "gui_helpers.h"
#include "qt/qtconvert.h"
#include "qt/qtdc.h"
#include "qt/qtwindow.h"

namespace {
constexpr TColor kPanel = MakeColor(250, 240, 200);
constexpr TColor kCell = MakeColor(255, 255, 255);

class RecordingWindow : public TWindow {
 public:
  RecordingWindow() : TWindow(nullptr) {}
  void Paint(TDC& dc) override {
    ++paints;
    TLogFont font;
    font.height = -16;
    font.pitchAndFamily = kFixedPitch | kFamilyModern;
    font.SetFace("Lucida Console");
    dc.SelectFont(&font);
    dc.SetTextColor(MakeColor(0, 0, 0));
    dc.SetBkColor(kCell);
    dc.TextOut(10, 10, "QUILLO");
    textExtent = dc.GetTextExtent("QUILLO");
  }
  void Char(int ch) override { chars.push_back(ch); }
  void LButtonDown(TPoint p, unsigned modifiers) override { clicks.push_back({'L', p, modifiers}); }
  void RButtonDown(TPoint p, unsigned modifiers) override { clicks.push_back({'R', p, modifiers}); }
  void Size(TSize size) override { sizes.push_back(size); }
  void VScroll(int position) override { scrolls.push_back(position); }

  struct Click {
    char button;
    TPoint point;
    unsigned modifiers;
  };
  int paints = 0;
  TSize textExtent;
  std::vector<int> chars;
  std::vector<Click> clicks;
  std::vector<TSize> sizes;
  std::vector<int> scrolls;
};

bool IsDark(QRgb pixel) { return qGray(pixel) < 96; }
}  // namespace

class ChildWindowTest : public QObject {
  Q_OBJECT

 private:
  RecordingWindow window_;
  QWidget* widget_ = nullptr;
  QWidget* canvas_ = nullptr;

 private slots:
  void initTestCase() {
    window_.Create();
    widget_ = WidgetOf(&window_);
    QVERIFY(widget_);
    canvas_ = widget_->focusProxy();
    QVERIFY(canvas_);
    window_.Peer().SetBackground(kPanel);
    window_.Peer().Move(TRect::FromSize(0, 0, 240, 80));
    widget_->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget_));
  }

  void paintsOpaqueTextOnTheBackground() {
    QImage image(240, 80, QImage::Format_RGB32);
    image.fill(Qt::black);
    canvas_->render(&image);
    QVERIFY(window_.paints > 0);
    const TSize extent = window_.textExtent;
    QVERIFY(extent.cx > 40 && extent.cy >= 12);
    int dark = 0;
    int cell = 0;
    for (int y = 10; y < 10 + extent.cy; ++y) {
      for (int x = 10; x < 10 + extent.cx; ++x) {
        const QRgb pixel = image.pixel(x, y);
        dark += IsDark(pixel) ? 1 : 0;
        cell += pixel == qRgb(255, 255, 255) ? 1 : 0;
      }
    }
    QVERIFY2(dark > 30, qPrintable(QStringLiteral("dark pixels: %1").arg(dark)));
    QVERIFY(cell > dark);  // the text's cell is filled with the background colour
    const QRgb panel = qRgb(RedOf(kPanel), GreenOf(kPanel), BlueOf(kPanel));
    QCOMPARE(image.pixel(5, 5), panel);
    QCOMPARE(image.pixel(230, 70), panel);
    QCOMPARE(image.pixel(10 + extent.cx + 2, 12), panel);
  }

  void mappingAndClippingOnAnImage() {
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      QtDC dc(&image, &painter);
      dc.SetIsotropic({100, 100}, {200, 400});  // two device pixels a unit, both ways
      dc.SetWindowOrg({10, 10});
      QCOMPARE(dc.GetWindowOrg(), (TPoint{10, 10}));
      dc.FillRect({10, 10, 20, 20}, MakeColor(255, 0, 0));
      dc.SetClipRect({30, 10, 35, 15});
      dc.FillRect({0, 0, 100, 100}, MakeColor(0, 0, 255));
      dc.OffsetClip(0, 10);
      dc.FillRect({0, 0, 100, 100}, MakeColor(0, 255, 0));
    }
    QCOMPARE(image.pixel(0, 0), qRgb(255, 0, 0));
    QCOMPARE(image.pixel(19, 19), qRgb(255, 0, 0));
    QCOMPARE(image.pixel(20, 20), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(40, 0), qRgb(0, 0, 255));
    QCOMPARE(image.pixel(49, 9), qRgb(0, 0, 255));
    QCOMPARE(image.pixel(50, 9), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(45, 25), qRgb(0, 255, 0));   // the clip moved down by ten units
    QCOMPARE(image.pixel(45, 15), qRgb(255, 255, 255));
    QtDC measuring(&image, nullptr);
    measuring.TextOut(0, 0, "nothing drawn without a painter");
    QVERIFY(measuring.GetTextMetrics().height > 0);
    QCOMPARE(measuring.GetDeviceCaps(TDeviceCap::HorzRes), 100);
  }

  void fixedPitchRecordsAlwaysGetAFixedFont() {
    TLogFont missing;
    missing.height = -15;
    missing.pitchAndFamily = kFixedPitch | kFamilyModern;
    missing.SetFace("No Such Face At All");
    QFont font = MakeFont(&missing);
    QVERIFY(QFontInfo(font).fixedPitch());
    QCOMPARE(font.pixelSize(), 15);
    QVERIFY(QFontInfo(MakeFont(nullptr)).fixedPitch());

    TLogFont proportional;
    proportional.height = 0;
    proportional.pitchAndFamily = kFamilySwiss;
    proportional.weight = 700;
    proportional.SetFace("DejaVu Sans");
    font = MakeFont(&proportional);
    QCOMPARE(font.pixelSize(), 15);
    QVERIFY(font.bold());
    QVERIFY(!QFontInfo(font).fixedPitch());
  }

  void keysArriveAsCharacters() {
    window_.chars.clear();
    QTest::keyClick(canvas_, Qt::Key_A);
    QTest::keyClick(canvas_, 'A', Qt::ShiftModifier);  // Shift+A types "A"
    QTest::keyClick(canvas_, Qt::Key_Backspace);
    QTest::keyClick(canvas_, Qt::Key_Escape);
    QTest::keyClick(canvas_, Qt::Key_Return);
    QTest::keyClick(canvas_, Qt::Key_Space);
    QTest::keyClick(canvas_, Qt::Key_Tab);
    QTest::sendKeyEvent(QTest::Click, canvas_, Qt::Key_Eacute, QString::fromLatin1("\xE9"), Qt::NoModifier);
    QTest::keyClick(canvas_, Qt::Key_A, Qt::AltModifier);  // menus' business, not typing
    QTest::keyClick(canvas_, Qt::Key_F5);
    QCOMPARE(window_.chars, (std::vector<int>{'a', 'A', 8, 27, 13, ' ', 9, 0xE9}));
  }

  void mousePressesCarryTheModifiers() {
    window_.clicks.clear();
    QTest::mouseClick(canvas_, Qt::LeftButton, Qt::NoModifier, QPoint(5, 6));
    QTest::mouseClick(canvas_, Qt::LeftButton, Qt::ShiftModifier | Qt::AltModifier, QPoint(7, 8));
    QTest::mouseClick(canvas_, Qt::RightButton, Qt::ControlModifier, QPoint(9, 10));
    QCOMPARE(window_.clicks.size(), size_t{3});
    QCOMPARE(window_.clicks[0].button, 'L');
    QCOMPARE(window_.clicks[0].point, (TPoint{5, 6}));
    QCOMPARE(window_.clicks[0].modifiers, 0u);
    QCOMPARE(window_.clicks[1].modifiers, unsigned{kModShift | kModAlt});
    QCOMPARE(window_.clicks[2].button, 'R');
    QCOMPARE(window_.clicks[2].point, (TPoint{9, 10}));
    QCOMPARE(window_.clicks[2].modifiers, unsigned{kModControl});

    // A click leaves the keyboard focus where the game put it.
    class Pane : public TWindow {
     public:
      explicit Pane(TWindow* parent) : TWindow(parent) {}
    } pane(&window_);
    pane.Create();
    pane.Peer().Move(TRect::FromSize(100, 0, 50, 50));
    // A child lives in its parent's client area; its window rectangle is on the screen.
    QCOMPARE(WidgetOf(&pane)->parentWidget(), canvas_);
    QCOMPARE(pane.ClientRect(), (TRect{0, 0, 50, 50}));
    const QPoint origin = canvas_->mapToGlobal(QPoint(100, 0));
    QCOMPARE(pane.Peer().WindowRect(), TRect::FromSize(origin.x(), origin.y(), 50, 50));
    window_.Peer().SetFocus();
    QTest::mouseClick(WidgetOf(&pane)->focusProxy(), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), canvas_);
    pane.Peer().SetFocus();
    QCOMPARE(QApplication::focusWidget(), WidgetOf(&pane)->focusProxy());
    window_.Peer().SetFocus();
  }

  void scrollBarShowsWhileThereIsARange() {
    window_.sizes.clear();
    window_.scrolls.clear();
    QCOMPARE(window_.ClientRect(), (TRect{0, 0, 240, 80}));
    window_.Peer().SetVScroll(5, 2);
    auto* bar = widget_->findChild<QScrollBar*>();
    QVERIFY(bar && bar->isVisible());
    const int barWidth = bar->width();
    QVERIFY(barWidth > 0);
    QCOMPARE(window_.ClientRect(), (TRect{0, 0, 240 - barWidth, 80}));
    QCOMPARE(window_.sizes.back(), (TSize{240 - barWidth, 80}));
    QCOMPARE(bar->value(), 2);
    QVERIFY(window_.scrolls.empty());  // the game's own setting is not reported back

    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(window_.scrolls, std::vector<int>{3});

    window_.Peer().SetVScroll(0, 0);
    QVERIFY(!bar->isVisible());
    QCOMPARE(window_.ClientRect(), (TRect{0, 0, 240, 80}));
    QCOMPARE(window_.sizes.back(), (TSize{240, 80}));
  }
};

QUILLO_GUI_TEST(ChildWindowTest);

#include "tst_window.moc"
