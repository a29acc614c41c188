// Dialog controls: making each kind of template control as a Qt widget, and dialog units.
#pragma once

#include <QFont>
#include <QWidget>

#include <functional>

#include "framework/dialog.h"

class TDC;

// Converts dialog units to pixels for a dialog font: a horizontal unit is a quarter of the
// font's average character width, a vertical one an eighth of its height.
class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font);
  int X(int units) const;
  int Y(int units) const;
  QRect ToPixels(const TRect& rect) const;
  QSize ToPixels(const TSize& size) const;

 private:
  double charWidth_;
  double charHeight_;
};

// An owner-drawn static: each paint asks draw to fill its rectangle through a device context.
class QtOwnerDrawn : public QWidget {
 public:
  using Drawer = std::function<void(TDC& dc, const TRect& rect)>;
  QtOwnerDrawn(Drawer draw, QWidget* parent) : QWidget(parent), draw_(std::move(draw)) {}

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Drawer draw_;
};

// A new widget of the given kind with its first text ('&' marks a mnemonic on buttons and
// boxes; static texts show without the marks). Plain push buttons never take Enter; the
// default button does. Radio buttons are not exclusive until put into a group. drawItem paints
// an owner-drawn static.
QWidget* MakeControl(TControlKind kind, const QString& text, QWidget* parent, QtOwnerDrawn::Drawer drawItem);

// The geometry a control gets from its template rectangle: a drop-down list is one line high
// (the template's height includes its open list).
QRect ControlGeometry(TControlKind kind, QWidget* control, const QRect& rect);
