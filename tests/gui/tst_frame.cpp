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

class PlainClient : public TWindow {
 public:
  PlainClient() : TWindow(nullptr) {}
};

std::vector<TMenuItem> SmallMenu() {
  return {
      TMenuItem::Popup("&Game", {TMenuItem::Command("&New Game", 107, "Alt+N"),
                                 TMenuItem::Command("&Go To Specific Puzzle", 11862, "Alt+G"),
                                 TMenuItem::Separator(),
                                 TMenuItem::Popup("Print &Options", {TMenuItem::Command("&Color", 11854)}),
                                 TMenuItem::Command("E&xit", 109, "Alt+X")}),
      TMenuItem::Popup("&Hint", {TMenuItem::Command("&Confirm", 108, "Alt+C")}),
      [] {
        TMenuItem help = TMenuItem::Popup("&Help", {TMenuItem::Command("&Help", 24341, "F1"),
                                                    TMenuItem::Command("&About Quillo!", 24346)});
        help.rightAligned = true;
        return help;
      }(),
  };
}

QAction* ActionNamed(QMenu* menu, const QString& prefix) {
  for (QAction* action : menu->actions()) {
    if (action->menu()) {
      if (QAction* inner = ActionNamed(action->menu(), prefix)) return inner;
    } else if (action->text().startsWith(prefix)) {
      return action;
    }
  }
  return nullptr;
}
}  // namespace

class FrameTest : public QObject {
  Q_OBJECT

 private:
  RecordingFrame frame_;
  PlainClient client_;
  QMainWindow* main_ = nullptr;

  QtFramePeer& Peer() { return dynamic_cast<QtFramePeer&>(frame_.Peer()); }
  QMenu* TopMenu(int index) { return main_->menuBar()->actions().value(index)->menu(); }

 private slots:
  void initTestCase() {
    frame_.Create();
    client_.Create();
    frame_.Peer().SetCaption("Quillo!");
    frame_.Peer().SetMenu(SmallMenu());
    frame_.Peer().SetClient(&client_);
    frame_.Peer().Move(TRect::FromSize(30, 40, 560, 481));
    frame_.Peer().Show(TShow::Normal);
    main_ = qobject_cast<QMainWindow*>(WidgetOf(&frame_));
    QVERIFY(main_);
    QVERIFY(QTest::qWaitForWindowExposed(main_));
  }

  void opensWithSizeMenuAndClient() {
    // The outer rectangle, frame included, once the window system has framed the window.
    QTRY_COMPARE(frame_.Peer().WindowRect(), TRect::FromSize(30, 40, 560, 481));
    QVERIFY(!frame_.Peer().IsZoomed() && !frame_.Peer().IsIconic());
    QVERIFY(!main_->windowIcon().isNull());

    QCOMPARE(main_->menuBar()->actions().size(), 2);
    QCOMPARE(TopMenu(0)->title(), QStringLiteral("&Game"));
    QCOMPARE(TopMenu(1)->title(), QStringLiteral("&Hint"));
    QAction* newGame = TopMenu(0)->actions().at(0);
    QCOMPARE(newGame->text(), QStringLiteral("&New Game\tAlt+N"));
    QVERIFY(TopMenu(0)->actions().at(2)->isSeparator());
    QVERIFY(ActionNamed(TopMenu(0), QStringLiteral("&Color")));

    // Help sits in its own bar at the right-hand end.
    auto* corner = qobject_cast<QMenuBar*>(main_->menuBar()->cornerWidget(Qt::TopRightCorner));
    QVERIFY(corner);
    QCOMPARE(corner->actions().size(), 1);
    QCOMPARE(corner->actions().at(0)->menu()->title(), QStringLiteral("&Help"));
    QVERIFY(corner->geometry().left() > main_->menuBar()->actionGeometry(main_->menuBar()->actions().at(1)).right());

    QCOMPARE(main_->centralWidget(), WidgetOf(&client_));
    QCOMPARE(main_->focusWidget(), WidgetOf(&client_)->focusProxy());  // keys go to the client
    const TRect client = client_.ClientRect();
    QVERIFY(client.Width() > 500 && client.Height() > 300);
    QVERIFY(client.Height() < frame_.Peer().ClientRect().Height() + 1);
  }

  // Every accelerator of the game's own menu is pressed by the whole-game tests; here: keys sent
  // to the frame itself, a letter without a modifier, and a disabled item's key.
  void acceleratorsOnlyForEnabledItems() {
    frame_.commands.clear();
    QWidget* client = WidgetOf(&client_)->focusProxy();
    QTest::keyClick(main_, Qt::Key_N, Qt::AltModifier);
    QCOMPARE(frame_.commands, std::vector<int>{107});
    frame_.commands.clear();
    QTest::keyClick(client, Qt::Key_G);
    frame_.Peer().EnableMenuItem(109, false);
    QTest::keyClick(client, Qt::Key_X, Qt::AltModifier);
    QVERIFY(frame_.commands.empty());
    QVERIFY(!ActionNamed(TopMenu(0), QStringLiteral("E&xit"))->isEnabled());
    frame_.Peer().EnableMenuItem(109, true);
    QTest::keyClick(client, Qt::Key_X, Qt::AltModifier);
    QCOMPARE(frame_.commands, std::vector<int>{109});
  }

  void movingAndMaximising() {
    const int before = frame_.moves;
    frame_.Peer().Move(TRect::FromSize(60, 70, 560, 481));
    QTRY_VERIFY(frame_.moves > before);
    QCOMPARE(frame_.Peer().WindowRect(), TRect::FromSize(60, 70, 560, 481));
    frame_.Peer().Show(TShow::Maximized);
    QTRY_VERIFY(frame_.Peer().IsZoomed());
    frame_.Peer().Show(TShow::Normal);
    QTRY_VERIFY(!frame_.Peer().IsZoomed());
  }

  void toolBarButtonsGapsAndPlacement() {
    frame_.Peer().SetToolBar({TToolItem::Button(1, 108, "Confirm"), TToolItem::Gap(10),
                              TToolItem::Button(99, 106, "Solve")});
    QToolBar* bar = Peer().ToolBar()->Bar();
    QVERIFY(frame_.Peer().IsToolBarVisible());
    QVERIFY(!bar->isMovable() && !bar->isFloatable());
    const QList<QAction*> actions = bar->actions();
    QCOMPARE(actions.size(), 3);
    auto* confirm = qobject_cast<QToolButton*>(bar->widgetForAction(actions[0]));
    auto* solve = qobject_cast<QToolButton*>(bar->widgetForAction(actions[2]));
    QVERIFY(confirm && solve);
    QVERIFY(!confirm->icon().isNull());
    QCOMPARE(confirm->iconSize(), QSize(HintBitmap(1).width, HintBitmap(1).height));
    QCOMPARE(bar->widgetForAction(actions[1])->width(), 10);
    // A picture number the resources do not have shows its label instead.
    QVERIFY(solve->icon().isNull());
    QCOMPARE(solve->text(), QStringLiteral("Solve"));

    frame_.commands.clear();
    QTest::mouseClick(confirm, Qt::LeftButton);
    QTest::mouseClick(solve, Qt::LeftButton);
    QCOMPARE(frame_.commands, (std::vector<int>{108, 106}));
    QCOMPARE(confirm->focusPolicy(), Qt::NoFocus);

    frame_.Peer().PlaceToolBar(TEdge::Left, true);
    QCOMPARE(main_->toolBarArea(bar), Qt::LeftToolBarArea);
    QCOMPARE(bar->orientation(), Qt::Vertical);
    frame_.Peer().PlaceToolBar(TEdge::Top, false);
    QCOMPARE(main_->toolBarArea(bar), Qt::TopToolBarArea);
    QCOMPARE(bar->orientation(), Qt::Horizontal);

    frame_.Peer().ShowToolBar(false);
    QVERIFY(!frame_.Peer().IsToolBarVisible());
    frame_.Peer().PlaceToolBar(TEdge::Bottom, false);  // moving a hidden bar keeps it hidden
    QVERIFY(!frame_.Peer().IsToolBarVisible());
    frame_.Peer().ShowToolBar(true);
    QVERIFY(frame_.Peer().IsToolBarVisible());
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
    message.controls = {{TControlKind::Static, 10, "Quitting", {5, 5, 115, 15}},
                        {TControlKind::DefaultButton, IDOK, "OK", {40, 20, 80, 34}}};
    TDialog dialog(&frame, message);
    int dialogResult = 0;
    QTimer::singleShot(0, [&] {
      WhenDialogOpens([](QDialog*) { Platform().Quit(); });
      dialogResult = dialog.Execute();
    });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });  // a failing quit ends here
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(dialogResult, IDCANCEL);
    QVERIFY(!frame.Peer().IsVisible());
    QCOMPARE(frame.closeQuestions, 0);  // quitting does not ask the game again
    QVERIFY(dynamic_cast<QtPlatform&>(Platform()).QuitRequested());
  }
};

QUILLO_GUI_TEST(FrameTest);

#include "tst_frame.moc"
