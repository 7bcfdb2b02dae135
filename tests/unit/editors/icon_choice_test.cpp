#include <gtest/gtest.h>

#include <map>
#include <set>

#include "editors/icon_choice.h"

namespace quindle::editors {
namespace {

constexpr std::string_view kIcons = "C:\\Q\\Icons";

class FakeIconFiles final : public IIconFiles {
 public:
  std::set<std::string> files;
  std::map<std::string, std::string> shortNames;
  bool copyFails = false;

  bool Exists(std::string_view path) override { return files.count(std::string(path)) != 0; }
  bool CopyNew(std::string_view from, std::string_view to) override {
    if (copyFails || !Exists(from) || Exists(to)) return false;
    files.insert(std::string(to));
    return true;
  }
  std::optional<std::string> ShortName(std::string_view path) override {
    const auto found = shortNames.find(std::string(path));
    if (found != shortNames.end()) return found->second;
    const auto slash = path.rfind('\\');
    return std::string(path.substr(slash + 1));
  }
};

TEST(IconChoice, OnlyIcoFilesAreTaken) {
  FakeIconFiles files;
  for (const char* chosen : {"C:\\A\\PIC.BMP", "C:\\A\\ICO", "x.ic", ""}) {
    const IconChoice choice = ChooseIcon(chosen, kIcons, files);
    EXPECT_FALSE(choice.iconName) << chosen;
    EXPECT_EQ(choice.messages, std::vector<std::string_view>{kIconBadType}) << chosen;
  }
  files.files = {"C:\\A\\Star.ico", "C:\\Q\\Icons\\Star.ico"};
  EXPECT_EQ(ChooseIcon("C:\\A\\Star.ico", kIcons, files).iconName, "Star.ico") << "any case";
}

TEST(IconChoice, AFileFromElsewhereIsCopiedIntoTheIconsFolder) {
  FakeIconFiles files;
  files.files = {"D:\\ART\\SUN.ICO"};
  const IconChoice choice = ChooseIcon("D:\\ART\\SUN.ICO", kIcons, files);
  EXPECT_TRUE(choice.messages.empty());
  EXPECT_EQ(choice.iconName, "SUN.ICO");
  EXPECT_EQ(choice.file, "C:\\Q\\Icons\\SUN.ICO");
  EXPECT_TRUE(files.Exists("C:\\Q\\Icons\\SUN.ICO"));
}

TEST(IconChoice, AnIconOfTheSameNameThereIsUsedInsteadAndSaidSo) {
  FakeIconFiles files;
  files.files = {"D:\\ART\\SUN.ICO", "C:\\Q\\Icons\\SUN.ICO"};
  const IconChoice choice = ChooseIcon("D:\\ART\\SUN.ICO", kIcons, files);
  EXPECT_EQ(choice.messages, std::vector<std::string_view>{kIconExists});
  EXPECT_EQ(choice.iconName, "SUN.ICO");
}

TEST(IconChoice, NoFileAfterAFailedCopyIsTold) {
  FakeIconFiles files;
  files.files = {"D:\\ART\\SUN.ICO"};
  files.copyFails = true;
  const IconChoice choice = ChooseIcon("D:\\ART\\SUN.ICO", kIcons, files);
  EXPECT_EQ(choice.messages, (std::vector<std::string_view>{kIconExists, kIconNotOpened}));
  EXPECT_FALSE(choice.iconName);
}

TEST(IconChoice, TheShortNameBecomesTheIconName) {
  FakeIconFiles files;
  files.files = {"C:\\Q\\Icons\\Long Name Icon.ico"};
  files.shortNames["C:\\Q\\Icons\\Long Name Icon.ico"] = "LONGNA~1.ICO";
  const IconChoice choice = ChooseIcon("C:\\Q\\Icons\\Long Name Icon.ico", kIcons, files);
  EXPECT_TRUE(choice.messages.empty()) << "a file in the Icons folder is not copied";
  EXPECT_EQ(choice.iconName, "LONGNA~1.ICO");
}

TEST(IconChoice, AMissingNamedIconOpensAsTheProgramsOwn) {
  FakeIconFiles files;
  files.files = {"C:\\Q\\Icons\\SUN.ICO"};
  EXPECT_EQ(IconOnOpen("SUN.ICO", kIcons, files), "SUN.ICO");
  EXPECT_EQ(IconOnOpen("GONE.ICO", kIcons, files), "MAIN");
  EXPECT_EQ(IconOnOpen("", kIcons, files), "MAIN");
  EXPECT_EQ(IconFile("MAIN", kIcons), "");
}

TEST(IconChoice, APopupMenuFallsBackToTheMenuIcon) {
  FakeIconFiles files;
  files.files = {"C:\\Q\\Icons\\SUN.ICO"};
  EXPECT_EQ(IconOnOpen("SUN.ICO", kIcons, files, "MENU"), "SUN.ICO");
  EXPECT_EQ(IconOnOpen("GONE.ICO", kIcons, files, "MENU"), "MENU");
  EXPECT_EQ(IconOnOpen("MAIN", kIcons, files, "MENU"), "MENU");
  EXPECT_EQ(IconOnOpen("MENU", kIcons, files), "MAIN") << "no file of that name is looked for";
  EXPECT_EQ(IconFile("MENU", kIcons), "");
}

}  // namespace
}  // namespace quindle::editors
