// GUI tests of the frame window (caption, size, menu bar, accelerators, check marks, tool bar) and of
// child windows (painting through QtDC, keys, mouse, size, timers and scrolling).
#include <algorithm>
#include <cmath>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "gui_helpers.h"
#include "qt/qtconvert.h"
#include "qt/qtdc.h"
#include "qt/qtframe.h"
#include "qt/qtplatform.h"
#include "qt/qtwindow.h"

namespace {
class RecordingFrame : public TFrameWindow {
 public:
  void Command(int id) override { commands.push_back(id); }
  void Moved() override { ++moves; }
  bool CanClose() override {
    ++closeQuestions;
    return allowClose;
  }
  std::vector<int> commands;
  int closeQuestions = 0, moves = 0;
  bool allowClose = true;
};

constexpr TColor kPanel = MakeColor(250, 240, 200);

// The frame tests' client and the child window tests' window: records what reaches it.
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

const QString kMenuText =
    "&Game[&New Game\tAlt+N, &Go To Specific Puzzle\tAlt+G, -, Print &Options[&Color], E&xit\tAlt+X], "
    "&Hint[&Confirm\tAlt+C]";

std::vector<TMenuItem> SmallMenu() {
  std::vector<TMenuItem> menu = {
      TMenuItem::Popup("&Game", {TMenuItem::Command("&New Game", 107, "Alt+N"),
                                 TMenuItem::Command("&Go To Specific Puzzle", 11862, "Alt+G"),
                                 TMenuItem::Separator(),
                                 TMenuItem::Popup("Print &Options", {TMenuItem::Command("&Color", 11854)}),
                                 TMenuItem::Command("E&xit", 109, "Alt+X")}),
      TMenuItem::Popup("&Hint", {TMenuItem::Command("&Confirm", 108, "Alt+C")}),
      TMenuItem::Popup("&Help",
                       {TMenuItem::Command("&Help", 24341, "F1"), TMenuItem::Command("&About Quillo!", 24346)}),
  };
  menu.back().rightAligned = true;
  return menu;
}

// The menu as text: items in order, "-" for a separator, a submenu's items in brackets, "(off)"
// after a greyed item, "(on)" after a checked one.
QString Describe(const QList<QAction*>& actions) {
  QStringList items;
  for (QAction* action : actions) {
    QString item = action->isSeparator() ? "-" : action->text();
    if (action->menu()) {
      emit action->menu()->aboutToShow();  // a popup makes its items when it opens
      item += "[" + Describe(action->menu()->actions()) + "]";
    }
    items << item + (action->isEnabled() ? "" : " (off)") + (action->isChecked() ? " (on)" : "");
  }
  return items.join(", ");
}
}  // namespace

class FrameTest : public QObject {
  Q_OBJECT

 private:
  RecordingFrame frame_;
  RecordingWindow client_;
  QMainWindow* main_ = nullptr;

 private slots:
  void initTestCase() {
    frame_.Create();
    client_.Create();
    frame_.FramePeer().SetCaption("Quillo!");
    frame_.FramePeer().SetMenu(SmallMenu());
    frame_.FramePeer().SetClient(&client_);
    frame_.Peer().Move(TRect::FromSize(30, 40, 560, 481));
    frame_.Peer().Show(TShow::Normal);
    main_ = qobject_cast<QMainWindow*>(WidgetOf(&frame_));
    QVERIFY(main_ && QTest::qWaitForWindowExposed(main_));
  }

  void opensWithSizeMenuAndClient() {
    // The outer rectangle, frame included, once the window system has framed the window.
    QTRY_COMPARE(frame_.Peer().WindowRect(), TRect::FromSize(30, 40, 560, 481));
    QVERIFY(!frame_.Peer().IsZoomed() && !frame_.Peer().IsIconic() && !main_->windowIcon().isNull());

    QCOMPARE(Describe(main_->menuBar()->actions()), kMenuText);
    // Help sits in its own bar at the right-hand end.
    auto* corner = qobject_cast<QMenuBar*>(main_->menuBar()->cornerWidget(Qt::TopRightCorner));
    QCOMPARE(Describe(corner->actions()), QStringLiteral("&Help[&Help\tF1, &About Quillo!]"));
    QVERIFY(corner->geometry().left() > main_->menuBar()->actionGeometry(main_->menuBar()->actions().at(1)).right());

    QCOMPARE(main_->centralWidget(), WidgetOf(&client_));
    QCOMPARE(main_->focusWidget(), WidgetOf(&client_)->focusProxy());  // keys go to the client
    const TRect client = client_.ClientRect();
    QVERIFY(client.Width() > 500 && client.Height() > 300 && client.Height() <= frame_.Peer().ClientRect().Height());
  }

  // Every accelerator of the game's own menu is pressed by the whole-game tests; here: keys sent
  // to the frame itself, a letter without a modifier, and a greyed item's key. The bar is built
  // anew: the marks come before its popups have made their items.
  void acceleratorsOnlyForEnabledItemsAndCheckMarks() {
    frame_.FramePeer().SetMenu(SmallMenu());
    frame_.commands.clear();
    QWidget* client = WidgetOf(&client_)->focusProxy();
    QTest::keyClick(main_, Qt::Key_N, Qt::AltModifier);
    QTest::keyClick(client, Qt::Key_G);
    frame_.FramePeer().EnableMenuItem(109, false);
    frame_.FramePeer().CheckMenuItem(11854, true);
    frame_.FramePeer().EnableTopMenu(1, false);
    QTest::keyClick(client, Qt::Key_X, Qt::AltModifier);
    QCOMPARE(Describe(main_->menuBar()->actions()),
             QString(kMenuText).replace("Alt+X", "Alt+X (off)").replace("Color", "Color (on)") + " (off)");
    frame_.FramePeer().EnableMenuItem(109, true);
    frame_.FramePeer().CheckMenuItem(11854, false);
    frame_.FramePeer().EnableTopMenu(1, true);
    QCOMPARE(Describe(main_->menuBar()->actions()), kMenuText);
    QTest::keyClick(client, Qt::Key_X, Qt::AltModifier);
    QCOMPARE(frame_.commands, (std::vector<int>{107, 109}));
  }

  // A bare Alt tap leaves the menu bar alone, so the next letter reaches the window.
  void altTapThenALetterReachesTheWindow() {
    QWidget* client = WidgetOf(&client_)->focusProxy();
    const auto openMenu = [] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      const QString title = menu ? menu->title() : QString();
      if (menu) menu->close();
      return title;
    };
    client_.chars.clear();
    for (const Qt::Key letter : {Qt::Key_E, Qt::Key_G, Qt::Key_H}) {
      QTest::keyPress(client, Qt::Key_Alt);
      QTest::keyRelease(client, Qt::Key_Alt, Qt::AltModifier);
      QCOMPARE(main_->focusWidget(), client);  // an armed menu bar takes the focus
      QTest::keyClick(client, letter);
      QCOMPARE(openMenu(), QString());
    }
    QCOMPARE(client_.chars, (std::vector<int>{'e', 'g', 'h'}));
    // F10 still opens the first menu, and Alt with a title's letter that no accelerator claims
    // opens a menu of that letter (Hint and Help share theirs, as in the game's own bar).
    QTest::keyClick(client, Qt::Key_F10);
    QCOMPARE(openMenu(), QStringLiteral("&Game"));
    QTest::keyClick(client, Qt::Key_H, Qt::AltModifier);
    QVERIFY(openMenu().startsWith(QStringLiteral("&H")));
  }

  void movingAndMaximising() {
    const int before = frame_.moves;
    frame_.Peer().Move(TRect::FromSize(60, 70, 560, 481));
    QTRY_VERIFY(frame_.moves > before && frame_.Peer().WindowRect() == TRect::FromSize(60, 70, 560, 481));
    frame_.Peer().Show(TShow::Maximized);
    QTRY_VERIFY(frame_.Peer().IsZoomed());
    frame_.Peer().Show(TShow::Normal);
    QTRY_VERIFY(!frame_.Peer().IsZoomed());
  }

  void toolBarButtonsGapsAndPlacement() {
    // A hand-made picture on a 0x00BBGGRR palette: an index past its end draws black, and
    // pixels that do not fill the size give no picture.
    const std::vector<unsigned> palette = {0x00332211, 0x00FFFFFF};
    const QImage picture = ImageOfBitmap({2, 2, {0, 1, 1, 7}}, palette);
    QCOMPARE((std::vector{picture.pixel(0, 0), picture.pixel(1, 0), picture.pixel(0, 1), picture.pixel(1, 1)}),
             (std::vector{qRgb(0x11, 0x22, 0x33), qRgb(255, 255, 255), qRgb(255, 255, 255), qRgb(0, 0, 0)}));
    QVERIFY(ImageOfBitmap({2, 2, {0, 1, 1}}, palette).isNull());

    frame_.FramePeer().SetToolBar({TToolItem::Button(1, 108, "Confirm"), TToolItem::Gap(10),
                              TToolItem::Button(99, 106, "Solve")});
    QToolBar* bar = dynamic_cast<QtFramePeer&>(frame_.Peer()).ToolBar()->Bar();
    QVERIFY(frame_.FramePeer().IsToolBarVisible() && !bar->isMovable() && !bar->isFloatable());
    const QList<QAction*> actions = bar->actions();
    QCOMPARE(actions.size(), 3);
    auto* confirm = qobject_cast<QToolButton*>(bar->widgetForAction(actions[0]));
    auto* solve = qobject_cast<QToolButton*>(bar->widgetForAction(actions[2]));
    QVERIFY(!confirm->icon().isNull() && confirm->focusPolicy() == Qt::NoFocus);
    QCOMPARE(confirm->iconSize(), QSize(HintBitmap(1).width, HintBitmap(1).height));
    // A 200% screen gets a picture of its own resolution, drawn when first asked for.
    QCOMPARE(confirm->icon().pixmap(confirm->iconSize(), 2.0).size(), confirm->iconSize() * 2);
    QCOMPARE(bar->widgetForAction(actions[1])->width(), 10);
    // A picture number the resources do not have shows its label instead.
    QVERIFY(solve->icon().isNull() && solve->text() == "Solve");
    frame_.commands.clear();
    QTest::mouseClick(confirm, Qt::LeftButton);
    QTest::mouseClick(solve, Qt::LeftButton);
    QCOMPARE(frame_.commands, (std::vector<int>{108, 106}));

    // The bar paints its background in strips: the same pixels as the style's whole paint,
    // lying and upright, on plain and scaled screens.
    const auto paintsAsItsStyle = [bar, own = bar->style()] {
      const auto render = [bar](qreal ratio) {
        QImage image(bar->size() * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        bar->render(&image);
        return image;
      };
      bool same = true;
      for (const qreal ratio : {1.0, 1.25, 2.0, 3.0}) {
        const QImage strips = render(ratio);
        bar->setStyle(QApplication::style());
        same = same && render(ratio) == strips;
        bar->setStyle(own);
      }
      return same;
    };
    QVERIFY(paintsAsItsStyle());
    const auto placed = [&] { return std::tuple(main_->toolBarArea(bar), bar->orientation()); };
    frame_.FramePeer().PlaceToolBar(TEdge::Left, true);
    QCOMPARE(placed(), std::tuple(Qt::LeftToolBarArea, Qt::Vertical));
    QTRY_VERIFY(bar->height() > 200 && paintsAsItsStyle());
    frame_.FramePeer().PlaceToolBar(TEdge::Top, false);
    QCOMPARE(placed(), std::tuple(Qt::TopToolBarArea, Qt::Horizontal));
    frame_.FramePeer().ShowToolBar(false);
    frame_.FramePeer().PlaceToolBar(TEdge::Bottom, false);  // moving a hidden bar keeps it hidden
    QVERIFY(!frame_.FramePeer().IsToolBarVisible());
    frame_.FramePeer().ShowToolBar(true);
  }

  // Runs last: it closes every window.
  void quitEndsTheApplicationLoopAndItsDialogs() {
    RecordingFrame frame;
    frame.allowClose = false;
    frame.Create();
    frame.Peer().Show(TShow::Normal);
    TDialog dialog(&frame, {0, "Notice", {120, 40}, "MS Sans Serif", 8,
                            {{TControlKind::DefaultButton, IDOK, "OK", {40, 20, 80, 34}}}});
    int dialogResult = 0;
    QTimer::singleShot(0, [&] {
      WhenDialogOpens([](QDialog*) { Platform().Quit(); });
      dialogResult = dialog.Execute();
    });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });  // a failing quit ends here
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(dialogResult, IDCANCEL);
    QCOMPARE(frame.closeQuestions, 0);  // quitting does not ask the game again
    QVERIFY(!frame.Peer().IsVisible() && Backend().QuitRequested());
  }
};

QUILLO_GUI_TEST(FrameTest);

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
    int dark = 0, cell = 0, rightmost = 0;  // the text's cell is filled with its background colour
    for (int y = 10; y < 10 + extent.cy; ++y) {
      for (int x = 10; x < 240; ++x) {
        if (qGray(image.pixel(x, y)) < 96) rightmost = std::max(rightmost, x);
        dark += x < 10 + extent.cx && qGray(image.pixel(x, y)) < 96;
        cell += x < 10 + extent.cx && image.pixel(x, y) == qRgb(255, 255, 255);
      }
    }
    // The last letter lies in the last of six cells, and the extent covers it.
    QVERIFY2(rightmost >= 10 + extent.cx * 5 / 6 && rightmost < 10 + extent.cx, qPrintable(QString::number(rightmost)));
    QVERIFY2(dark > 30 && cell > dark, qPrintable(QStringLiteral("dark %1, cell %2").arg(dark).arg(cell)));
    for (QPoint p : {QPoint(5, 5), QPoint(230, 70), QPoint(10 + extent.cx, 12)}) {
      QCOMPARE(image.pixel(p), ToQColor(kPanel).rgb());
    }
    QCOMPARE_NE(image.pixel(10 + extent.cx - 1, 12), ToQColor(kPanel).rgb());  // the cell ends at the extent
    QCOMPARE(extent.cx % 6, 0);  // six fixed-pitch cells
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

  // Fixed-pitch text keeps each glyph of the face, one whole-pixel cell apart: the same pixels as
  // Qt's own text drawing with the advance rounded to whole pixels (up to the baseline's height).
  void fixedPitchTextLiesInWholePixelCells() {
    TLogFont record;
    std::tie(record.height, record.pitchAndFamily) = std::tuple(-17, kFixedPitch | kFamilyModern);
    const QString text = QStringLiteral("Wij Q_(x)");
    QImage drawn(300, 60, QImage::Format_RGB32), expected = drawn;
    drawn.fill(Qt::white);
    expected.fill(Qt::white);
    {
      QPainter painter(&drawn);
      QtDC dc(&drawn, &painter);
      dc.SelectFont(&record);
      dc.TextOut(10, 10, text.toStdString());
    }
    QFont font = MakeFont(&record);
    const qreal advance = QFontMetricsF(font, &expected).horizontalAdvance(QLatin1Char('M'));
    font.setLetterSpacing(QFont::AbsoluteSpacing, std::round(advance) - advance);
    QPainter painter(&expected);
    painter.setFont(font);
    painter.drawText(QPointF(10, 40), text);
    painter.end();
    const auto ink = [](const QImage& image) {  // the drawn part, from its top-left corner
      QRect box;
      for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
          if (image.pixel(x, y) != qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
        }
      }
      return image.copy(box);
    };
    QVERIFY(!ink(drawn).isNull());
    QCOMPARE(ink(drawn), ink(expected));
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

#include "tst_frame.moc"
