// The start-up benchmark's yardstick: a minimal Qt main window that quits after its first paint.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {
// A client that draws one line of text and ends the program once it has been painted.
class Client : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Hello"));
    if (!painted_) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
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
