#include <gtest/gtest.h>

#include <cstring>

#include "hooklib/hook_fixture.h"
#include "hooklib/hook_messages.h"

namespace quindle::hooklib::testing {
namespace {

TEST(RemapCharacterTest, SlotsAndCharactersWithoutOne) {
  storage::RemapBlock block;
  std::memset(&block, 0, sizeof block);
  EXPECT_EQ(RemapCharacter(block, 'a'), 0);  // a zero slot leaves the character
  block.Lower['a' - 'a'] = 'b';
  EXPECT_EQ(RemapCharacter(block, 'a'), 'b');
  block.Upper[25] = '!';
  EXPECT_EQ(RemapCharacter(block, 'Z'), '!');
  block.Digits[9] = 'n';
  EXPECT_EQ(RemapCharacter(block, '9'), 'n');
  block.Space2Slash[0] = '_';
  EXPECT_EQ(RemapCharacter(block, ' '), '_');
  block.Colon2At[6] = '#';
  EXPECT_EQ(RemapCharacter(block, '@'), '#');
  block.Bracket2Grave[5] = '\'';
  EXPECT_EQ(RemapCharacter(block, '`'), '\'');
  block.BraceTilde[0] = ']';
  block.BraceTilde[1] = '=';
  EXPECT_EQ(RemapCharacter(block, '}'), ']');
  EXPECT_EQ(RemapCharacter(block, '~'), '=');
  // Everything without a slot is never remapped, whatever the bytes around the slots hold.
  std::memset(&block, 0xAA, sizeof block);
  for (unsigned c : {123u, 124u, 127u, 200u, 255u, 256u, 0xFFFFFFFFu, 0u, 31u})
    EXPECT_EQ(RemapCharacter(block, c), 0) << c;
}

TEST(CbtDecisionTest, OnlyActivationsAreReported) {
  storage::ActivationBlock block;
  std::memset(&block, 0, sizeof block);
  block.MainWindow = 0x1234;
  FakeHookEnv env;
  CbtDecision(block, env, 3, 0x99);
  CbtDecision(block, env, 5, 0x77);
  EXPECT_EQ(env.posts, (std::vector<PostedMessage>{{0x1234, WM_WINDOW_ACTIVATED, 0x77, 0}}));
}

}  // namespace
}  // namespace quindle::hooklib::testing
