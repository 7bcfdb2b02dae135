#include "hooklib/nested_call.h"

#include <gtest/gtest.h>

namespace quindle::hooklib {
namespace {

struct NestedRow {
  const char* what;
  HookCall inner;
  bool repeats;
};

// The live registration runs the keyboard procedure for the A key-down; a dead one calls it
// again from inside the next-hook call. Only a call for that same event is a repeat.
TEST(NestedCallTest, OnlyTheSameKindAndEventRepeats) {
  const HookCall outer{HookKind::kKeyboard, 0, 'A', 0x001E0001, nullptr};
  const HookCall mouseOuter{HookKind::kMouse, 0, 0x201, 0, &outer};
  const NestedRow rows[] = {
      {"same event again", {HookKind::kKeyboard, 0, 'A', 0x001E0001, &outer}, true},
      {"same event, two frames out", {HookKind::kKeyboard, 0, 'A', 0x001E0001, &mouseOuter}, true},
      {"another key", {HookKind::kKeyboard, 0, 'B', 0x00300001, &outer}, false},
      {"the key's release",
       {HookKind::kKeyboard, 0, 'A', static_cast<std::intptr_t>(0xC01E0001), &outer},
       false},
      {"only looked at", {HookKind::kKeyboard, 3, 'A', 0x001E0001, &outer}, false},
      {"another hook kind", {HookKind::kCbt, 0, 'A', 0x001E0001, &outer}, false},
      {"no outer call", {HookKind::kKeyboard, 0, 'A', 0x001E0001, nullptr}, false},
  };
  for (const NestedRow& row : rows) EXPECT_EQ(RepeatsOuterCall(row.inner), row.repeats) << row.what;
}

}  // namespace
}  // namespace quindle::hooklib
