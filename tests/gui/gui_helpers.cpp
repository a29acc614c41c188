// GUI test helpers: the test registry and the answering of modal dialogs from a polling timer.
#include "gui_helpers.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>

#include <deque>

std::vector<GuiTestFactory>& GuiTests() {
  static std::vector<GuiTestFactory> tests;
  return tests;
}

namespace {
struct Waiting { std::function<void(QDialog*)> action; int timeoutMs; };
std::deque<Waiting> waiting;
std::vector<QPointer<QDialog>> handled;  // a dialog is answered once, however long it stays open
QElapsedTimer sinceLast;

// Hands the newest unanswered modal dialog to the oldest waiting action; a wait that times out
// gives way to the next.
void Poll(QTimer* timer) {
  if (waiting.empty()) return timer->stop();
  if (sinceLast.elapsed() > waiting.front().timeoutMs) {
    waiting.pop_front();
    sinceLast.restart();
    return;
  }
  auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
  if (!dialog || !dialog->isVisible() || std::find(handled.begin(), handled.end(), dialog) != handled.end()) return;
  handled.push_back(dialog);
  const std::function<void(QDialog*)> action = std::move(waiting.front().action);
  waiting.pop_front();
  sinceLast.restart();
  action(dialog);
}
}  // namespace

void WhenDialogOpens(std::function<void(QDialog*)> action, int timeoutMs) {
  static QTimer* timer = [] {
    auto* made = new QTimer(qApp);
    made->setInterval(15);
    QObject::connect(made, &QTimer::timeout, [made] { Poll(made); });
    return made;
  }();
  waiting.push_back({std::move(action), timeoutMs});
  if (!timer->isActive()) {
    sinceLast.start();
    timer->start();
  }
}

void ForgetDialogAnswers() { waiting.clear(); }

std::shared_ptr<SeenMessageBox> AnswerNextMessageBox(QMessageBox::StandardButton button) {
  auto seen = std::make_shared<SeenMessageBox>();
  WhenDialogOpens([seen, button](QDialog* dialog) {
    auto* box = qobject_cast<QMessageBox*>(dialog);
    if (!box) return dialog->reject();
    *seen = {true, box->windowTitle(), box->text(), box->icon(), {}, QMessageBox::NoButton};
    for (QAbstractButton* shown : box->buttons()) seen->buttons.push_back(box->standardButton(shown));
    if (QPushButton* preferred = box->defaultButton()) seen->defaultButton = box->standardButton(preferred);
    if (QAbstractButton* answer = box->button(button)) return answer->click();
    box->reject();  // no such button: closed as Escape would
  });
  return seen;
}

bool NoModalLeft() { return !QApplication::activeModalWidget() && !QApplication::activePopupWidget(); }
