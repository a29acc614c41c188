// The exit-time saves of the colour scheme and the font: the settings file made private first.
#pragma once

// Creates the settings store's file empty, readable and writable by the owner only, when the
// store is a file that does not exist yet; the store's later write keeps those permissions.
void EnsureSettingsFileExists();

// Stores a value in section "quillo" of the settings and writes the store's changes out.
void WriteSettingNow(const char* key, const char* value);
