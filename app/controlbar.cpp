// The hint-button bar: its eight items and where and whether the frame shows it.
#include "app/controlbar.h"

#include "resources/commands.h"

namespace {
constexpr int kGapUnits = 10;
}  // namespace

std::vector<TToolItem> MyControlBar::Items() {
  return {
      TToolItem::Button(4, kCmdConfirm, "Confirm"),
      TToolItem::Button(3, kCmdUndoError, "Undo Error"),
      TToolItem::Gap(kGapUnits),
      TToolItem::Button(2, kCmdLittleHint, "Little Hint"),
      TToolItem::Button(1, kCmdBigHint, "Big Hint"),
      TToolItem::Gap(kGapUnits),
      TToolItem::Button(5, kCmdSolvePuzzle, "Solve It!"),
      TToolItem::Button(6, kCmdNewGame, "New Game"),
  };
}

TEdge EdgeOfHintLocation(int location) {
  switch (location) {
    case kHintsBottom: return TEdge::Bottom;
    case kHintsLeft: return TEdge::Left;
    case kHintsRight: return TEdge::Right;
    default: return TEdge::Top;
  }
}

void MyControlBar::Build(int location, bool vertical, bool visible) {
  if (!frame_.HasPeer()) return;
  frame_.FramePeer().SetToolBar(Items());
  Place(location, vertical);
  Show(visible);
}

void MyControlBar::Place(int location, bool vertical) {
  location_ = location;
  vertical_ = vertical;
  if (frame_.HasPeer()) frame_.FramePeer().PlaceToolBar(EdgeOfHintLocation(location), vertical);
}

void MyControlBar::Show(bool visible) {
  visible_ = visible;
  if (frame_.HasPeer()) frame_.FramePeer().ShowToolBar(visible);
}
