// The main frame's handlers, passed on to the application object.
#include "app/mainframe.h"

void MyFrameWindow::Command(int id) {
  if (handlers_.command) handlers_.command(id);
}

void MyFrameWindow::Char(int ch) {
  if (handlers_.character) handlers_.character(ch);
}

bool MyFrameWindow::CanClose() { return handlers_.canClose ? handlers_.canClose() : true; }

void MyFrameWindow::Moved() {
  if (handlers_.moved) handlers_.moved();
}
