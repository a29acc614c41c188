// The start-up benchmark's yardstick: a minimal Qt main window that reports its first paint on
// standard output ("first-paint <steady clock in ns>", as the game does) and quits.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace {
// A client that draws one line of text and ends the program once it has been painted.
class Client : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Hello"));
    if (!painted_) QTimer::singleShot(0, qApp, [] {
      const auto now = std::chrono::steady_clock::now().time_since_epoch();
      std::printf("first-paint %lld\n",
                  static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
      std::fflush(stdout);
      QCoreApplication::quit();
    });
    painted_ = true;
  }

 private:
  bool painted_ = false;
};
}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QMainWindow window;
  window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
  window.setCentralWidget(new Client);
  window.resize(560, 481);
  window.show();
  return QApplication::exec();
}
