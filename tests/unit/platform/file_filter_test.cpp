#include "platform/file_filter.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace quindle::platform {
namespace {

using namespace std::string_literals;

struct FilterCase {
  std::string text;
  std::optional<std::string> filter;
};

TEST(FileFilterTest, TurnsBarsIntoNulsAndRefusesWhatIsNoFilter) {
  const FilterCase cases[] = {
      {"Executable (*.EXE)|*.EXE|All Files (*.*)|*.*",
       "Executable (*.EXE)\0*.EXE\0All Files (*.*)\0*.*\0\0"s},
      {"Macro Files|*.QNL", "Macro Files\0*.QNL\0\0"s},
      {"Pictures|*.BMP;*.ICO", "Pictures\0*.BMP;*.ICO\0\0"s},
      {"", std::nullopt},                    // nothing at all
      {"Executable (*.EXE)", std::nullopt},  // a name without its pattern
      {"A|*.A|B", std::nullopt},             // odd number of parts
      {"A|*.A|", std::nullopt},              // a trailing bar: an empty part
      {"|*.A", std::nullopt},                // an empty name
      {"A||B|*.B", std::nullopt},            // an empty pattern in the middle
      {"A|*.A\0B|*.B"s, std::nullopt},       // a NUL would end the list early
  };
  for (const FilterCase& c : cases) EXPECT_EQ(MakeFileFilter(c.text), c.filter) << c.text;
}

}  // namespace
}  // namespace quindle::platform
