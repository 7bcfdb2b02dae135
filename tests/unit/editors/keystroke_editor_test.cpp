#include <gtest/gtest.h>

#include <set>
#include <string>

#include "editors/keystroke_editor.h"
#include "editors/script_line.h"

namespace quindle::editors {
namespace {

TEST(KeystrokeMemo, InsertsAtTheCaretAndMovesItAfterTheInsertion) {
  KeystrokeMemo memo;
  memo.Set("abcd", 2);
  ASSERT_FALSE(memo.SetIt("<TAB>"));
  EXPECT_EQ(memo.Text(), "ab<TAB>cd");
  EXPECT_EQ(memo.Caret(), 7u);
  ASSERT_FALSE(memo.SetIt("<ESC>"));
  EXPECT_EQ(memo.Text(), "ab<TAB><ESC>cd");
}

TEST(KeystrokeMemo, ACaretBeyondTheTextInsertsAtItsEnd) {
  KeystrokeMemo memo;
  memo.Set("ab", 99);
  ASSERT_FALSE(memo.SetIt("<F1>"));
  EXPECT_EQ(memo.Text(), "ab<F1>");
}

struct SizeCase {
  std::size_t length;
  std::string_view insert;
  bool fits;
};

class KeystrokeMemoSize : public testing::TestWithParam<SizeCase> {};

TEST_P(KeystrokeMemoSize, NeverPasses5000Characters) {
  const SizeCase& c = GetParam();
  KeystrokeMemo memo;
  memo.Set(std::string(c.length, 'a'), c.length);
  const auto refused = memo.SetIt(c.insert);
  EXPECT_EQ(!refused.has_value(), c.fits) << c.length;
  EXPECT_EQ(memo.Text().size(), c.fits ? c.length + c.insert.size() : c.length);
  if (refused) {
    EXPECT_EQ(*refused, kTextTooLong);
  }
}

INSTANTIATE_TEST_SUITE_P(Limits, KeystrokeMemoSize,
                         testing::Values(SizeCase{4996, "<TAB>", false},
                                         SizeCase{4995, "<ESC>", true}, SizeCase{5000, "", true},
                                         SizeCase{5000, "x", false}, SizeCase{5001, "", false},
                                         SizeCase{0, "<BACKSPACE>", true}));

TEST(KeystrokeStore, TabsBecomeTagsAndLineBreaksStay) {
  bool truncated = true;
  EXPECT_EQ(StoredKeystrokes("a\tb\r\nc", truncated), "a<TAB>b\r\nc");
  EXPECT_FALSE(truncated);
}

TEST(KeystrokeStore, ExactlyFiveThousandIsKeptAndMoreIsCut) {
  bool truncated = true;
  EXPECT_EQ(StoredKeystrokes(std::string(5000, 'a'), truncated).size(), 5000u);
  EXPECT_FALSE(truncated);
  EXPECT_EQ(StoredKeystrokes(std::string(5001, 'a'), truncated).size(), 5000u);
  EXPECT_TRUE(truncated);
  // A tab that grows the text past the limit counts too.
  EXPECT_EQ(StoredKeystrokes(std::string(4998, 'a') + "\t", truncated).size(), 5000u);
  EXPECT_TRUE(truncated);
}

// Every tag a button or the list inserts is one the scripting editor keeps inside a Text line,
// so the two editors agree on what typed text is.
TEST(KeystrokeTags, AreTextKeysOfTheScriptLines) {
  std::set<std::string_view> tags;
  for (const auto& key : kKeyButtons) tags.insert(key.tag);
  for (const auto& key : kMiscKeys) tags.insert(key.tag);
  EXPECT_EQ(tags.size(), kKeyButtons.size() + kMiscKeys.size()) << "no tag twice";
  for (const std::string_view tag : tags) {
    const auto lines = BuildTheScript(tag);
    ASSERT_EQ(lines.size(), 1u) << tag;
    EXPECT_EQ(lines[0].text, "Text: " + std::string(tag));
  }
}

}  // namespace
}  // namespace quindle::editors
