// RunServices: the table of one run's objects, installed for the session's lifetime.
#include "app/runservices.h"

RunServices::RunServices(IniFile& store)
    : settings(store),
      table_{&store,    &font,  &colors,  &memory, &wordLists, &display,
             &caseStyle, &cells, &preview, &paths,  &colorDialog},
      replaced_(InstallServices(&table_)) {}

RunServices::~RunServices() { InstallServices(replaced_); }
