// The "Typlet Options" model: the prefix check, the trimming and the negated "Use Suffix".
#include <gtest/gtest.h>

#include "activation/typlet_options.h"

namespace quindle::activation {
namespace {

TEST(TypletOptionsForm, UsePrefixKeysShowsTheNegationOfUseSuffix) {
  EXPECT_TRUE(FormOfTypletOptions({false, true, false, "//"}).usePrefixKeys);
  EXPECT_FALSE(FormOfTypletOptions({false, true, true, ""}).usePrefixKeys);
}

struct PrefixCase {
  const char* text;
  bool valid;
};

TEST(TypletOptionsPrefix, EveryCharacterMustBeOneATypletCanHold) {
  for (const PrefixCase& c : {PrefixCase{"", true},
                              {"//", true},
                              {" ;", true},
                              {"a9", true},
                              {"!_", true},
                              {"'", false},
                              {"a b", false},
                              {"\"", false},
                              {"(", false},
                              {"\xE9", false}}) {
    const std::optional<std::string_view> message = CheckPrefixKeys(c.text);
    EXPECT_EQ(!message.has_value(), c.valid) << c.text;
    if (message) {
      EXPECT_EQ(*message, kInvalidPrefixMessage);
    }
  }
}

TEST(TypletOptionsAccept, TrimsAndStoresTheOptions) {
  const TypletOptionsResult result = AcceptTypletOptions({true, false, true, " /; "});
  ASSERT_TRUE(result.options);
  EXPECT_EQ(*result.options, (TypletOptions{true, false, false, "/;"}));
}

TEST(TypletOptionsAccept, AnInvalidPrefixIsRefusedWithTheFieldToFocus) {
  const TypletOptionsResult result = AcceptTypletOptions({false, true, true, "a("});
  EXPECT_FALSE(result.options);
  EXPECT_EQ(result.message, kInvalidPrefixMessage);
  EXPECT_EQ(result.title, "Error");
  EXPECT_EQ(result.focus, TypletOptionsField::PrefixKeys);
}

TEST(TypletOptionsAccept, SuffixModeKeepsTheUnusedPrefixUnchecked) {
  const TypletOptionsResult result = AcceptTypletOptions({false, true, false, "a("});
  ASSERT_TRUE(result.options);
  EXPECT_TRUE(result.options->useSuffix);
  EXPECT_EQ(result.options->prefixKeys, "a(");
}

}  // namespace
}  // namespace quindle::activation
