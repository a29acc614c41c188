// Menus, accelerators and tool-bar items described as data; the back end builds the real ones.
#pragma once

#include <string>
#include <vector>

// One menu entry. A popup has children and id 0; a separator has neither text nor id.
// Text marks its mnemonic with '&'. accel names the key ("Alt+N", "F1"), empty for none; keys
// that do the same follow it after ", " ("Ctrl++, Ctrl+="), and the menu shows only the first.
struct TMenuItem {
  std::string text;
  int id = 0;
  std::string accel;
  std::vector<TMenuItem> children;
  bool separator = false;
  bool rightAligned = false;  // a top-level popup placed at the right end of the bar

  static TMenuItem Command(std::string text, int id, std::string accel = "") {
    TMenuItem item;
    item.text = std::move(text);
    item.id = id;
    item.accel = std::move(accel);
    return item;
  }
  static TMenuItem Popup(std::string text, std::vector<TMenuItem> children) {
    TMenuItem item;
    item.text = std::move(text);
    item.children = std::move(children);
    return item;
  }
  static TMenuItem Separator() {
    TMenuItem item;
    item.separator = true;
    return item;
  }
};

// One tool-bar item: a picture button sending a command, or a gap of the given width.
struct TToolItem {
  int bitmap = 0;   // picture resource number, 0 for a gap
  int command = 0;  // command id sent when pressed
  int gap = 0;      // width of a gap in units
  std::string label;

  static TToolItem Button(int bitmap, int command, std::string label) {
    return TToolItem{bitmap, command, 0, std::move(label)};
  }
  static TToolItem Gap(int width) { return TToolItem{0, 0, width, {}}; }
};

