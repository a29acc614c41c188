// Helpers for GUI tests: registering test classes, answering modal dialogs and message boxes.
#pragma once

#include <QAbstractButton>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

#include "qt/qtdialog.h"
#include "qt/qtplatform.h"

// Test classes register themselves with QUILLO_GUI_TEST(Class); main runs them all in turn.
using GuiTestFactory = std::function<std::unique_ptr<QObject>()>;
std::vector<GuiTestFactory>& GuiTests();
struct GuiTestRegistration {
  explicit GuiTestRegistration(GuiTestFactory factory) { GuiTests().push_back(std::move(factory)); }
};
#define QUILLO_GUI_TEST(Class) \
  static const GuiTestRegistration registered##Class([] { return std::make_unique<Class>(); })

// Runs action on the next modal dialog that opens (message boxes included), once, from within
// its modal loop. Actions queue up: each takes the next dialog not handled before. Dialogs that
// open while no action waits are left alone. Waiting stops after timeoutMs.
void WhenDialogOpens(std::function<void(QDialog*)> action, int timeoutMs = 10000);
// Drops every action still waiting.
void ForgetDialogAnswers();

// What a message box answered by AnswerNextMessageBox showed.
struct SeenMessageBox {
  bool seen = false;
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QList<QMessageBox::StandardButton> buttons;  // in the button box's layout order
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};
// Clicks button on the next message box and records what it showed.
std::shared_ptr<SeenMessageBox> AnswerNextMessageBox(QMessageBox::StandardButton button);

// The control with this id in a template dialog, found by the object name it was given; null
// when there is none or it is not a Widget.
template <class Widget = QWidget> Widget* ControlOf(const QWidget* dialog, int id) {
  return dialog ? dialog->findChild<Widget*>(ControlName(id)) : nullptr;
}

// True when no modal dialog, pop-up menu or message box is left open.
bool NoModalLeft();
inline QtPlatform& Backend() { return dynamic_cast<QtPlatform&>(Platform()); }  // the installed Qt back end
