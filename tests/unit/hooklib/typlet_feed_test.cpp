#include <gtest/gtest.h>

#include "hooklib/hook_fixture.h"
#include "hooklib/hook_messages.h"

namespace quindle::hooklib::testing {
namespace {

PostedMessage Typlet(std::uintptr_t kind, std::intptr_t character) {
  return {kMain, WM_TYPLET_CHAR, kind, character};
}

class TypletFeedTest : public HookTest {};

TEST_F(TypletFeedTest, TypedCharactersAreFedOncePerKeyDown) {
  Press('H');
  Release('H');
  Press(kShift);  // Shift alone feeds nothing
  Press('I');
  Release('I');
  Release(kShift);
  env.SetCapsToggled(true);
  Press('J');
  EXPECT_EQ(env.PostsOf(WM_TYPLET_CHAR),
            (std::vector<PostedMessage>{Typlet(0, 'h'), Typlet(0, 'I'), Typlet(2, 'J')}));
}

TEST_F(TypletFeedTest, CtrlOrAltResetsAndFailedTranslationResets) {
  Press(kCtrl);  // Ctrl itself is down at its own event
  Press('C');
  Release('C');
  Release(kCtrl);
  Press(kAlt);
  Release(kAlt);
  env.SetToAsciiFails(true);
  Press('K');
  EXPECT_EQ(env.PostsOf(WM_TYPLET_CHAR),
            (std::vector<PostedMessage>{Typlet(1, 0), Typlet(1, 0), Typlet(1, 0), Typlet(1, 0)}));
}

TEST_F(TypletFeedTest, DeadKeyAndTheLetterAfterItFeedNothing) {
  env.SetDeadKey(221);
  Press(221);
  Release(221);
  EXPECT_TRUE(table.DeadKeyPending);
  Press('E');
  Release('E');
  EXPECT_FALSE(table.DeadKeyPending);
  EXPECT_TRUE(env.PostsOf(WM_TYPLET_CHAR).empty());
  Press('E');  // the pending state lasts one key only
  EXPECT_EQ(env.PostsOf(WM_TYPLET_CHAR), std::vector<PostedMessage>{Typlet(0, 'e')});
}

TEST_F(TypletFeedTest, PlaybackKeysFeedNothingUntilTheMarkerKey) {
  table.PlaybackMarker = true;
  for (unsigned vk : {65u, 66u, 32u, 57u}) {
    Press(vk);
    Release(vk);
  }
  EXPECT_TRUE(env.PostsOf(WM_TYPLET_CHAR).empty());
  const Verdict marker = Press(43);
  EXPECT_TRUE(marker.swallow);
  EXPECT_TRUE(marker.callNext);
  EXPECT_FALSE(table.PlaybackMarker);
  EXPECT_FALSE(Release(43).swallow);  // its release is not the marker any more
  Press('X');
  EXPECT_EQ(env.PostsOf(WM_TYPLET_CHAR), std::vector<PostedMessage>{Typlet(0, 'x')});
}

TEST_F(TypletFeedTest, PeekedKeysAndReleasesFeedNothing) {
  Key('A', true, 3);
  Release('A');
  EXPECT_TRUE(env.PostsOf(WM_TYPLET_CHAR).empty());
}

TEST_F(TypletFeedTest, TypletCharactersStillFlowWhileAHotkeyWaitsForRelease) {
  table.WaitRelease = true;
  table.ReleaseKey = 'Q';
  env.SetDown(17, true);
  Release(kCtrl);  // ends the wait
  EXPECT_EQ(env.PostsOf(WM_HOTKEY_PRESSED).size(), 1u);
  table.WaitRelease = true;
  env.SetDown(17, true);
  env.ClearPosts();
  env.SetDown(17, false);
  env.SetDown(16, true);
  Press('Z');
  EXPECT_EQ(env.PostsOf(WM_TYPLET_CHAR), std::vector<PostedMessage>{Typlet(0, 'Z')});
}

}  // namespace
}  // namespace quindle::hooklib::testing
