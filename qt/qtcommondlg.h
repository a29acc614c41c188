// The common dialogs: open file, font and colour choosers, all Qt's own (non-native) dialogs.
#pragma once

#include <QStringList>

#include <string>

#include "framework/platform.h"

class QWidget;

// "Desc (*.x)|*.x|Desc2|*.y;*.z|" as Qt name filters: "Desc (*.x)", "Desc2 (*.y *.z)". A
// pattern "*.*" means every file, as it does on other systems. An incomplete last pair keeps
// its description with every file.
QStringList FileFilters(const std::string& filter);

// Runs the open-file dialog for an existing file (with forSaving, the save dialog, which asks
// before an existing file is replaced). Cancelled: ok false, errorCode 0.
TOpenFileResult RunOpenFileDialog(QWidget* parent, const TOpenFileRequest& request);

// Runs the font chooser over fixed-pitch families, opened on the face the record draws (the
// stock fixed font for a record without a face). On Ok the record holds the choice: height minus
// the pixel size, weight 400 or 700, italic, no underline or strike-out, character set 0, pitch
// and family fixed-pitch modern (0x31), or variable-pitch swiss (0x22) for a face that is not
// fixed-pitch, and the face name; the precision fields stay as they were.
TChooseResult RunFontDialog(QWidget* parent, TLogFont& font, std::string& error);

// Runs the colour dialog starting from color with the 16 custom slots from custom, which get
// the dialog's custom colours back (also when cancelled, as the slots were changed in the
// dialog). True when the player chose a colour.
bool RunColorDialog(QWidget* parent, TColor& color, TColor custom[16]);
