// Opening help at a topic, without a real viewer: Wine has no HTML engine here, so a test viewer
// records what it is asked to show, and the error boxes are read and closed by handle from a
// second thread, found as the message boxes that belong to the test's own owner window.
#include "platform/win32/help.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/help_topics.h"
#include "support/test_files.h"
#include "support/test_windows.h"

namespace quindle::platform::win32 {
namespace {

using testing::TempFolder;
using testing::TestWindows;

struct SeenBox {
  std::string title;
  std::string text;
};

// Reads and closes every message box owned by `owner` while it lives.
class BoxCloser {
 public:
  explicit BoxCloser(HWND owner) : owner_(owner), thread_([this] { Watch(); }) {}
  BoxCloser(const BoxCloser&) = delete;
  BoxCloser& operator=(const BoxCloser&) = delete;
  ~BoxCloser() {
    stop_ = true;
    thread_.join();
  }
  std::vector<SeenBox> Seen() {
    std::lock_guard<std::mutex> lock(mutex_);
    return seen_;
  }

 private:
  static std::string TextOf(HWND window) {
    char buffer[1024] = {};
    const int length = ::GetWindowTextA(window, buffer, sizeof buffer);
    return std::string(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
  }

  static BOOL CALLBACK Visit(HWND window, LPARAM self) {
    reinterpret_cast<BoxCloser*>(self)->Look(window);
    return TRUE;
  }

  void Look(HWND window) {
    char className[16] = {};
    if (::GetClassNameA(window, className, sizeof className) == 0) return;
    if (std::string(className) != "#32770" || ::GetWindow(window, GW_OWNER) != owner_) return;
    if (!::IsWindowVisible(window)) return;
    if (window != last_) {
      std::lock_guard<std::mutex> lock(mutex_);
      // The text of a message box is its static control 0xFFFF.
      seen_.push_back({TextOf(window), TextOf(::GetDlgItem(window, 0xFFFF))});
      last_ = window;
    }
    static_cast<void>(::PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0));
  }

  void Watch() {
    while (!stop_) {
      static_cast<void>(::EnumWindows(&BoxCloser::Visit, reinterpret_cast<LPARAM>(this)));
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }

  HWND owner_;
  HWND last_ = nullptr;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<SeenBox> seen_;
  std::thread thread_;
};

class RecordingViewer final : public IHelpViewer {
 public:
  explicit RecordingViewer(bool answer = true) : answer_(answer) {}
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
}

class ShowHelpTopicTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(windows_.Registered());
    if (windows_.WindowsUnavailable()) GTEST_SKIP() << "no display to create windows on";
    owner_ = windows_.Create(TestWindows::Unique("Quindle Help Owner"), true);
    ASSERT_NE(owner_, nullptr);
    ASSERT_TRUE(folder_.Ok());
  }
  // A help file that the viewer never reads: only its presence counts here.
  void PlaceHelpFile() { ASSERT_TRUE(testing::WriteWholeFile(folder_.File("QUINDL.CHM"), "ITSF")); }
  std::string Location(std::string_view page) const {
    return folder_.File("QUINDL.CHM") + "::/" + std::string(page);
  }

  TestWindows windows_;
  TempFolder folder_;
  HWND owner_ = nullptr;
};

TEST_F(ShowHelpTopicTest, AKnownTopicOpensItsPageOverTheOwnerWithoutAMessage) {
  PlaceHelpFile();
  RecordingViewer viewer;
  BoxCloser boxes(owner_);
  EXPECT_TRUE(ShowHelpTopic(owner_, kTopicMacroRepeat, folder_.Path(), viewer));
  EXPECT_EQ(viewer.locations, std::vector<std::string>{Location("repeat_prompt.htm")});
  EXPECT_EQ(viewer.owners, std::vector<HWND>{owner_});
  EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(ShowHelpTopicTest, AnUnknownTopicSaysSoAndOpensTheContents) {
  PlaceHelpFile();
  RecordingViewer viewer;
  BoxCloser boxes(owner_);
  EXPECT_FALSE(ShowHelpTopic(owner_, "Grid Colours", folder_.Path(), viewer));
  EXPECT_EQ(viewer.locations, std::vector<std::string>{Location("contents.htm")});
  const std::vector<SeenBox> seen = boxes.Seen();
  ASSERT_EQ(seen.size(), 1U);
  EXPECT_EQ(seen[0].title, "Error");
  EXPECT_EQ(seen[0].text, UnknownTopicMessage("Grid Colours"));
  EXPECT_NE(seen[0].text.find("\"Grid Colours\""), std::string::npos);
}

TEST_F(ShowHelpTopicTest, AMissingHelpFileIsReportedAndNothingIsOpened) {
  RecordingViewer viewer;
  BoxCloser boxes(owner_);
  EXPECT_FALSE(ShowHelpTopic(owner_, kTopicContents, folder_.Path(), viewer));
  EXPECT_TRUE(viewer.locations.empty());
  const std::vector<SeenBox> seen = boxes.Seen();
  ASSERT_EQ(seen.size(), 1U);
  EXPECT_EQ(seen[0].title, "Error");
  EXPECT_EQ(seen[0].text, kHelpFileError);
}

TEST_F(ShowHelpTopicTest, AViewerThatFailsIsReported) {
  PlaceHelpFile();
  RecordingViewer viewer(false);
  BoxCloser boxes(owner_);
  EXPECT_FALSE(ShowHelpTopic(owner_, kTopicPause, folder_.Path(), viewer));
  EXPECT_EQ(viewer.locations, std::vector<std::string>{Location("pause.htm")});
  const std::vector<SeenBox> seen = boxes.Seen();
  ASSERT_EQ(seen.size(), 1U);
  EXPECT_EQ(seen[0].text, kHelpFileError);
}

TEST_F(ShowHelpTopicTest, AMissingViewerLibraryIsReported) {
  PlaceHelpFile();
  HtmlHelpViewer viewer("qnl_no_such_viewer.ocx");
  EXPECT_FALSE(viewer.Load());
  BoxCloser boxes(owner_);
  EXPECT_FALSE(ShowHelpTopic(owner_, kTopicHotKeys, folder_.Path(), viewer));
  const std::vector<SeenBox> seen = boxes.Seen();
  ASSERT_EQ(seen.size(), 1U);
  EXPECT_EQ(seen[0].title, "Error");
  EXPECT_EQ(seen[0].text, kHelpFileError);
}

TEST(HtmlHelpViewerTest, FindsHtmlHelpInTheSystemsViewer) {
  HtmlHelpViewer viewer;
  EXPECT_TRUE(viewer.Load());
  EXPECT_TRUE(viewer.Load());  // a second time keeps what the first found
}

}  // namespace
}  // namespace quindle::platform::win32
