// Printout: placing the layout window's picture on the printer page and composing the page.
#include "display/printout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "classlib/inifile.h"
#include "display/cellmetrics.h"
#include "display/color.h"
#include "display/font.h"
#include "display/freqwindow.h"
#include "display/quillowindow.h"
#include "display/quotewindow.h"
#include "engine/game.h"
#include "sources/entered.h"
#include "sources/report.h"

namespace {

constexpr const char* kFooter = "Quillo! - a cryptogram game for Linux";
constexpr int kSourceLineSize = 256;
constexpr int kMarginBufferSize = 100;
constexpr double kMaxMargin = 3.0;

// Truncation toward zero, held inside int so a hostile margin or resolution cannot overflow.
int Truncate(double value) {
  constexpr double kLimit = 1e9;
  return static_cast<int>(std::clamp(value, -kLimit, kLimit));
}

bool Positive(float value) { return std::isfinite(value) && value > 0.0f; }

}  // namespace

std::optional<PageGeometry> ComputePageGeometry(const PageInput& in) {
  if (in.width <= 0 || in.height <= 0 || in.screenX <= 0 || in.screenY <= 0 ||
      in.printerX <= 0 || in.printerY <= 0 || in.horzRes <= 0 || in.vertRes <= 0) {
    return std::nullopt;
  }
  const float px = static_cast<float>(in.printerX), py = static_cast<float>(in.printerY);
  const float offL = in.offsetX / px, offT = in.offsetY / py;
  const float prR = (in.offsetX + in.horzRes) / px, prB = (in.offsetY + in.vertRes) / py;
  const float prW = in.horzRes / px, prH = in.vertRes / py;
  const float papW = in.paperWidth / px, papH = in.paperHeight / py;

  PageGeometry g;
  g.winW = static_cast<float>(in.width) / in.screenX;
  g.winH = static_cast<float>(in.height) / in.screenY;
  const float cx = (papW - g.winW) * 0.5f, cy = (papH - g.winH) * 0.5f;

  // The area inside the margins, kept centred on the paper when the printable area is smaller.
  const float m = static_cast<float>(in.margin);
  float mL = std::max(m, offL), mT = std::max(m, offT);
  float right = papW - mL, bottom = papH - mT;
  if (right > prR) {
    mL += right - prR;
    right = prR;
  }
  if (bottom > prB) {
    mT += bottom - prB;
    bottom = prB;
  }
  const float aW = right - mL, aH = bottom - mT;

  const float a = static_cast<float>(in.width) / in.height;
  const bool scale = in.printBig || cx < m || cy < m;
  if (scale && (!Positive(aW) || !Positive(aH))) return std::nullopt;
  g.wide = Positive(aH) ? a > aW / aH : true;
  if (scale) {
    if (g.wide) {
      g.winW = aW;
      g.winH = aW / a;
    } else {
      g.winH = aH;
      g.winW = aH * a;
    }
  }
  if (!Positive(g.winW) || !Positive(g.winH)) return std::nullopt;

  // Growing the logical rectangle by e on each side makes the isotropic mapping scale the
  // W x H picture to winW x winH inches.
  const float s = g.wide ? prW / g.winW : prH / g.winH;
  const float e = (s - 1.0f) * 0.5f;
  const float growX = in.width * e, growY = in.height * e;
  g.logical = {Truncate(-growX), Truncate(-growY), Truncate(in.width + growX),
               Truncate(in.height + growY)};
  g.windowExt = {g.logical.Width(), g.logical.Height()};
  if (g.windowExt.cx <= 0 || g.windowExt.cy <= 0) return std::nullopt;
  g.viewportExt = {in.horzRes, in.vertRes};
  if (g.wide) {
    g.windowOrigin = {g.logical.left,
                      Truncate(-((papH - g.winH) * 0.5f - offT) * in.width / g.winW)};
  } else {
    g.windowOrigin = {Truncate(-((papW - g.winW) * 0.5f - offL) * in.height / g.winH),
                      g.logical.top};
  }
  return g;
}

void Printout::PrintPage(TDC& dc) {
  const TRect client = window_.ClientRect();
  const TSize screen = SystemService().ScreenPixelsPerInch();
  PageInput in;
  in.width = client.Width();
  in.height = client.Height();
  in.screenX = screen.cx;
  in.screenY = screen.cy;
  in.printerX = dc.GetDeviceCaps(TDeviceCap::LogPixelsX);
  in.printerY = dc.GetDeviceCaps(TDeviceCap::LogPixelsY);
  in.horzRes = dc.GetDeviceCaps(TDeviceCap::HorzRes);
  in.vertRes = dc.GetDeviceCaps(TDeviceCap::VertRes);
  in.paperWidth = dc.GetDeviceCaps(TDeviceCap::PhysicalWidth);
  in.paperHeight = dc.GetDeviceCaps(TDeviceCap::PhysicalHeight);
  in.offsetX = dc.GetDeviceCaps(TDeviceCap::PhysicalOffsetX);
  in.offsetY = dc.GetDeviceCaps(TDeviceCap::PhysicalOffsetY);
  in.margin = margin_;
  in.printBig = Settings().ReadInt("quillo", "PrintBig", 0) != 0;
  const std::optional<PageGeometry> g = ComputePageGeometry(in);
  if (!g) return;  // nothing sensible fits this page: an empty page rather than a crash

  dc.SetIsotropic(g->windowExt, g->viewportExt);
  dc.SetWindowOrg(g->windowOrigin);
  dc.SetClipRect({0, 0, in.width, in.height});
  Compose(dc, in.width, in.height, Settings().ReadInt("quillo", "PrintColor", 0) != 0);
}

void Printout::Compose(TDC& dc, int width, int height, bool colour) {
  if (colour) dc.FillRect({0, 0, width, height}, TheColors().Get(kColorBackground));

  // Only an explicit "L..." puts the quote window left on paper.
  char position[21];
  Settings().ReadString("quillo", "QuoteWindowPosition", "Left", position, sizeof position);
  const bool quoteLeft = position[0] == 'L' || position[0] == 'l';
  const TPoint origin = dc.GetWindowOrg();
  const int panel = Cells().panelWidth;
  SubWindow& first = quoteLeft ? static_cast<SubWindow&>(window_.Quote()) : window_.Freq();
  SubWindow& second = quoteLeft ? static_cast<SubWindow&>(window_.Freq()) : window_.Quote();
  first.Draw(dc, colour, true);
  dc.SetWindowOrg({origin.x + (quoteLeft ? panel - width : -panel), origin.y});
  second.Draw(dc, colour, true);
  dc.MoveTo(0, 0);
  dc.LineTo(0, height);
  dc.SetWindowOrg(origin);

  // The bottom and right edges fall just outside the clip: move it to keep them.
  dc.MoveTo(0, height);
  dc.LineTo(0, 0);
  dc.LineTo(width, 0);
  dc.OffsetClip(1, 1);
  dc.LineTo(width, height);
  dc.LineTo(0, height);
  dc.OffsetClip(-1, -1);

  DrawTextLines(dc, width, height, colour);
}

// The footer below the frame and the source line above it, in the largest Arial up to the
// auxiliary height whose footer is narrower than the picture.
void Printout::DrawTextLines(TDC& dc, int width, int height, bool colour) {
  TLogFont font;
  font.weight = 400;
  font.SetFace("Arial");
  TSize footer;
  int h = -std::abs(TheFont().AuxiliaryHeight());
  for (; h < 0; ++h) {
    font.height = h;
    dc.SelectFont(&font);
    footer = dc.GetTextExtent(kFooter);
    if (footer.cx < width) break;
  }
  if (h >= 0) return;

  char source[kSourceLineSize];
  PuzzleSourceLine(PuzzleSourceOf(game_), source, sizeof source);
  const TSize header = dc.GetTextExtent(source);
  if (colour) {
    dc.SetBkColor(MakeColor(255, 255, 255));
    dc.SetTextColor(MakeColor(0, 0, 0));
  }
  dc.OffsetClip(0, 2 * footer.cy);
  dc.TextOut((width - footer.cx) / 2, height + 2, kFooter);
  dc.OffsetClip(0, -4 * footer.cy);
  dc.TextOut((width - header.cx) / 2, -header.cy - 1, source);
}

namespace {

// The kept printer, made on first use; false after telling the player it cannot be reached.
bool EnsurePrinter(TWindow* owner, std::unique_ptr<TPrinter>& printer) {
  if (!printer) printer = PrintService().CreatePrinter();
  if (printer) return true;
  DialogService().MessageBox(owner, "Cannot access printer.", "Error", MB_OK | MB_ICONSTOP);
  return false;
}

}  // namespace

void PrintPuzzle(TWindow* owner, QuilloWindow& window, const Game& game, double margin,
                 std::unique_ptr<TPrinter>& printer) {
  if (!EnsurePrinter(owner, printer)) return;
  Printout printout(window, game, margin);
  if (printer->Print(owner, printout) == TPrintResult::Failed) {
    DialogService().MessageBox(owner, "Unknown printing error", "Error", MB_OK | MB_ICONSTOP);
  }
}

void PrinterSetup(TWindow* owner, std::unique_ptr<TPrinter>& printer) {
  if (EnsurePrinter(owner, printer)) printer->Setup(owner);
}

bool ReadMargin(const char* text, double& margin) {
  char* end = nullptr;
  const double value = std::strtod(text, &end);
  if (end == text) return false;
  while (*end == ' ' || *end == '\t') ++end;
  if (*end != '\0' || !(value >= 0.0 && value <= kMaxMargin)) return false;
  margin = value;
  return true;
}

bool AskPrintMargin(TWindow* owner, int fontHeight, double& margin) {
  char buffer[kMarginBufferSize];
  std::snprintf(buffer, sizeof buffer, "%g", margin);
  for (;;) {
    if (RunInputDialog(owner, "Printer Margins", "Enter printer margin in inches:", buffer,
                       sizeof buffer, fontHeight, "MiscInput") != IDOK) {
      return false;
    }
    double value = 0.0;
    if (ReadMargin(buffer, value)) {
      Settings().WriteString("quillo", "PrintMargin", buffer);
      margin = value;
      return true;
    }
    DialogService().MessageBox(owner,
                          "Error: the printer margin must be between\n0.0 and 3.0 inches.  "
                          "Please try again.",
                          "Error", MB_OK);
  }
}
