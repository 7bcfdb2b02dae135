// Opening help at a topic through a recording viewer (Wine has no HTML engine here); the error
// boxes are read and closed from the modal loop.
#include "platform/win32/help.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/help_topics.h"
#include "platform/text.h"
#include "platform/win32/file_ops.h"
#include "platform/win32/modal_driver.h"
#include "support/test_files.h"
#include "support/test_windows.h"

namespace quindle::platform::win32 {
namespace {

using testing::TempFolder;
using testing::TestWindows;
using testing::TextOf;

TEST(HelpRequestTest, NamesTheHelpFileOfTheProgramFolderAndThePageOfTheTopic) {
  struct Case {
    std::string_view dir, topic, file, page;
    bool known;
  };
  const Case cases[] = {
      {"C:\\Quindle", kTopicPause, "C:\\Quindle\\QUINDL.CHM", "pause.htm", true},
      {"C:\\Quindle", kTopicMouseHooks, "C:\\Quindle\\QUINDL.CHM", "restore_hooks.htm", true},
      {"C:", kTopicContents, "C:\\QUINDL.CHM", "contents.htm", true},  // a drive root
      {"C:\\Quindle\\", kTopicAbout, "C:\\Quindle\\QUINDL.CHM", "about.htm", true},
      {"C:\\Quindle", "No Such Topic", "C:\\Quindle\\QUINDL.CHM", "contents.htm", false},
      {"C:\\Quindle", "", "C:\\Quindle\\QUINDL.CHM", "contents.htm", false},
      {"", kTopicTyplets, "QUINDL.CHM", "typlets.htm", true},
  };
  for (const Case& c : cases) {
    const HelpRequest request = MakeHelpRequest(c.dir, c.topic);
    EXPECT_EQ(request.file, c.file) << c.topic;
    EXPECT_EQ(request.page, c.page) << c.topic;
    EXPECT_EQ(request.location, std::string(c.file) + "::/" + std::string(c.page)) << c.topic;
    EXPECT_EQ(request.known, c.known) << c.topic;
  }
  EXPECT_NE(UnknownTopicMessage("Grid Colours").find("\"Grid Colours\""), std::string::npos);
}

class RecordingViewer final : public IHelpViewer {
 public:
  explicit RecordingViewer(bool answer) : answer_(answer) {}
  bool Open(HWND owner, const std::string& location) override {
    owners.push_back(owner);
    locations.push_back(location);
    return answer_;
  }
  std::vector<HWND> owners;
  std::vector<std::string> locations;

 private:
  bool answer_;
};

// Stops at a shown message box owned by search->first and keeps it in search->second.
BOOL CALLBACK FindOwnedBox(HWND window, LPARAM search) {
  auto& [owner, box] = *reinterpret_cast<std::pair<HWND, HWND>*>(search);
  char className[16] = {};
  if (::GetClassNameA(window, className, sizeof className) > 0 &&
      std::string(className) == "#32770" && ::GetWindow(window, GW_OWNER) == owner &&
      ::IsWindowVisible(window))
    box = window;
  return box == nullptr;
}

HWND OwnedBox(HWND owner) {
  std::pair<HWND, HWND> search{owner, nullptr};
  static_cast<void>(::EnumThreadWindows(::GetCurrentThreadId(), &FindOwnedBox,
                                        reinterpret_cast<LPARAM>(&search)));
  return search.second;
}

class ShowHelpTopicTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(windows_.Registered());
    if (windows_.WindowsUnavailable()) GTEST_SKIP() << "no display to create windows on";
    owner_ = windows_.Create(TestWindows::Unique("Quindle Help Owner"), true);
    ASSERT_NE(owner_, nullptr);
  }
  // ShowHelpTopic from `dir`; the title and text ("title: text") of each box it showed go to
  // `boxes`, each closed with OK.
  bool Show(std::string_view topic, const std::string& dir, IHelpViewer& viewer,
            std::string_view missingFile = {}) {
    bool result = false;
    HWND last = nullptr;
    const auto close = [&] {
      HWND box = OwnedBox(owner_);
      if (box == nullptr) return false;
      if (box != last) boxes.push_back(TextOf(box) + ": " + TextOf(::GetDlgItem(box, 0xFFFF)));
      last = box;
      static_cast<void>(::PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0));
      return true;
    };
    testing::Driver::Run(
        close, [&] { close(); },
        [&] { result = ShowHelpTopic(owner_, topic, dir, viewer, missingFile); });
    return result;
  }

  TestWindows windows_;
  HWND owner_ = nullptr;
  std::vector<std::string> boxes;
};

TEST_F(ShowHelpTopicTest, OpensThePageOfTheTopicOrSaysWhatWentWrong) {
  const std::string fileError = "Error: " + std::string(kHelpFileError);
  struct Case {
    std::string_view topic;
    bool helpFile, viewerOpens, result;
    std::string_view page;  // empty: the viewer is not asked
    std::string box;        // empty: no message
    std::string_view missingFile = {};
  };
  constexpr std::string_view kGuide = "The user guide is missing.";
  const Case cases[] = {
      {kTopicMacroRepeat, true, true, true, "repeat_prompt.htm", ""},
      {"Grid Colours", true, true, false, "contents.htm",
       "Error: " + UnknownTopicMessage("Grid Colours")},
      {kTopicContents, false, true, false, "", fileError},        // no help file
      {kTopicPause, true, false, false, "pause.htm", fileError},  // the viewer fails
      // The caller's own text for a missing file or viewer; a file that opens says nothing.
      {kTopicTutorial, false, true, false, "", "Error: " + std::string(kGuide), kGuide},
      {kTopicTutorial, true, false, false, "tutorial.htm", "Error: " + std::string(kGuide), kGuide},
      {kTopicTutorial, true, true, true, "tutorial.htm", "", kGuide},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.topic);
    TempFolder folder;
    ASSERT_TRUE(folder.Ok());
    // A help file that the viewer never reads: only its presence counts here.
    if (c.helpFile) {
      ASSERT_TRUE(testing::WriteWholeFile(folder.File("QUINDL.CHM"), "ITSF"));
    }
    RecordingViewer viewer(c.viewerOpens);
    boxes.clear();
    EXPECT_EQ(Show(c.topic, folder.Path(), viewer, c.missingFile), c.result);
    const std::vector<std::string> page{folder.File("QUINDL.CHM") + "::/" + std::string(c.page)};
    EXPECT_EQ(viewer.locations, c.page.empty() ? std::vector<std::string>{} : page);
    EXPECT_EQ(viewer.owners, std::vector<HWND>(viewer.locations.size(), owner_));
    EXPECT_EQ(boxes, c.box.empty() ? std::vector<std::string>{} : std::vector{c.box});
  }
}

TEST_F(ShowHelpTopicTest, AMissingViewerLibraryIsReported) {
  TempFolder folder;
  ASSERT_TRUE(folder.Ok());
  ASSERT_TRUE(testing::WriteWholeFile(folder.File("QUINDL.CHM"), "ITSF"));
  HtmlHelpViewer viewer("qnl_no_such_viewer.ocx");
  EXPECT_FALSE(viewer.Load());
  EXPECT_FALSE(Show(kTopicHotKeys, folder.Path(), viewer));
  EXPECT_EQ(boxes, std::vector<std::string>{"Error: " + std::string(kHelpFileError)});
}

TEST(HtmlHelpViewerTest, LoadsTheViewerFromTheSystemFolderByItsFullPath) {
  const std::string system = SystemDirectory();
  ASSERT_GE(system.size(), 3u);
  EXPECT_EQ(system.substr(1, 2), ":\\");  // a full path, drive and all
  EXPECT_EQ(HtmlHelpViewer().LibraryPath(), system + "\\hhctrl.ocx");
  EXPECT_EQ(HtmlHelpViewer("other.ocx").LibraryPath(), system + "\\other.ocx");
  EXPECT_EQ(SystemLibraryPath(""), "");
  const struct {
    std::string_view folder, name, path;
  } joins[] = {{"C:\\WINDOWS\\SYSTEM32", "HHCTRL.OCX", "C:\\WINDOWS\\SYSTEM32\\HHCTRL.OCX"},
               {"C:\\", "HHCTRL.OCX", "C:\\HHCTRL.OCX"},
               {"C:", "HHCTRL.OCX", "C:\\HHCTRL.OCX"},
               {"", "HHCTRL.OCX", "HHCTRL.OCX"}};
  for (const auto& j : joins) EXPECT_EQ(PathInFolder(j.folder, j.name), j.path) << j.folder;
}

// A library of the viewer's name planted in the current folder (where a help file may have come
// from) would run inside the program if the bare name were loaded.
TEST(HtmlHelpViewerTest, ALibraryInTheCurrentFolderIsNeverLoadedInstead) {
  TempFolder folder;
  ASSERT_TRUE(folder.Ok());
  char own[MAX_PATH + 1] = {};
  ASSERT_GT(::GetModuleFileNameA(nullptr, own, MAX_PATH), 0u);
  std::string planted = own;
  planted = planted.substr(0, planted.find_last_of('\\') + 1) + "QNLHOOK.DLL";
  const std::string name = "qnl_planted_viewer.ocx";
  ASSERT_TRUE(::CopyFileA(planted.c_str(), folder.File(name).c_str(), FALSE));
  char previous[MAX_PATH + 1] = {};
  ASSERT_GT(::GetCurrentDirectoryA(MAX_PATH, previous), 0u);
  ASSERT_TRUE(::SetCurrentDirectoryA(folder.Path().c_str()));
  {
    HtmlHelpViewer viewer(name);
    EXPECT_FALSE(viewer.Load());
    EXPECT_EQ(viewer.LoadedFrom(), "");
    EXPECT_FALSE(LoadSystemLibrary(name));
    const ModuleHandle bare(::LoadLibraryA(name.c_str()));
    EXPECT_TRUE(bare);  // yet the plant was there to be found by a bare name
  }
  EXPECT_TRUE(::SetCurrentDirectoryA(previous));
}

TEST(HtmlHelpViewerTest, FindsHtmlHelpInTheSystemsViewer) {
  HtmlHelpViewer viewer;
  EXPECT_TRUE(viewer.Load());
  EXPECT_TRUE(viewer.Load());  // a second time keeps what the first found
  EXPECT_EQ(UpperAToZ(viewer.LoadedFrom()), UpperAToZ(viewer.LibraryPath()));
}

}  // namespace
}  // namespace quindle::platform::win32
