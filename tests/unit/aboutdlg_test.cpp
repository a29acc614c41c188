// The About box and the version record: the version line with and without Shift, missing values.
#include "dialogs/aboutdlg.h"

#include <gtest/gtest.h>

#include <string>

#include "resources/dlg_about.h"
#include "resources/resources.h"
#include "support/fake_platform.h"

namespace {

TVersionValues Values(const char* distribution) {
  TVersionValues values;
  values.fileVersion = "2.4.1";
  values.legalCopyright = "Quillo! - a cryptogram game for Linux";
  values.distributionType = distribution;
  values.fixedVersion = TVersionValues::Numbers{2, 4, 1, 17};
  return values;
}

class AboutDlgTest : public testing::Test {
 protected:
  void SetUp() override { frame.Create(); }

  // Opens the box (the fake closes it with its one button) and returns what it showed.
  DialogRecord Show(TVersionValues values) {
    EXPECT_EQ(AboutDlg(&frame, TProjectRCVersion(std::move(values))).Execute(), IDOK);
    return fake.LastDialog();
  }

  FakePlatform fake;
  TFrameWindow frame;
};

TEST_F(AboutDlgTest, VersionLineWithAndWithoutShift) {
  DialogRecord plain = Show(Values("Linux package"));
  EXPECT_EQ(plain.templateId, 9);
  EXPECT_EQ(plain.caption, "About Quillo!");
  EXPECT_EQ(plain.Text(kAboutVersionId), "Version 2.4.1 Linux package");
  EXPECT_EQ(plain.Text(kAboutLegalId), "Quillo! - a cryptogram game for Linux");

  fake.keysDown[TKey::Shift] = true;
  EXPECT_EQ(Show(Values("Linux package")).Text(kAboutVersionId),
            "Version 2.4 (Maint 1, Build 17) Linux package");
  // Shift without the numbers falls back to the version string.
  TVersionValues noNumbers = Values("Beta");
  noNumbers.fixedVersion.reset();
  EXPECT_EQ(Show(noNumbers).Text(kAboutVersionId), "Version 2.4.1 Beta");
}

TEST_F(AboutDlgTest, DistributionTypeBeginningWithRAddsNothing) {
  EXPECT_EQ(Show(Values("Release")).Text(kAboutVersionId), "Version 2.4.1");
  EXPECT_EQ(Show(Values("R")).Text(kAboutVersionId), "Version 2.4.1");
  EXPECT_EQ(Show(Values("retail")).Text(kAboutVersionId), "Version 2.4.1 retail");
  EXPECT_EQ(Show(Values("")).Text(kAboutVersionId), "Version 2.4.1 ");
}

TEST_F(AboutDlgTest, MissingValuesKeepTheTemplateTexts) {
  DialogRecord none = Show(TVersionValues{});
  EXPECT_EQ(none.Text(kAboutVersionId), "Version");
  EXPECT_EQ(none.Text(kAboutLegalId), "A cryptogram game");

  TVersionValues noDistribution = Values("x");
  noDistribution.distributionType.reset();
  noDistribution.legalCopyright.reset();
  DialogRecord partial = Show(noDistribution);
  EXPECT_EQ(partial.Text(kAboutVersionId), "Version");
  EXPECT_EQ(partial.Text(kAboutLegalId), "A cryptogram game");

  TVersionValues noVersion = Values("x");
  noVersion.fileVersion.reset();
  EXPECT_EQ(Show(noVersion).Text(kAboutVersionId), "Version");

  // An overlong value is cut to the statics' 255 characters.
  TVersionValues longLine = Values("x");
  longLine.legalCopyright = std::string(300, 'q');
  EXPECT_EQ(Show(longLine).Text(kAboutLegalId), std::string(255, 'q'));
}

TEST(ProgramVersionTest, TheBuildsOwnValues) {
  TProjectRCVersion version;
  std::string fileVersion, distribution, legal;
  ASSERT_TRUE(version.FileVersion(fileVersion));
  ASSERT_TRUE(version.DistributionType(distribution));
  ASSERT_TRUE(version.LegalCopyright(legal));
  int major = -1, minor = -1, maintenance = -1, build = -1;
  ASSERT_TRUE(version.FixedFileVersion(major, minor, maintenance, build));
  EXPECT_EQ(fileVersion, QUILLO_VERSION);
  EXPECT_EQ(distribution, QUILLO_DISTRIBUTION_TYPE);
  EXPECT_EQ(std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(maintenance),
            fileVersion);
  EXPECT_EQ(build, 0);
  EXPECT_NE(legal.find("Quillo!"), std::string::npos);
}

}  // namespace
