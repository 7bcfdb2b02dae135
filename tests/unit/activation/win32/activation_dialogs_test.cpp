// The two activation dialogs as real windows: definition mode follows the focus of a hotkey
// field, a reported combination keeps "&Ok" the default button and is written at "&Ok", and
// "Use &Prefix Keys" governs the prefix field.
#include <gtest/gtest.h>

#include "activation/activation_test_support.h"
#include "activation/win32/activation_dialogs_res.h"
#include "activation/win32/system_keys_dialog.h"
#include "activation/win32/typlet_options_dialog.h"
#include "platform/win32/modal_driver.h"
#include "platform/win32/window_handle.h"

namespace quindle::activation::testing {
namespace {

using platform::win32::testing::Driver;
using platform::win32::testing::EndIfOpen;
using platform::win32::testing::FindShown;

constexpr int kFreeCode = 40;

// A window closed by an earlier test may have posted WM_QUIT, which would end a modal loop at
// once.
void DrainQueue() {
  MSG message;
  while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
}

using SystemKeysDialog = ActivationTest;

TEST_F(SystemKeysDialog, ADefinedCombinationIsShownKeptOnOkAndWritten) {
  Load({});
  DrainQueue();
  win32::TSystemKeys dialog(lock, store, 3, SystemKeyField::StartCap);
  bool defineModeWhileOpen = false;
  LRESULT defaultId = 0;
  std::optional<win32::SystemKeysResult> result;
  const bool driven = Driver::Run(
      [&] {
        HWND shown = FindShown("System Hot Keys");
        if (shown == nullptr) return false;
        defineModeWhileOpen =
            Table().DefineMode && Table().SecWindow == platform::win32::FromHwnd(shown);
        ::SendMessageA(shown, hooklib::WM_HOTKEY_DEFINED, kFreeCode, 0);
        defaultId = ::SendMessageA(shown, DM_GETDEFID, 0, 0);
        ::PostMessageA(shown, WM_COMMAND, IDOK, 0);
        return true;
      },
      [] { EndIfOpen("System Hot Keys"); }, [&] { result = dialog.Run(nullptr); });
  ASSERT_TRUE(driven);
  EXPECT_TRUE(defineModeWhileOpen) << "the field of the entry opened has the focus";
  EXPECT_EQ(LOWORD(defaultId), IDOK);
  ASSERT_TRUE(result);
  EXPECT_TRUE(result->codesChanged);
  EXPECT_EQ(result->systemMenu, 3);
  EXPECT_FALSE(Table().DefineMode) << "closing leaves definition mode";
  storage::MacroRecord record{};
  ASSERT_TRUE(store.ReadMacro(2, record));
  EXPECT_EQ(record.HotkeyNumber, kFreeCode);
}

TEST(TypletOptionsDialog, UntickingUsePrefixKeysDisablesTheFieldAndStoresSuffixMode) {
  DrainQueue();
  win32::TTypletOptions dialog(TypletOptions{false, true, false, "//"});
  bool enabledBefore = false;
  bool enabledAfter = true;
  std::optional<TypletOptions> result;
  const bool driven = Driver::Run(
      [&] {
        HWND shown = FindShown("Typlet Options");
        if (shown == nullptr) return false;
        enabledBefore = ::IsWindowEnabled(::GetDlgItem(shown, IDC_PREFIX_KEYS)) != FALSE;
        ::SendMessageA(::GetDlgItem(shown, IDC_USE_PREFIX), BM_CLICK, 0, 0);
        enabledAfter = ::IsWindowEnabled(::GetDlgItem(shown, IDC_PREFIX_KEYS)) != FALSE;
        ::PostMessageA(shown, WM_COMMAND, IDOK, 0);
        return true;
      },
      [] { EndIfOpen("Typlet Options"); }, [&] { result = dialog.Run(nullptr); });
  ASSERT_TRUE(driven);
  EXPECT_TRUE(enabledBefore);
  EXPECT_FALSE(enabledAfter);
  ASSERT_TRUE(result);
  EXPECT_EQ(*result, (TypletOptions{false, true, true, "//"}));
}

}  // namespace
}  // namespace quindle::activation::testing
