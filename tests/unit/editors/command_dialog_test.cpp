#include "editors/command_dialog.h"

#include <gtest/gtest.h>

#include "dialog_test_support.h"

namespace quindle::editors {
namespace {

struct IntegerCase {
  const char* text;
  std::optional<int> value;
};

class ReadIntegerCases : public testing::TestWithParam<IntegerCase> {};

TEST_P(ReadIntegerCases, ReadsOnlyASignAndDigits) {
  EXPECT_EQ(ReadInteger(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadIntegerCases,
    testing::Values(IntegerCase{"0", 0}, IntegerCase{"42", 42}, IntegerCase{"-7", -7},
                    IntegerCase{"+7", 7}, IntegerCase{"0042", 42},
                    IntegerCase{"999999999", 999999999},
                    IntegerCase{"0000000000001", 1},  // leading zeros do not count as width
                    IntegerCase{"1000000000", std::nullopt}, IntegerCase{"", std::nullopt},
                    IntegerCase{"-", std::nullopt}, IntegerCase{" 5", std::nullopt},
                    IntegerCase{"5 ", std::nullopt}, IntegerCase{"1e3", std::nullopt},
                    IntegerCase{"0x10", std::nullopt}, IntegerCase{"1.0", std::nullopt},
                    IntegerCase{"--1", std::nullopt}, IntegerCase{"12a", std::nullopt}));

struct RealCase {
  const char* text;
  std::optional<double> value;
};

class ReadRealCases : public testing::TestWithParam<RealCase> {};

TEST_P(ReadRealCases, ReadsDigitsWithOnePoint) {
  EXPECT_EQ(ReadReal(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadRealCases,
    testing::Values(RealCase{"1.5", 1.5}, RealCase{".5", 0.5}, RealCase{"5.", 5.0},
                    RealCase{"60", 60.0}, RealCase{"-0.25", -0.25}, RealCase{"+2", 2.0},
                    RealCase{"", std::nullopt}, RealCase{".", std::nullopt},
                    RealCase{"1e3", std::nullopt}, RealCase{"0x10", std::nullopt},
                    RealCase{"inf", std::nullopt}, RealCase{"nan", std::nullopt},
                    RealCase{"1,5", std::nullopt}, RealCase{"1.2.3", std::nullopt},
                    RealCase{"1000000000", std::nullopt}));

struct LeadingCase {
  const char* text;
  int integer;
  double real;
};

class LeadingCases : public testing::TestWithParam<LeadingCase> {};

TEST_P(LeadingCases, TakeTheLeadingNumber) {
  EXPECT_EQ(LeadingInteger(GetParam().text), GetParam().integer) << GetParam().text;
  EXPECT_DOUBLE_EQ(LeadingReal(GetParam().text), GetParam().real) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, LeadingCases,
                         testing::Values(LeadingCase{"7x", 7, 7.0}, LeadingCase{"x7", 0, 0.0},
                                         LeadingCase{"", 0, 0.0}, LeadingCase{"-5", -5, -5.0},
                                         LeadingCase{"1.5x", 1, 1.5}, LeadingCase{"1e3", 1, 1.0},
                                         LeadingCase{"0x10", 0, 0.0},
                                         LeadingCase{"000000000000012", 12, 12.0},
                                         // Only nine digits count: no overflow.
                                         LeadingCase{"12345678901", 123456789, 123456789.0}));

TEST(DialogFields, LimitedTrimsThenCutsToTheControlsLimit) {
  EXPECT_EQ(Limited("  123456 ", 4), "1234");
  EXPECT_EQ(Limited("\t5\t", 2), "5");
}

TEST(DialogPaths, AShortPathMustNameAnExistingFile) {
  testing_support::FakePathChecks checks;
  checks.shortForms["C:\\Program Files\\App\\app.exe"] = "C:\\PROGRA~1\\APP\\app.exe";
  checks.files.insert("C:\\PROGRA~1\\APP\\app.exe");
  checks.shortForms["C:\\Gone.txt"] = "C:\\GONE.TXT";  // shortened, but no longer there
  checks.directories.insert("C:\\Dir");

  EXPECT_EQ(ExistingShortPath(checks, "C:\\Program Files\\App\\app.exe"),
            "C:\\PROGRA~1\\APP\\app.exe");
  EXPECT_EQ(ExistingShortPath(checks, "C:\\Gone.txt"), std::nullopt);
  EXPECT_EQ(ExistingShortPath(checks, "C:\\Dir"), std::nullopt);
  EXPECT_EQ(ExistingShortPath(checks, ""), std::nullopt);
}

}  // namespace
}  // namespace quindle::editors
