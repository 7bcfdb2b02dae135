// "Sort Order", "Appearance" and "Output Macros To File" as real windows, driven as the user
// would: where the focus starts, what the buttons move, and which field a refusal focuses.
#include <gtest/gtest.h>

#include <optional>

#include "app/win32/appearance_dialog.h"
#include "app/win32/list_view_dialogs_res.h"
#include "app/win32/output_dialog.h"
#include "app/win32/sort_order_dialog.h"
#include "editors/win32/dialog_steps.h"
#include "platform/memory_files.h"

namespace quindle::app::win32 {
namespace {

using namespace editors::win32::testing;

std::string ListRow(const char* caption, int id, int row) {
  HWND list = Item(caption, id);
  char text[64] = {};
  ::SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
  return text;
}

TEST(SortOrderDialog, MoveButtonsWorkOnTheListUsedLastAndOkReturnsTheDigits) {
  TSortOrder dialog({"123", "123", "12345"});
  std::optional<SortOrders> result;
  bool focusOnPrimary = false;
  std::string movedRow;
  const char* c = "Sort Order";
  ASSERT_TRUE(RunSteps(c,
                       {When(c,
                             [&] {
                               focusOnPrimary = ::GetFocus() == Item(c, IDC_SO_PRIMARY);
                               Click(c, IDC_SO_DOWN);  // Activation below Nickname
                               ::SetFocus(Item(c, IDC_SO_SCOPE));
                               ::SendMessageA(Item(c, IDC_SO_SCOPE), LB_SETCURSEL, 4, 0);
                               Click(c, IDC_SO_UP);  // System above PopUp Menu
                               Click(c, IDC_SO_UP);
                               movedRow = ListRow(c, IDC_SO_SCOPE, 2);
                             }),
                        Press(c)},
                       [&] { result = dialog.Run(nullptr); }));
  EXPECT_TRUE(focusOnPrimary);
  EXPECT_EQ(movedRow, "System");
  ASSERT_TRUE(result);
  EXPECT_EQ(*result, (SortOrders{"213", "123", "12534"}));
}

TEST(AppearanceDialog, AWrongWidthIsRefusedOnItsFieldAndOkReturnsTheChoice) {
  Settings settings;
  TDoAppear dialog(AppearanceFormOf(settings));
  std::optional<AppearanceChoice> result;
  std::string message;
  bool focusOnCol1 = false;
  bool focusBack = false;
  const char* c = "Appearance";
  ASSERT_TRUE(
      RunSteps(c,
               {When(c,
                     [&] {
                       focusOnCol1 = ::GetFocus() == Item(c, IDC_AP_COL1);
                       Type(c, IDC_AP_COL3, "0");
                     }),
                Press(c), Answer("Error", message), FocusBack(c, "Error", IDC_AP_COL3, focusBack),
                When(c,
                     [&] {
                       Type(c, IDC_AP_COL3, "150");
                       Click(c, IDC_AP_SPEED);
                     }),
                Press(c)},
               [&] { result = dialog.Run(nullptr); }));
  EXPECT_TRUE(focusOnCol1);
  EXPECT_EQ(message, "Invalid width specified.");
  EXPECT_TRUE(focusBack);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->widths, (std::array<int, 3>{112, 168, 150}));
  EXPECT_TRUE(result->useSpeed);
}

TEST(OutputDialog, AllBoxesStartCheckedAndScheduleWithIconAloneIsRefused) {
  platform::MemoryBinaryFiles files;
  TDoOutput dialog({{1}, [](int, storage::MacroRecord&) { return true; }, files});
  std::optional<InfoWriteResult> result;
  bool allChecked = true;
  bool focusOnHotKey = false;
  std::string message;
  bool focusBack = false;
  const char* c = "Output Macros To File";
  ASSERT_TRUE(RunSteps(c,
                       {When(c,
                             [&] {
                               for (int id = IDC_OUT_HOT_KEY; id <= IDC_OUT_ICON; ++id)
                                 allChecked = allChecked && Checked(c, id);
                               focusOnHotKey = ::GetFocus() == Item(c, IDC_OUT_HOT_KEY);
                               for (int id = IDC_OUT_HOT_KEY; id <= IDC_OUT_TEXT; ++id)
                                 Click(c, id);
                               ::SetFocus(Item(c, IDC_OUT_ICON));
                             }),
                        Press(c), Answer("Error", message),
                        FocusBack(c, "Error", IDC_OUT_HOT_KEY, focusBack), Press(c, IDCANCEL)},
                       [&] { result = dialog.Run(nullptr); }));
  EXPECT_TRUE(allChecked);
  EXPECT_TRUE(focusOnHotKey);
  EXPECT_EQ(message, "Nothing has been checked for printing.  Please Correct.");
  EXPECT_TRUE(focusBack);
  EXPECT_FALSE(result);
  EXPECT_FALSE(files.Exists("C:\\OUT.TXT"));
}

}  // namespace
}  // namespace quindle::app::win32
