// main(): the Qt application around one run of the game.
//
// For the start-up benchmark only: with QUILLO_EXIT_AFTER_FIRST_PAINT=1 in the environment the
// game writes "first-paint <steady clock in ns> size <width>x<height>" (the main window's size)
// on standard output as soon as the puzzle and the side panel have both been painted with
// content, then quits as if the player had chosen Exit on an untouched game. Players never set it; without it nothing here changes how the
// game runs.
#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/mainframe.h"
#include "app/programpath.h"
#include "app/session.h"
#include "display/freqwindow.h"
#include "display/quillowindow.h"
#include "display/quotewindow.h"
#include "framework/platform.h"
#include "qt/qtplatform.h"
#include "qt/qtwindow.h"

namespace {
// The widget a pane paints on.
QWidget* CanvasOf(TWindow& pane) { return dynamic_cast<QtPeer&>(pane.Peer()).ClientWidget(); }

// Watches the paints of both panes. The puzzle has been drawn once a paint starts with its text
// already laid out; the panel once it has marked itself shown.
class FirstPaintExit : public QObject {
 public:
  explicit FirstPaintExit(App& app) : app_(app) {
    CanvasOf(app.Client().Quote())->installEventFilter(this);
    CanvasOf(app.Client().Freq())->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Paint) return false;
    if (watched == CanvasOf(app_.Client().Quote()) && app_.Client().Quote().Layout().lineCount > 0) {
      puzzlePainted_ = true;
    }
    // Checked after this paint has run, when the panel's first paint has marked it shown.
    QTimer::singleShot(0, this, [this] {
      if (!puzzlePainted_ || !app_.panel.panelShown || quitting_) return;
      quitting_ = true;
      const auto now = std::chrono::steady_clock::now().time_since_epoch();
      const QWidget* frame = dynamic_cast<QtPeer&>(app_.Frame().Peer()).Widget();
      std::printf("first-paint %lld size %dx%d\n",
                  static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
                  frame->width(), frame->height());
      std::fflush(stdout);
      app_.Exit();
    });
    return false;
  }

 private:
  App& app_;
  bool puzzlePainted_ = false;
  bool quitting_ = false;
};
}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("quillo");
  QApplication::setApplicationDisplayName("Quillo!");
  // The game decides when to quit (its Exit asks first), not the last window closing.
  QApplication::setQuitOnLastWindowClosed(false);

  QtPlatform platform;
  SetPlatform(&platform);
  int status = 0;
  {
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::unique_ptr<QuilloSession> session =
        QuilloSession::Start(ProgramPath(argc > 0 ? argv[0] : nullptr), args);
    std::unique_ptr<FirstPaintExit> probe;
    if (qEnvironmentVariableIntValue("QUILLO_EXIT_AFTER_FIRST_PAINT") == 1) {
      probe = std::make_unique<FirstPaintExit>(session->TheApp());
    }
    if (!platform.QuitRequested()) status = QApplication::exec();
  }
  SetPlatform(nullptr);
  return status;
}
