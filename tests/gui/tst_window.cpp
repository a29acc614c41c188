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

class RecordingWindow : public TWindow {
 public:
  RecordingWindow() : TWindow(nullptr) {}
  void Paint(TDC& dc) override {
    ++paints;
    TLogFont font;
    std::tie(font.height, font.pitchAndFamily) = std::tuple(-16, kFixedPitch | kFamilyModern);
    font.SetFace("Lucida Console");
    dc.SelectFont(&font);
    dc.SetTextColor(MakeColor(0, 0, 0));
    dc.SetBkColor(MakeColor(255, 255, 255));
    dc.TextOut(10, 10, "QUILLO");
    textExtent = dc.GetTextExtent("QUILLO");
  }
  void Char(int ch) override { chars.push_back(ch); }
  void LButtonDown(TPoint p, unsigned modifiers) override { Click('L', p, modifiers); }
  void RButtonDown(TPoint p, unsigned modifiers) override { Click('R', p, modifiers); }
  void Size(TSize size) override { sizes.push_back(size); }
  void VScroll(int position) override { scrolls.push_back(position); }

  // "<button> <x>,<y> <modifiers>; " for each press.
  void Click(char button, TPoint p, unsigned modifiers) {
    clicks += QStringLiteral("%1 %2,%3 %4; ").arg(button).arg(p.x).arg(p.y).arg(modifiers);
  }
  int paints = 0;
  TSize textExtent;
  std::vector<int> chars;
  QString clicks;
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
    canvas_ = widget_ ? widget_->focusProxy() : nullptr;
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
    const TSize extent = window_.textExtent;
    QVERIFY(window_.paints > 0 && extent.cx > 40 && extent.cy >= 12);
    int dark = 0, cell = 0;  // the text's cell is filled with its background colour
    for (int y = 10; y < 10 + extent.cy; ++y) {
      for (int x = 10; x < 10 + extent.cx; ++x) {
        dark += IsDark(image.pixel(x, y));
        cell += image.pixel(x, y) == qRgb(255, 255, 255);
      }
    }
    QVERIFY2(dark > 30 && cell > dark, qPrintable(QStringLiteral("dark %1, cell %2").arg(dark).arg(cell)));
    for (QPoint p : {QPoint(5, 5), QPoint(230, 70), QPoint(10 + extent.cx + 2, 12)}) {
      QCOMPARE(image.pixel(p), ToQColor(kPanel).rgb());
    }
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
    // Red from the origin to its far corner; blue inside the clip only; green in the clip moved
    // down by ten units.
    const std::tuple<int, int, QRgb> pixels[] = {
        {0, 0, 0xFF0000}, {19, 19, 0xFF0000}, {20, 20, 0xFFFFFF}, {40, 0, 0x0000FF},
        {49, 9, 0x0000FF}, {50, 9, 0xFFFFFF}, {45, 25, 0x00FF00}, {45, 15, 0xFFFFFF}};
    for (auto [x, y, rgb] : pixels) QCOMPARE(image.pixel(x, y) & 0xFFFFFF, rgb);
    QtDC measuring(&image, nullptr);  // measures, draws nothing
    measuring.TextOut(0, 0, "nothing drawn without a painter");
    QVERIFY(measuring.GetTextMetrics().height > 0 && measuring.GetDeviceCaps(TDeviceCap::HorzRes) == 100);
  }

  void fixedPitchRecordsAlwaysGetAFixedFont() {
    TLogFont missing;
    std::tie(missing.height, missing.pitchAndFamily) = std::tuple(-15, kFixedPitch | kFamilyModern);
    missing.SetFace("No Such Face At All");
    QFont font = MakeFont(&missing);
    QVERIFY(QFontInfo(font).fixedPitch() && font.pixelSize() == 15 && QFontInfo(MakeFont(nullptr)).fixedPitch());

    TLogFont proportional;
    std::tie(proportional.height, proportional.pitchAndFamily, proportional.weight) = std::tuple(0, kFamilySwiss, 700);
    proportional.SetFace("DejaVu Sans");
    font = MakeFont(&proportional);
    QVERIFY(font.pixelSize() == 15 && font.bold() && !QFontInfo(font).fixedPitch());
  }

  void keysArriveAsCharacters() {
    window_.chars.clear();
    QTest::keyClick(canvas_, Qt::Key_A);
    QTest::keyClick(canvas_, 'A', Qt::ShiftModifier);  // Shift+A types "A"
    for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space, Qt::Key_Tab}) {
      QTest::keyClick(canvas_, key);
    }
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
    QCOMPARE(window_.clicks,
             QStringLiteral("L 5,6 0; L 7,8 %1; R 9,10 %2; ").arg(kModShift | kModAlt).arg(kModControl));

    // A click leaves the keyboard focus where the game put it.
    TWindow pane(&window_);
    pane.Create();
    pane.Peer().Move(TRect::FromSize(100, 0, 50, 50));
    // A child lives in its parent's client area; its window rectangle is on the screen.
    QVERIFY(WidgetOf(&pane)->parentWidget() == canvas_ && pane.ClientRect() == (TRect{0, 0, 50, 50}));
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
    QVERIFY(bar && bar->isVisible() && bar->width() > 0 && bar->value() == 2);
    // The bar takes its width from the client area, and the game hears of the new size.
    const auto client = [&] { return std::tuple(window_.ClientRect(), window_.sizes.back()); };
    QCOMPARE(client(), std::tuple(TRect{0, 0, 240 - bar->width(), 80}, TSize{240 - bar->width(), 80}));
    QVERIFY(window_.scrolls.empty());  // the game's own setting is not reported back
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(window_.scrolls, std::vector<int>{3});
    window_.Peer().SetVScroll(0, 0);
    QVERIFY(!bar->isVisible());
    QCOMPARE(client(), std::tuple(TRect{0, 0, 240, 80}, TSize{240, 80}));
  }
};

QUILLO_GUI_TEST(ChildWindowTest);

#include "tst_window.moc"
