// Services: the table through which every layer reaches the objects one run of the game keeps.
#pragma once

class IniFile;
class Font;
class Color;
class Memory;
class WordListStore;
struct CellMetrics;
struct WordPreview;
struct DisplayOptions;
struct CaseStyleState;
struct ProgramPaths;
struct ColorDialogMemory;

// One run's objects: the settings store, the puzzle font, the colour scheme, the solved-puzzle
// record, the word-list store, the display options, the case style, the cell grid, the word
// preview, the program's paths and what the colour dialog remembers. A session owns them (the
// game's start-up makes one, each test a fresh one) and installs this table while it lives; the
// layers reach them through their own accessors (Settings(), TheFont(), ...), which read it.
struct Services {
  IniFile* settings = nullptr;
  Font* font = nullptr;
  Color* colors = nullptr;
  Memory* memory = nullptr;
  WordListStore* wordLists = nullptr;
  DisplayOptions* display = nullptr;
  CaseStyleState* caseStyle = nullptr;
  CellMetrics* cells = nullptr;
  WordPreview* preview = nullptr;
  ProgramPaths* paths = nullptr;
  ColorDialogMemory* colorDialog = nullptr;
};

// The installed table, null while no session lives.
Services* InstalledServices();
// The installed table; without one the program stops with a fatal check naming `who`.
Services& RequiredServices(const char* who);
// Installs a table (null for none) and returns the one it replaces. Sessions nest: each puts
// back the table it replaced when it goes.
Services* InstallServices(Services* services);
