// Tests of the working folder choice against temporary program, home and configuration folders.
#include "dialogs/workfolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "scratch_folder.h"

namespace fs = std::filesystem;

namespace {

class WorkFolderTest : public ::testing::Test {
 protected:
  WorkFolderTest() {
    fs::create_directories(programFolder);
    fs::create_directories(root / "home");
    env.home = root / "home";
    env.canWrite = [this](const std::string& folder) { return !readOnly.contains(folder); };
    readOnly.insert(programFolder);
  }

  ScratchFolder root;
  CurrentFolderScope restore{root.path()};  // each test's own moves are undone afterwards
  const std::string programFolder = root / "opt/quillo";
  const std::string programPath = programFolder + "/quillo";
  std::set<std::string> readOnly;
  WorkFolderEnvironment env;
};

}  // namespace

TEST_F(WorkFolderTest, ASystemWideInstallKeepsThePlayersFilesInDocuments) {
  fs::current_path(programFolder);
  SetWorkingFolder(programPath.c_str(), env);
  EXPECT_EQ(fs::current_path(), fs::path(root / "home/Documents/quillo"));

  // Installed in the root folder itself: the folder has no name to borrow.
  fs::current_path("/");
  readOnly.insert("/");
  SetWorkingFolder("/quillo", env);
  EXPECT_EQ(fs::current_path(), fs::path(root / "home/Documents/Default"));
}

TEST_F(WorkFolderTest, TheCurrentFolderStaysOtherwise) {
  fs::current_path(programFolder);
  readOnly.clear();
  SetWorkingFolder(programPath.c_str(), env);
  EXPECT_EQ(fs::current_path(), fs::path(programFolder));
  SetWorkingFolder(programPath.c_str());  // the real environment: this folder is the player's
  EXPECT_EQ(fs::current_path(), fs::path(programFolder));

  readOnly.insert(programFolder);
  fs::current_path(root.path());  // started from another folder
  SetWorkingFolder(programPath.c_str(), env);
  EXPECT_EQ(fs::current_path(), fs::path(root.path()));
  EXPECT_FALSE(fs::exists(root / "home/Documents"));

  // A Documents folder that cannot be made leaves the program folder current.
  root.Write("home/Documents", "a file in the way");
  fs::current_path(programFolder);
  SetWorkingFolder(programPath.c_str(), env);
  EXPECT_EQ(fs::current_path(), fs::path(programFolder));
}

TEST_F(WorkFolderTest, DocumentsFolderComesFromUserDirs) {
  EXPECT_EQ(DocumentsFolder(env), root / "home/Documents");
  EXPECT_EQ(DocumentsFolder(WorkFolderEnvironment{}), "/tmp");

  fs::create_directories(root / "home/.config");
  root.Write("home/.config/user-dirs.dirs",
             "# written by xdg-user-dirs-update\n"
             "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
             "XDG_DOCUMENTS_DIR=\"$HOME/My \\\"Papers\\\"/\"\r\n");
  EXPECT_EQ(DocumentsFolder(env), root / "home/My \"Papers\"");

  env.configHome = root / "config";
  fs::create_directories(env.configHome);
  root.Write("config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"" + (root / "papers") + "\"\n");
  fs::current_path(programFolder);
  SetWorkingFolder(programPath.c_str(), env);
  EXPECT_EQ(fs::current_path(), fs::path(root / "papers/quillo"));

  // Neither relative nor unfinished values count; ~/Documents stands in.
  root.Write("config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=papers\nXDG_DOCUMENTS_DIR=\"/open\n");
  EXPECT_EQ(DocumentsFolder(env), root / "home/Documents");
}
