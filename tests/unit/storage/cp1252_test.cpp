#include "storage/cp1252.h"

#include <gtest/gtest.h>

namespace quindle::storage {
namespace {

TEST(Cp1252Test, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  const Cp1252Conversion back = Utf8ToCp1252(Cp1252ToUtf8(all));
  ASSERT_TRUE(back.ok) << back.error;
  EXPECT_EQ(back.text, all);
}

TEST(Cp1252Test, HighBytesBecomeTheirUnicodeCharacters) {
  EXPECT_EQ(Cp1252ToUtf8("Caf\xE9"), "Caf\xC3\xA9");
  EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");  // euro sign
  EXPECT_EQ(Cp1252ToUtf8("\x9F"), "\xC5\xB8");      // Y with diaeresis
  EXPECT_EQ(Cp1252ToUtf8("\x93x\x94"), "\xE2\x80\x9Cx\xE2\x80\x9D");
  EXPECT_EQ(Cp1252ToUtf8("\x81"),
            "\xC2\x81");  // undefined: kept as the control character
  EXPECT_EQ(Cp1252ToUtf8("\xA0\xFF"), "\xC2\xA0\xC3\xBF");
}

TEST(Cp1252Test, Utf8ConvertsToWindows1252) {
  const Cp1252Conversion r = Utf8ToCp1252("\xE2\x82\xAC 5, na\xC3\xAFve \xE2\x80\x94 ok");
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.text, "\x80 5, na\xEFve \x97 ok");
}

TEST(Cp1252Test, CharacterThatWindows1252LacksIsAnError) {
  const Cp1252Conversion r = Utf8ToCp1252("ab\xE6\x97\xA5");  // a CJK character
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.errorOffset, 2u);
  EXPECT_NE(r.error.find("U+65E5"), std::string::npos) << r.error;
  EXPECT_TRUE(r.text.empty());
  EXPECT_FALSE(Utf8ToCp1252("\xF0\x9F\x98\x80").ok);  // outside the Basic Multilingual Plane
  EXPECT_FALSE(Utf8ToCp1252("\xC2\x80").ok);          // U+0080 has no byte: 0x80 is the euro
}

TEST(Cp1252Test, MalformedUtf8IsAnErrorAtItsOffset) {
  const struct {
    const char* text;
    std::size_t offset;
  } cases[] = {
      {"x\x80", 1},              // continuation without a lead byte
      {"xy\xC3", 2},             // truncated at the end
      {"\xC3(", 0},              // lead byte followed by a non-continuation
      {"\xC0\xAF", 0},           // overlong "/"
      {"\xE0\x80\xAF", 0},       // overlong in three bytes
      {"\xED\xA0\x80", 0},       // surrogate
      {"a\xF4\x90\x80\x80", 1},  // beyond U+10FFFF
      {"\xFF", 0},
  };
  for (const auto& c : cases) {
    const Cp1252Conversion r = Utf8ToCp1252(c.text);
    EXPECT_FALSE(r.ok) << c.text;
    EXPECT_EQ(r.errorOffset, c.offset) << c.text;
    EXPECT_NE(r.error.find("invalid UTF-8"), std::string::npos) << r.error;
  }
}

}  // namespace
}  // namespace quindle::storage
