#include "platform/text.h"

#include <gtest/gtest.h>

namespace quindle::platform {
namespace {

static_assert(UpperAToZ('a') == 'A' && UpperAToZ('z') == 'Z' && UpperAToZ('`') == '`' &&
              UpperAToZ('{') == '{');

TEST(TextTest, UpperAToZChangesOnlyTheLettersAToZ) {
  EXPECT_EQ(UpperAToZ(std::string_view("quindl.exe")), "QUINDL.EXE");
  EXPECT_EQ(UpperAToZ(std::string_view("Mixed 09 @[`{")), "MIXED 09 @[`{");
  // Accented letters of the ANSI code page stay as they are, on both sides of the hook.
  EXPECT_EQ(UpperAToZ(std::string_view("caf\xe9")), "CAF\xe9");
  EXPECT_EQ(UpperAToZ(std::string_view()), "");
}

struct TrimCase {
  std::string_view text;
  std::string_view characters;
  std::string_view trimmed;
};

TEST(TextTest, TrimRemovesOnlyTheGivenCharactersAtBothEnds) {
  const TrimCase cases[] = {
      {" \t path \t", kBlanks, "path"},
      {" a b ", kBlanks, "a b"},            // inner blanks stay
      {"\r\nkey\r", kBlanks, "\r\nkey\r"},  // a carriage return is no blank
      {"\rkey = 1\r", " \t\r", "key = 1"},
      {"   ", kBlanks, ""},
      {"", kBlanks, ""},
      {"x", "", "x"},
  };
  for (const TrimCase& c : cases) EXPECT_EQ(Trim(c.text, c.characters), c.trimmed) << c.text;
}

TEST(TextTest, TrimSpacesAndControlsTakesEveryByteUpToSpace) {
  EXPECT_EQ(TrimSpacesAndControls(std::string_view("\x01\t 12\r\n\x1f", 8)), "12");
  EXPECT_EQ(TrimSpacesAndControls(std::string_view("\0 7 \0", 5)), "7");
  // DEL and bytes above 127 are kept.
  EXPECT_EQ(TrimSpacesAndControls("\x7f"
                                  "5\xa0"),
            "\x7f"
            "5\xa0");
  EXPECT_EQ(TrimSpacesAndControls(" \t "), "");
}

TEST(TextTest, IsBlankIsSpaceOrTab) {
  EXPECT_TRUE(IsBlank(' '));
  EXPECT_TRUE(IsBlank('\t'));
  EXPECT_FALSE(IsBlank('\r'));
  EXPECT_FALSE(IsBlank('\0'));
}

}  // namespace
}  // namespace quindle::platform
