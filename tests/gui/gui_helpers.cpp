// GUI test helpers: the test registry and the answering of modal dialogs from a polling timer.
#include "gui_helpers.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <deque>

std::vector<GuiTestFactory>& GuiTests() {
  static std::vector<GuiTestFactory> tests;
  return tests;
}

namespace {
// Polls for modal dialogs while actions wait, handing each new dialog to the oldest action.
class ModalAnswerer : public QObject {
 public:
  static ModalAnswerer& Instance() {
    static auto* answerer = new ModalAnswerer(qApp);
    return *answerer;
  }

  void Add(std::function<void(QDialog*)> action, int timeoutMs) {
    waiting_.push_back({std::move(action), timeoutMs});
    if (!timer_.isActive()) {
      clock_.start();
      timer_.start();
    }
  }

 private:
  struct Waiting {
    std::function<void(QDialog*)> action;
    int timeoutMs;
  };

  explicit ModalAnswerer(QObject* parent) : QObject(parent) {
    timer_.setInterval(15);
    connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
  }

  bool Handled(QDialog* dialog) const {
    for (const QPointer<QDialog>& done : handled_) {
      if (done == dialog) return true;
    }
    return false;
  }

  void Poll() {
    if (waiting_.empty()) {
      timer_.stop();
      return;
    }
    if (clock_.elapsed() > waiting_.front().timeoutMs) {
      waiting_.pop_front();
      clock_.restart();
      return;
    }
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible() || Handled(dialog)) return;
    handled_.push_back(dialog);
    std::function<void(QDialog*)> action = std::move(waiting_.front().action);
    waiting_.pop_front();
    clock_.restart();
    action(dialog);
  }

  QTimer timer_;
  QElapsedTimer clock_;
  std::deque<Waiting> waiting_;
  std::vector<QPointer<QDialog>> handled_;
};
}  // namespace

void WhenDialogOpens(std::function<void(QDialog*)> action, int timeoutMs) {
  ModalAnswerer::Instance().Add(std::move(action), timeoutMs);
}

std::shared_ptr<SeenMessageBox> AnswerNextMessageBox(QMessageBox::StandardButton button) {
  auto seen = std::make_shared<SeenMessageBox>();
  WhenDialogOpens([seen, button](QDialog* dialog) {
    auto* box = qobject_cast<QMessageBox*>(dialog);
    if (!box) {
      dialog->reject();
      return;
    }
    seen->seen = true;
    seen->title = box->windowTitle();
    seen->text = box->text();
    seen->icon = box->icon();
    for (QAbstractButton* shown : box->buttons()) seen->buttons.push_back(box->standardButton(shown));
    if (QPushButton* preferred = box->defaultButton()) seen->defaultButton = box->standardButton(preferred);
    if (QAbstractButton* answer = box->button(button)) {
      answer->click();
    } else {
      seen->answerMissing = true;
      box->reject();
    }
  });
  return seen;
}

bool NoModalLeft() { return !QApplication::activeModalWidget() && !QApplication::activePopupWidget(); }
