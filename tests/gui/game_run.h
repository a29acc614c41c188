// GameRun: the whole game started through QuilloSession in a temporary folder, for GUI tests.
#pragma once

#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include "app/app.h"
#include "app/mainframe.h"
#include "app/session.h"
#include "display/cellmetrics.h"
#include "display/quillowindow.h"
#include "display/quotewindow.h"
#include "resources/resources.h"
#include "gui_helpers.h"
#include "qt/qtconvert.h"

// One run of the game in a fresh folder of its own, started on a one-line quote file so every
// game is the same quotation (an attribution may follow a TAB). The settings text goes into the
// [quillo] section of quillo.ini; the default keeps the tutorial offer away. The folder is the
// current folder while the run lives.
class GameRun {
 public:
  static constexpr const char* kQuotation = "Hello, world";

  explicit GameRun(const QString& settings = "Tutorial=1\n", const QString& quotation = kQuotation)
      : previous_(QDir::currentPath()) {
    QDir::setCurrent(folder_.path());
    Write("quillo.ini", "[quillo]\n" + settings);
    Write("quotes.qot", quotation + "\n");
    Start();
  }
  ~GameRun() {
    session_.reset();
    QDir::setCurrent(previous_);
  }

  // Ends this run and starts the game again in the same folder, as a player would.
  void Restart() {
    QCoreApplication::processEvents();  // the old run's posted quit goes before the next start
    session_.reset();
    QDir::setCurrent(folder_.path());
    Start();
  }

  App& app() { return session_->TheApp(); }
  QString Path(const QString& name) const { return folder_.filePath(name); }
  QMainWindow* Frame() { return qobject_cast<QMainWindow*>(WidgetOf(&app().Frame())); }
  // The widget that takes the player's keys.
  QWidget* Keys() { return WidgetOf(&app().Client())->focusProxy(); }
  // The puzzle pane's drawing surface, which takes its mouse clicks.
  QWidget* Puzzle() { return WidgetOf(&app().Client().Quote())->focusProxy(); }
  bool Shown() { return QTest::qWaitForWindowExposed(Frame()) && WaitForClock(); }
  // The panel's first paint marks it shown; the clock starts just after that paint.
  bool WaitForClock() {
    if (!QTest::qWaitFor([this] { return app().TheGame().panel.panelShown; }, 5000)) return false;
    QTest::qWait(100);
    return true;
  }

  // Chooses the menu item with this text (mnemonics and accelerator left out) as a click would;
  // menu names the (sub)menu holding it where the text alone is not unique. Null when missing.
  QAction* Choose(const QString& text, const QString& menu = {}) {
    // A popup makes its items, submenus included, when it first opens.
    for (QMenu* popup : Frame()->findChildren<QMenu*>()) emit popup->aboutToShow();
    for (QMenu* shown : Frame()->findChildren<QMenu*>()) {
      if (!menu.isEmpty() && shown->title().remove('&') != menu) continue;
      for (QAction* action : shown->actions()) {
        if (!action->menu() && action->text().section('\t', 0, 0).remove('&') == text) {
          action->trigger();
          return action;
        }
      }
    }
    return nullptr;
  }

  // Types the ciphertext letter of plain, then plain itself.
  void Guess(char plain) {
    QTest::keyClick(Keys(), static_cast<char>('a' + app().TheGame().state.key[plain - 'a']));
    QTest::keyClick(Keys(), plain);
  }
  void Solve() { for (char plain : std::string("helowrd")) Guess(plain); }

 private:
  // Each start is a fresh program with a session of its own: the dictionary is loaded again.
  void Start() { session_ = QuilloSession::Start(QUILLO_BIN_DIR "/quillo", {"quotes.qot"}); }
  void Write(const QString& name, const QString& text) {
    QFile file(folder_.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text.toLatin1());
  }

  QString previous_;
  QTemporaryDir folder_;
  std::unique_ptr<QuilloSession> session_;
};
