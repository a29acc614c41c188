// MyControlBar: the hint-button bar of the main frame, its buttons, its edge and its visibility.
#pragma once

#include <vector>

#include "framework/menu.h"
#include "framework/window.h"

// HintLocation as stored: 1 top, 2 bottom, 3 left, 4 right.
enum HintLocation : int { kHintsTop = 1, kHintsBottom = 2, kHintsLeft = 3, kHintsRight = 4 };

// The bar lives on the frame's peer; this object keeps what the game decided about it, so its
// visibility does not depend on whether the frame itself is shown at the moment. Build once the
// frame has its peer.
class MyControlBar {
 public:
  explicit MyControlBar(TFrameWindow& frame) : frame_(frame) {}

  // The eight items, in order: Confirm, Undo Error, a gap, Little hint, Big hint, a gap, Solve
  // Puzzle, New Game (pictures 4, 3, 2, 1, 5, 6).
  static std::vector<TToolItem> Items();

  // Sets the items and puts the bar at location (anything but 2..4 meaning the top), laid out
  // vertically or not, shown or hidden.
  void Build(int location, bool vertical, bool visible);
  // Moves the bar to another edge and direction; the frame lays itself out again.
  void Place(int location, bool vertical);
  void Show(bool visible);
  bool IsVisible() const { return visible_; }
  int Location() const { return location_; }
  bool IsVertical() const { return vertical_; }

 private:
  TFrameWindow& frame_;
  int location_ = kHintsBottom;
  bool vertical_ = false;
  bool visible_ = true;
};

// The edge a HintLocation value names: 2 bottom, 3 left, 4 right, anything else the top.
TEdge EdgeOfHintLocation(int location);
