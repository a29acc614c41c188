// AboutDlg: fills in the version line and the line naming the program.
#include "dialogs/aboutdlg.h"

#include <string>
#include <utility>

#include "framework/platform.h"
#include "resources/dlg_about.h"
#include "resources/resources.h"

namespace {
constexpr std::size_t kStaticLimit = 255;

std::string NumberedVersion(int major, int minor, int maintenance, int build) {
  return std::to_string(major) + "." + std::to_string(minor) + " (Maint " +
         std::to_string(maintenance) + ", Build " + std::to_string(build) + ")";
}
}  // namespace

AboutDlg::AboutDlg(TWindow* parent, TProjectRCVersion version)
    : TDialog(parent, AboutTemplate()), version_(std::move(version)) {}

void AboutDlg::SetupWindow() {
  const bool shiftHeld = SystemService().IsKeyDown(TKey::Shift);
  std::string fileVersion;
  std::string distribution;
  if (version_.FileVersion(fileVersion) && version_.DistributionType(distribution)) {
    std::string text = "Version ";
    int major = 0, minor = 0, maintenance = 0, build = 0;
    if (shiftHeld && version_.FixedFileVersion(major, minor, maintenance, build))
      text += NumberedVersion(major, minor, maintenance, build);
    else
      text += fileVersion;
    if (distribution.empty() || distribution[0] != 'R') text += " " + distribution;
    Peer().SetItemText(kAboutVersionId, text.substr(0, kStaticLimit));
  }
  std::string legal;
  if (version_.LegalCopyright(legal))
    Peer().SetItemText(kAboutLegalId, legal.substr(0, kStaticLimit));
}
