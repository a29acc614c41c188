// The exit-time saves of the colour scheme and the font: the settings file made private first;
// and telling the player that settings cannot be written.
#pragma once

#include <string>

#include "classlib/inifile.h"

// Creates the settings store's file empty, readable and writable by the owner only, when the
// store is a file that does not exist yet; the store's later write keeps those permissions.
void EnsureSettingsFileExists();

// Stores a value in section "quillo" of the settings and writes the store's changes out.
void WriteSettingNow(const char* key, const char* value);

// A write-failure handler for the store on fileName: the first failure tells the player, with
// the folder the file is in (as it is at that moment) and the system's reason; later failures
// of the same handler say nothing, since every change after it fails the same way.
PrivateIniFile::WriteFailure SettingsLossReporter(const std::string& fileName);
