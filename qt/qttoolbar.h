// The frame's tool bar of picture buttons and gaps, placed at an edge by the game.
#pragma once

#include <QImage>

#include <functional>
#include <vector>

#include "framework/menu.h"
#include "framework/window.h"
#include "resources/resources.h"

class QMainWindow;
class QToolBar;
class QToolButton;

// A palette-index bitmap as an image; a null image when the bitmap is empty or its pixel data
// does not match its size. Indices beyond the palette draw black.
QImage ImageOfBitmap(const TBitmap& bitmap, const std::vector<unsigned>& palette);

// A tool bar that the player cannot drag, float or hide through a context menu: buttons show
// their picture (the label text when there is none) and send their command; a gap is an empty
// space of twice its units.
class QtToolBar {
 public:
  QtToolBar(QMainWindow& frame, std::function<void(int)> command);

  void Set(const std::vector<TToolItem>& items);
  void Place(TEdge edge, bool vertical);
  void Show(bool show);
  bool IsVisible() const;
  QToolBar* Bar() const { return bar_; }

 private:
  QToolButton* MakeButton(const TToolItem& item, const QImage& picture);

  QMainWindow& frame_;
  std::function<void(int)> command_;
  QToolBar* bar_;
};
