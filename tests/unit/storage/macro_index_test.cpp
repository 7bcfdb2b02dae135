// The index of Typlets by last character must name exactly the macros a walk over all Typlet
// names finds, in the same order, after any sequence of changes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text.h"
#include "storage/macro_store.h"

namespace quindle::storage::testing {
namespace {

struct Change {
  int n = 0;
  std::string typletName;  // "~clear" clears the whole index
};

struct IndexCase {
  const char* what;
  std::vector<Change> changes;
};

std::vector<int> Walked(const MacroIndex& index, char last) {
  std::vector<int> found;
  for (int n = 1; n <= static_cast<int>(kMaxMacros); ++n) {
    const std::string_view name = index.TypletName(n);
    if (!name.empty() && platform::UpperAToZ(name.back()) == platform::UpperAToZ(last))
      found.push_back(n);
  }
  return found;
}

std::vector<int> Indexed(const MacroIndex& index, char last) {
  std::vector<int> found;
  index.ForEachTypletEndingWith(last, [&](int n) {
    found.push_back(n);
    return true;
  });
  return found;
}

TEST(MacroIndexTyplets, TheIndexAgreesWithAWalkOverTheNames) {
  const std::string eleven = "abcdefghijk";  // cut to 10: ends in 'j'
  const IndexCase cases[] = {
      {"either case of a letter", {{1, "sig"}, {2, "xsiG"}, {3, "sih"}}},
      {"a renamed Typlet leaves its old letter", {{1, "sig"}, {1, "sih"}}},
      {"an emptied Typlet leaves the index", {{4, "ab"}, {4, ""}}},
      {"a name kept but the number renamed", {{7, "ab"}, {8, "cb"}, {7, "ab"}}},
      {"a clear forgets everything", {{1, "sig"}, {500, "q"}, {0, "~clear"}, {2, "r"}}},
      {"numbers outside 1..500 are ignored", {{0, "a"}, {501, "a"}, {-3, "a"}, {3, "a"}}},
      {"the cut name's last character counts", {{9, eleven}}},
      {"the word boundaries", {{64, "a"}, {65, "a"}, {128, "a"}, {129, "a"}, {500, "a"}}},
      {"bytes past ASCII", {{5, "x\xE9"}, {6, "x\xC9"}, {7, "x{"}, {8, "x["}}},
  };
  for (const IndexCase& c : cases) {
    SCOPED_TRACE(c.what);
    MacroIndex index;
    for (const Change& change : c.changes) {
      if (change.typletName == "~clear")
        index.Clear();
      else
        index.Set(change.n, "name", change.typletName);
    }
    for (int code = 0; code < 256; ++code) {
      const char last = static_cast<char>(code);
      ASSERT_EQ(Indexed(index, last), Walked(index, last)) << "last character " << code;
    }
  }
}

TEST(MacroIndexTyplets, TheVisitStopsWhenAskedTo) {
  MacroIndex index;
  for (const int n : {3, 70, 200, 499}) index.Set(n, "name", "ok");
  std::vector<int> seen;
  index.ForEachTypletEndingWith('K', [&](int n) {
    seen.push_back(n);
    return n < 70;
  });
  EXPECT_EQ(seen, (std::vector<int>{3, 70}));
}

}  // namespace
}  // namespace quindle::storage::testing
