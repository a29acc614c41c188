// main(): the Qt application around one run of the game.
//
// For the start-up benchmark only: with QUILLO_EXIT_AFTER_FIRST_PAINT=1 in the environment the
// game writes "first-paint <steady clock in ns> size <width>x<height>" (the main window's size)
// on standard output as soon as the puzzle and the side panel have both been painted with
// content, then quits as if the player had chosen Exit on an untouched game. Players never set it; without it nothing here changes how the
// game runs.
//
// The command line is read before the window system is touched, so --help, --version and a
// refused option answer on a terminal without a display.
#include <QApplication>
#include <QCommandLineParser>
#include <QEvent>
#include <QStringList>
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
#include "framework/version.h"
#include "qt/qtplatform.h"
#include "qt/qtwindow.h"

namespace {
const char kUsage[] = "Usage: quillo [options] [quote-file]\n";

// The toolkit's own options: QApplication takes them from the command line itself, so they are
// accepted here and left for it, unlisted.
const char* const kToolkitValueOptions[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
    "qwindowtitle", "qmljsdebugger", "display", "geometry", "style", "stylesheet", "session"};
const char* const kToolkitFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

// What the command line asks for: a run of the game with its arguments, or an exit status.
struct CommandLine {
  bool run = false;
  int status = 0;
  std::vector<std::string> args;  // the positional arguments, as bytes as they were given
};

CommandLine ReadCommandLine(int argc, char** argv) {
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription("Quillo! - solve enciphered quotations, letter by letter.");
  const QCommandLineOption help({"h", "help"}, "Show this help and exit.");
  const QCommandLineOption version({"v", "version"}, "Show the version and exit.");
  parser.addOptions({help, version});
  parser.addPositionalArgument("quote-file", "The quote file to play (.qot or .cqt).", "[quote-file]");
  for (const char* name : kToolkitValueOptions) {
    QCommandLineOption option(name, QString(), "value");
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  for (const char* name : kToolkitFlags) {
    QCommandLineOption option(name);
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  QStringList words;
  for (int i = 0; i < argc; ++i) words << QString::fromLocal8Bit(argv[i]);

  CommandLine line;
  if (!parser.parse(words)) {
    std::fprintf(stderr, "quillo: %s\n%sTry 'quillo --help' for more information.\n",
                 qPrintable(parser.errorText()), kUsage);
    line.status = 2;
    return line;
  }
  if (parser.isSet(help)) {
    // Without an application object the parser cannot know the program's name.
    QString text = parser.helpText();
    text.replace(0, text.indexOf('\n') + 1, kUsage);
    std::fputs(qPrintable(text), stdout);
    return line;
  }
  if (parser.isSet(version)) {
    std::string number = "unknown";
    TProjectRCVersion().FileVersion(number);
    std::printf("quillo %s\n", number.c_str());
    return line;
  }
  // The positional words taken back from argv in order, so a file name that is not valid in
  // the locale's encoding reaches the game byte for byte.
  int next = 1;
  for (const QString& word : parser.positionalArguments()) {
    while (next < argc && words[next] != word) ++next;
    if (next < argc) line.args.emplace_back(argv[next++]);
  }
  line.run = true;
  return line;
}

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
      if (!puzzlePainted_ || !app_.TheGame().panel.panelShown || quitting_) return;
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
  const CommandLine line = ReadCommandLine(argc, argv);
  if (!line.run) return line.status;
  QApplication application(argc, argv);
  QApplication::setApplicationName("quillo");
  // No display name: the window system would add it to every caption ("Possible Words - Quillo!"),
  // and each window's caption is already the game's own.
  // The game decides when to quit (its Exit asks first), not the last window closing.
  QApplication::setQuitOnLastWindowClosed(false);

  QtPlatform platform;
  SetPlatform(&platform);
  int status = 0;
  {
    std::unique_ptr<QuilloSession> session =
        QuilloSession::Start(ProgramPath(argc > 0 ? argv[0] : nullptr), line.args);
    std::unique_ptr<FirstPaintExit> probe;
    if (qEnvironmentVariableIntValue("QUILLO_EXIT_AFTER_FIRST_PAINT") == 1) {
      probe = std::make_unique<FirstPaintExit>(session->TheApp());
    }
    if (!platform.QuitRequested()) status = QApplication::exec();
  }
  SetPlatform(nullptr);
  return status;
}
