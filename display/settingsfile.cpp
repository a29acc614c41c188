// Making the settings file before the first exit-time save, and writing one value through.
#include "display/settingsfile.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "classlib/inifile.h"

void EnsureSettingsFileExists() {
  auto* file = dynamic_cast<PrivateIniFile*>(&Settings());
  if (!file || file->IsReadOnly()) return;
  const std::filesystem::path path(file->FileName());
  std::error_code error;
  if (std::filesystem::exists(path, error) || error) return;
  { std::ofstream made(path, std::ios::out | std::ios::app); }
  std::filesystem::permissions(path,
                               std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::replace, error);
}

void WriteSettingNow(const char* key, const char* value) {
  Settings().WriteString("quillo", key, value);
  Settings().Flush(false);
}
