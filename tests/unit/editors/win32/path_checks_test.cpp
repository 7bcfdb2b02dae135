// The path checks of the command dialogs on a real folder: the short form of an existing path,
// and files told from directories.
#include "editors/win32/path_checks.h"

#include <gtest/gtest.h>

#include <string>

#include "support/temp_folder.h"

namespace quindle::editors::win32 {
namespace {

using testing_support::TempFolder;
using testing_support::WriteFile;

class PathChecks : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(folder / "Long Folder Name");
    WriteFile(folder / "Long Folder Name" / "A long wave name.wav", "RIFF");
    file = (folder / "Long Folder Name" / "A long wave name.wav").string();
    directory = (folder / "Long Folder Name").string();
  }
  TempFolder folder;
  Win32PathChecks checks;
  std::string file;
  std::string directory;
};

TEST_F(PathChecks, AnExistingLongPathHasAShortFormThatNamesTheSameFile) {
  const std::optional<std::string> shortForm = checks.ShortPath(file);
  ASSERT_TRUE(shortForm);
  EXPECT_EQ(shortForm->find(' '), std::string::npos) << *shortForm;
  const std::string name = shortForm->substr(shortForm->find_last_of('\\') + 1);
  EXPECT_LE(name.size(), 12u) << *shortForm;
  EXPECT_TRUE(checks.FileExists(*shortForm));
}

TEST_F(PathChecks, PathsThatCannotBeShortenedGiveNothing) {
  EXPECT_FALSE(checks.ShortPath((folder / "missing.wav").string()));
  EXPECT_FALSE(checks.ShortPath(""));
  EXPECT_FALSE(checks.ShortPath(std::string(file) + std::string(1, '\0') + "x"));
}

TEST_F(PathChecks, FilesAndDirectoriesAreToldApart) {
  EXPECT_TRUE(checks.FileExists(file));
  EXPECT_FALSE(checks.DirectoryExists(file));
  EXPECT_TRUE(checks.DirectoryExists(directory));
  EXPECT_FALSE(checks.FileExists(directory));
  EXPECT_FALSE(checks.FileExists((folder / "missing.wav").string()));
  EXPECT_FALSE(checks.DirectoryExists((folder / "missing").string()));
  EXPECT_FALSE(checks.FileExists(""));
  // A NUL would make the system test the path before it.
  EXPECT_FALSE(checks.FileExists(file + std::string(1, '\0') + ".txt"));
}

}  // namespace
}  // namespace quindle::editors::win32
