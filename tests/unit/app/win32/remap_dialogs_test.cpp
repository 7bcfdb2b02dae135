// "Keyboard Remapper" and "Select Character" as real windows, worked by keys alone: a typed key
// selects its row, Enter opens the chart on that key's character, the arrows and Enter choose,
// Esc chooses nothing, and Esc on the remapper closes it like "&Ok".
#include <gtest/gtest.h>

#include "activation/key_remap.h"
#include "app/win32/remap_dialogs.h"
#include "app/win32/remap_dialogs_res.h"
#include "editors/win32/dialog_steps.h"

namespace quindle::app::win32 {
namespace {

using namespace editors::win32::testing;

constexpr const char* kRemapper = "Keyboard Remapper";
constexpr const char* kSpecial = "Select Character";

void PostKey(HWND window, WPARAM key) {
  ::PostMessageA(window, WM_KEYDOWN, key, 1);
  ::PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

TEST(RemapDialogs, AKeyIsRemappedByKeyboardOrLeftAlone) {
  const struct {
    const char* what;
    WPARAM specialKey;  // after Right arrow in the chart
    std::uint8_t aTypes;
    bool changed;
  } rows[] = {
      {"Right arrow and Enter choose b", VK_RETURN, 'b', true},
      {"Esc chooses nothing", VK_ESCAPE, 'a', false},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.what);
    storage::RemapBlock block{};
    activation::InitSwapKeys(block);
    TDoSwapKeys dialog(block, false);
    bool upperFocused = false;
    std::string opened;
    std::string moved;
    const bool driven =
        RunSteps(kRemapper,
                 {When(kRemapper,
                       [&] {
                         upperFocused = ::GetFocus() == Item(kRemapper, IDC_REMAP_UPPER_GRID);
                         HWND lower = Item(kRemapper, IDC_REMAP_LOWER_GRID);
                         ::SetFocus(lower);
                         ::PostMessageA(lower, WM_CHAR, 'a', 1);
                         PostKey(lower, VK_RETURN);
                       }),
                  When(kSpecial,
                       [&] {
                         opened = Text(kSpecial, IDC_SPECIAL_CHOSEN);
                         PostKey(Item(kSpecial, IDC_SPECIAL_CHART), VK_RIGHT);
                       }),
                  When(kSpecial,
                       [&] {
                         moved = Text(kSpecial, IDC_SPECIAL_CHOSEN);
                         PostKey(Item(kSpecial, IDC_SPECIAL_CHART), r.specialKey);
                       }),
                  [&] {
                    if (FindShown(kSpecial) != nullptr || FindShown(kRemapper) == nullptr)
                      return false;
                    PostKey(Item(kRemapper, IDC_REMAP_LOWER_GRID), VK_ESCAPE);
                    return true;
                  }},
                 [&] { ASSERT_TRUE(dialog.Run(nullptr)); });
    ASSERT_TRUE(driven);
    EXPECT_TRUE(upperFocused) << "the first grid has the focus when the remapper opens";
    EXPECT_EQ(opened, "Character 97: a") << "the chart opens on the key's character";
    EXPECT_EQ(moved, "Character 98: b");
    EXPECT_EQ(block.Lower[0], r.aTypes);
    EXPECT_EQ(dialog.Changed(), r.changed);
  }
}

}  // namespace
}  // namespace quindle::app::win32
