// Making the settings file before the first exit-time save, writing one value through, and
// reporting a settings file that cannot be written.
#include "display/settingsfile.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <system_error>

#include "classlib/inifile.h"
#include "classlib/safefile.h"
#include "framework/platform.h"

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

PrivateIniFile::WriteFailure SettingsLossReporter(const std::string& fileName) {
  auto told = std::make_shared<bool>(false);
  return [fileName, told](int error) {
    if (*told) return;
    *told = true;
    std::error_code ignored;
    const std::string folder =
        std::filesystem::absolute(fileName, ignored).lexically_normal().parent_path().string();
    DialogService().MessageBox(nullptr,
                          WithReason("Your settings cannot be saved in the folder\n" + folder, error),
                          "Error", MB_OK | MB_ICONEXCLAMATION);
  };
}
