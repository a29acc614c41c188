// MyFrameWindow: the main frame, captioned "Quillo!", holding the client window, menu and hint bar.
#pragma once

#include <functional>

#include "framework/window.h"

// The frame forwards its commands, typed characters, close box and moves to the application
// object through these handlers; one left empty does nothing (a close box then closes).
class MyFrameWindow : public TFrameWindow {
 public:
  struct Handlers {
    std::function<void(int id)> command;
    std::function<void(int ch)> character;  // keys typed while no pane has the keyboard
    std::function<bool()> canClose;         // the close box; false keeps the window open
    std::function<void()> moved;
  };

  MyFrameWindow() = default;
  void SetHandlers(Handlers handlers) { handlers_ = std::move(handlers); }

  void Command(int id) override;
  void Char(int ch) override;
  bool CanClose() override;
  void Moved() override;

 private:
  Handlers handlers_;
};
