// AboutDlg: "About Quillo!", the program's name, version and the line naming it.
#pragma once

#include "framework/dialog.h"
#include "framework/version.h"

// Template 9, a plain dialog (it opens where the platform puts it). Set-up notes whether Shift is
// held at that moment, then, when the record has both the version string and the distribution
// type, sets static 101 to "Version " and either the four version numbers (Shift held and the
// numbers known: "%d.%d (Maint %d, Build %d)") or the version string, followed by one space and
// the distribution type unless that begins with 'R'. Static 102 gets the line naming the
// program. A missing value leaves the template's text; texts are cut to 255 characters.
class AboutDlg : public TDialog {
 public:
  explicit AboutDlg(TWindow* parent, TProjectRCVersion version = TProjectRCVersion());
  void SetupWindow() override;

 private:
  TProjectRCVersion version_;
};
