// GUI tests of the frame window: caption, size, menu bar, accelerators, check marks, tool bar.
#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <QTimer>
#include <QToolButton>

#include "framework/dialog.h"
#include "framework/menu.h"
#include "framework/platform.h"
#include "framework/window.h"
#include "gui_helpers.h"
#include "qt/qtconvert.h"
#include "qt/qtframe.h"
#include "qt/qtplatform.h"
#include "resources/resources.h"

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
  int closeQuestions = 0;
  int moves = 0;
  bool allowClose = true;
};

class TypingClient : public TWindow {
 public:
  TypingClient() : TWindow(nullptr) {}
  void Char(int ch) override { typed += static_cast<char>(ch); }
  std::string typed;
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
    if (action->menu()) item += "[" + Describe(action->menu()->actions()) + "]";
    items << item + (action->isEnabled() ? "" : " (off)") + (action->isChecked() ? " (on)" : "");
  }
  return items.join(", ");
}
}  // namespace

class FrameTest : public QObject {
  Q_OBJECT

 private:
  RecordingFrame frame_;
  TypingClient client_;
  QMainWindow* main_ = nullptr;

  QtFramePeer& Peer() { return dynamic_cast<QtFramePeer&>(frame_.Peer()); }

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
  // to the frame itself, a letter without a modifier, and a greyed item's key.
  void acceleratorsOnlyForEnabledItemsAndCheckMarks() {
    frame_.commands.clear();
    QWidget* client = WidgetOf(&client_)->focusProxy();
    QTest::keyClick(main_, Qt::Key_N, Qt::AltModifier);
    QTest::keyClick(client, Qt::Key_G);
    frame_.FramePeer().EnableMenuItem(109, false);
    frame_.FramePeer().CheckMenuItem(11854, true);
    frame_.FramePeer().EnableTopMenu(1, false);
    QCOMPARE(Describe(main_->menuBar()->actions()),
             QString(kMenuText).replace("Alt+X", "Alt+X (off)").replace("Color", "Color (on)") + " (off)");
    QTest::keyClick(client, Qt::Key_X, Qt::AltModifier);
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
    client_.typed.clear();
    for (const Qt::Key letter : {Qt::Key_E, Qt::Key_G, Qt::Key_H}) {
      QTest::keyPress(client, Qt::Key_Alt);
      QTest::keyRelease(client, Qt::Key_Alt, Qt::AltModifier);
      QCOMPARE(main_->focusWidget(), client);  // an armed menu bar takes the focus
      QTest::keyClick(client, letter);
      QCOMPARE(openMenu(), QString());
    }
    QCOMPARE(client_.typed, std::string("egh"));
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
    frame_.FramePeer().SetToolBar({TToolItem::Button(1, 108, "Confirm"), TToolItem::Gap(10),
                              TToolItem::Button(99, 106, "Solve")});
    QToolBar* bar = Peer().ToolBar()->Bar();
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

    const auto placed = [&] { return std::tuple(main_->toolBarArea(bar), bar->orientation()); };
    frame_.FramePeer().PlaceToolBar(TEdge::Left, true);
    QCOMPARE(placed(), std::tuple(Qt::LeftToolBarArea, Qt::Vertical));
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
    TDialogTemplate message;
    message.caption = "Notice";
    message.size = {120, 40};
    message.controls = {{TControlKind::DefaultButton, IDOK, "OK", {40, 20, 80, 34}}};
    TDialog dialog(&frame, message);
    int dialogResult = 0;
    QTimer::singleShot(0, [&] {
      WhenDialogOpens([](QDialog*) { Platform().Quit(); });
      dialogResult = dialog.Execute();
    });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });  // a failing quit ends here
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(dialogResult, IDCANCEL);
    QCOMPARE(frame.closeQuestions, 0);  // quitting does not ask the game again
    QVERIFY(!frame.Peer().IsVisible() && dynamic_cast<QtPlatform&>(Platform()).QuitRequested());
  }
};

QUILLO_GUI_TEST(FrameTest);

#include "tst_frame.moc"
