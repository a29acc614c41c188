// Printout: the printed page of the puzzle and side panel, its geometry, and the print commands.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "framework/platform.h"

class Game;
class QuilloWindow;

// What the page geometry is computed from: the layout window's client size in screen pixels,
// the screen's pixels per inch, the printer's capabilities (pixels), the margin and PrintBig.
struct PageInput {
  int width = 0, height = 0;            // W, H
  int screenX = 96, screenY = 96;       // sx, sy
  int printerX = 0, printerY = 0;       // px, py
  int horzRes = 0, vertRes = 0;         // HR, VR
  int paperWidth = 0, paperHeight = 0;  // PW, PH
  int offsetX = 0, offsetY = 0;         // OX, OY
  double margin = 0.5;                  // inches
  bool printBig = false;
};

// How the W x H picture is mapped onto the printable area (isotropic mapping).
struct PageGeometry {
  bool wide = false;       // the picture is limited by its width
  TRect logical;           // the client rectangle grown so the mapping scales as wanted
  TSize windowExt;         // size of `logical`
  TSize viewportExt;       // (HR, VR)
  TPoint windowOrigin;
  float winW = 0, winH = 0;  // the picture's size on paper, inches
};

// The picture at its on-screen size, centred, or (PrintBig, or not fitting inside the margins)
// scaled to the area inside the margins keeping its aspect. Nullopt when the input cannot give
// a page (a zero size or resolution, or margins that leave no area): nothing is then printed.
std::optional<PageGeometry> ComputePageGeometry(const PageInput& in);

// The one-page print-out of the layout window: both panes framed, the source line above and a
// line naming the program below. Reads PrintColor, PrintBig and QuoteWindowPosition when printed.
class Printout : public TPrintout {
 public:
  Printout(QuilloWindow& window, const Game& game, double margin)
      : window_(window), game_(game), margin_(margin) {}
  std::string Title() const override { return "Quillo! puzzle"; }
  void PrintPage(TDC& dc) override;

 private:
  void Compose(TDC& dc, int width, int height, bool colour);
  void DrawTextLines(TDC& dc, int width, int height, bool colour);

  QuilloWindow& window_;
  const Game& game_;
  double margin_;
};

// Print Puzzle: creates the kept printer when there is none yet ("Cannot access printer." when
// it cannot be made) and prints the page without a print dialog; a failed job shows
// "Unknown printing error". Both messages: caption "Error", stop icon.
void PrintPuzzle(TWindow* owner, QuilloWindow& window, const Game& game, double margin,
                 std::unique_ptr<TPrinter>& printer);
// Printer Setup: the same creation rule, then the platform's set-up dialog.
void PrinterSetup(TWindow* owner, std::unique_ptr<TPrinter>& printer);
// Set printer margin: asks until the text reads wholly as a number 0.0..3.0, then writes
// PrintMargin as typed and sets margin. False (nothing changed) on Cancel.
bool AskPrintMargin(TWindow* owner, int fontHeight, double& margin);
// The margin text of that question: true, with margin set, when the whole text (blanks may
// follow) reads as a number from 0.0 to 3.0.
bool ReadMargin(const char* text, double& margin);
