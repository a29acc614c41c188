// RunServices: owns the objects one run of the game keeps and installs them for every layer.
#pragma once

#include "app/programpath.h"
#include "classlib/services.h"
#include "display/cellmetrics.h"
#include "display/color.h"
#include "display/colordlg.h"
#include "display/displayoptions.h"
#include "display/font.h"
#include "display/wordpreview.h"
#include "sources/casestyle.h"
#include "sources/memory.h"
#include "wordlist/dictionary.h"

class IniFile;

// Made fresh, every service is in its initial state (nothing loaded or read yet). While it
// lives, its table is the installed one (Settings(), TheFont(), ... answer from it); it puts
// back the table it replaced when it goes, so sessions nest. The settings store is the
// caller's and must outlive it. Start-up makes one for the run; each test makes its own.
class RunServices {
 public:
  explicit RunServices(IniFile& settings);
  ~RunServices();
  RunServices(const RunServices&) = delete;
  RunServices& operator=(const RunServices&) = delete;

  IniFile& settings;
  Font font;
  Color colors;
  Memory memory;
  WordListStore wordLists;
  DisplayOptions display;
  CaseStyleState caseStyle;
  CellMetrics cells;
  WordPreview preview;
  ProgramPaths paths;
  ColorDialogMemory colorDialog;

 private:
  Services table_;
  Services* replaced_;
};
