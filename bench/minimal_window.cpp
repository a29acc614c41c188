// The start-up benchmark's yardstick: a plain Qt window of the given size (the game's, passed as
// "WIDTHxHEIGHT") that reports its first paint on standard output ("first-paint <steady clock in
// ns>", as the game does) and quits.
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace {
// A window that draws one line of text and ends the program once it has been painted.
class Plain : public QWidget {
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
  int width = 560, height = 481;
  if (argc > 1) std::sscanf(argv[1], "%dx%d", &width, &height);
  Plain window;
  window.resize(width, height);
  window.show();
  return QApplication::exec();
}
