// Conversions between the framework's plain values (Latin-1 text, colours, rectangles) and Qt's.
#pragma once

#include <QColor>
#include <QIcon>
#include <QRect>
#include <QString>
#include <QWidget>

#include <exception>
#include <functional>
#include <string>
#include <string_view>

#include "framework/types.h"

class TWindow;

// Text is single-byte Latin-1 on the game's side. Characters Qt holds beyond Latin-1 become '?'.
QString ToQt(std::string_view text);
std::string FromQt(const QString& text);

// File paths are local 8-bit bytes (as the file system has them), not Latin-1 text.
QString PathToQt(const std::string& path);
std::string PathFromQt(const QString& path);

inline QColor ToQColor(TColor c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }
inline TColor FromQColor(const QColor& c) { return MakeColor(c.red(), c.green(), c.blue()); }

// TRect has exclusive right and bottom edges; QRect is position and size.
inline QRect ToQRect(const TRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }
inline TRect FromQRect(const QRect& r) { return TRect::FromSize(r.x(), r.y(), r.width(), r.height()); }

// Drops the '&' mnemonic markers of a menu or control text ("&&" stays one '&').
QString StripMnemonics(const QString& text);

// The widget behind a game window's peer, or null when it has none (yet).
QWidget* WidgetOf(const TWindow* window);
// The top-level widget to own a modal window opened for a game window: its window, else the
// application's active window.
QWidget* OwnerWidget(const TWindow* window);

// An icon whose pictures draw(size in device pixels) makes only when a size is first asked for;
// sizes are the sizes it offers.
QIcon DrawnIcon(std::function<QPixmap(QSize)> draw, QList<QSize> sizes);

// The program's icon: the application's when one is set, else a "Q" drawn on parchment.
QIcon ProgramIcon();

// True while the platform's Quit is closing the windows: they then close without asking the
// game (a frame's CanClose, a dialog's Cancel handling).
bool QuitInProgress();
void SetQuitInProgress(bool quitting);

// Calls into game code from a Qt event handler. Qt cannot carry an exception through its event
// loop, so one that escapes a handler is reported on stderr and the event counts as handled.
template <class Handler>
void CallGame(Handler&& handler) noexcept {
  try {
    handler();
  } catch (const std::exception& e) {
    qWarning("Quillo: unhandled error in an event handler: %s", e.what());
  } catch (...) {
    qWarning("Quillo: unhandled error in an event handler");
  }
}
