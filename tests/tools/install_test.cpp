// cmake --install into a scratch prefix: the layout, the launcher, the desktop entry, the tool.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <filesystem>

#include "support/testing.h"

namespace fs = std::filesystem;

namespace {

// Installs the build once into a scratch prefix shared by the tests of this file.
class InstallTest : public ::testing::Test {
 protected:
  // The install rewrites the build's manifest, which lists a real install for uninstalling, so
  // the manifest is put back as it was once this install's copy has been taken.
  static void SetUpTestSuite() {
    prefix_ = new TempFolder();
    const fs::path build = fs::path(QUILLO_BIN_DIR).parent_path();
    const fs::path manifest = build / "install_manifest.txt";
    const std::optional<std::string> previous = ReadFile(manifest);
    installStatus_ = Run("cmake --install '" + build.string() + "' --prefix '" +
                         prefix_->Path().string() + "'");
    manifest_ = ReadFile(manifest).value_or("");
    if (previous) WriteFile(manifest, *previous);
    if (!previous) fs::remove(manifest);
  }
  static void TearDownTestSuite() { delete prefix_; }

  // Runs a shell command with its output in files of the prefix; returns its exit status.
  static int Run(const std::string& command) {
    const int status = std::system((command + " >'" + prefix_->File("out.txt") + "' 2>'" +
                                    prefix_->File("err.txt") + "'").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  static std::string Out() { return ReadFile(prefix_->File("out.txt")).value_or(""); }
  static std::string Err() { return ReadFile(prefix_->File("err.txt")).value_or(""); }
  static fs::path Installed(const std::string& relative) { return prefix_->Path() / relative; }
  static fs::path ProgramFolder() { return Installed("lib/quillo"); }

  static TempFolder* prefix_;
  static int installStatus_;
  static std::string manifest_;  // what this install listed
};

TempFolder* InstallTest::prefix_ = nullptr;
int InstallTest::installStatus_ = -1;
std::string InstallTest::manifest_;

bool IsExecutable(const fs::path& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && (info.st_mode & S_IXUSR) != 0;
}

TEST_F(InstallTest, EverythingLandsInItsPlace) {
  ASSERT_EQ(installStatus_, 0) << Err();
  for (const char* file : {"quillo-tool", "quillo.cqt", "quillo.cqr", "wordlist.wl", "ahooga.wav", "clap.wav",
                           "tada.wav", "uhoh.wav", "help/index.html", "help/topic1000.html"}) {
    EXPECT_TRUE(fs::is_regular_file(ProgramFolder() / file)) << file;
  }
  EXPECT_TRUE(IsExecutable(ProgramFolder() / "quillo-tool"));
  EXPECT_TRUE(IsExecutable(Installed("games/quillo")));
  EXPECT_EQ(fs::read_symlink(Installed("games/quillo-tool")), "../lib/quillo/quillo-tool");

  const std::string entry = ReadFile(Installed("share/applications/quillo.desktop")).value_or("");
  EXPECT_NE(entry.find("\nExec=" + Installed("games/quillo").string() + " %f\n"), std::string::npos) << entry;
  EXPECT_NE(entry.find("\nPath=" + ProgramFolder().string() + "\n"), std::string::npos) << entry;

  // The manifest lists what uninstalling removes, the desktop entry included.
  EXPECT_NE(manifest_.find(Installed("share/applications/quillo.desktop").string()), std::string::npos);
  EXPECT_NE(manifest_.find((ProgramFolder() / "help/index.html").string()), std::string::npos);

  // The installed tool, through its link, reads the installed collection.
  ASSERT_EQ(Run("'" + Installed("games/quillo-tool").string() + "' info '" +
                (ProgramFolder() / "quillo.cqt").string() + "'"), 0) << Err();
  EXPECT_NE(Out().find("The Quillo! collection"), std::string::npos) << Out();
}

TEST_F(InstallTest, LauncherStartsTheGameInItsFolderWithAbsoluteArguments) {
  ASSERT_EQ(installStatus_, 0) << Err();
  // A stand-in for the game that reports where it runs and what it was given.
  const fs::path game = ProgramFolder() / "quillo";
  fs::remove(game);
  WriteFile(game, "#!/bin/sh\npwd\nfor a do echo \"$a\"; done\n");
  fs::permissions(game, fs::perms::owner_all);
  TempFolder elsewhere;
  // Options and a toolkit option's value pass as given; after "--" everything is a file.
  ASSERT_EQ(Run("cd '" + elsewhere.Path().string() + "' && '" + Installed("games/quillo").string() +
                "' mine.qot /abs/other.qot '' --version -style fusion -- -odd.qot"), 0) << Err();
  const std::string cwd = fs::canonical(elsewhere.Path()).string();
  EXPECT_EQ(Out(), fs::canonical(ProgramFolder()).string() + "\n" + cwd +
                       "/mine.qot\n/abs/other.qot\n\n--version\n-style\nfusion\n--\n" + cwd +
                       "/-odd.qot\n");
}

}  // namespace
