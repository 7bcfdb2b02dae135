// The control wrappers on real controls, children of a test window: what each sets is what the
// control then reports, and a wrapper of a missing control fails instead of doing nothing.
#include "platform/win32/win32_api.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/win32/controls/check_box.h"
#include "platform/win32/controls/combo_box.h"
#include "platform/win32/controls/edit_field.h"
#include "platform/win32/controls/field_focus.h"
#include "platform/win32/controls/list_box.h"
#include "platform/win32/controls/list_view.h"
#include "support/test_windows.h"

namespace quindle::platform::win32 {
namespace {

constexpr int kCheck = 101;
constexpr int kRadioFirst = 110;
constexpr int kRadioLast = 112;
constexpr int kEdit = 120;
constexpr int kList = 130;
constexpr int kCombo = 140;
constexpr int kView = 150;
constexpr int kMissing = 199;

HWND Child(HWND parent, const char* cls, DWORD style, int id) {
  return CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 200, 100, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleA(nullptr), nullptr);
}

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    parent_ = windows_.Create(testing::TestWindows::Unique("controls"), true);
    if (parent_ == nullptr && windows_.WindowsUnavailable()) GTEST_SKIP() << "no windows here";
    ASSERT_NE(parent_, nullptr);
  }
  testing::TestWindows windows_;
  HWND parent_ = nullptr;
};

TEST_F(ControlsTest, CheckBoxesAndRadioGroups) {
  ASSERT_NE(Child(parent_, "BUTTON", BS_AUTOCHECKBOX, kCheck), nullptr);
  for (int id = kRadioFirst; id <= kRadioLast; ++id)
    ASSERT_NE(Child(parent_, "BUTTON", BS_AUTORADIOBUTTON, id), nullptr);

  CheckBox box(parent_, kCheck);
  EXPECT_FALSE(box.IsChecked());
  EXPECT_TRUE(box.SetChecked(true));
  EXPECT_TRUE(box.IsChecked());
  EXPECT_TRUE(box.SetChecked(false));
  EXPECT_FALSE(box.IsChecked());
  EXPECT_FALSE(CheckBox(parent_, kMissing).SetChecked(true));

  RadioGroup group(parent_, kRadioFirst, kRadioLast);
  EXPECT_EQ(group.Checked(), 0);
  EXPECT_TRUE(group.Check(kRadioLast));
  EXPECT_EQ(group.Checked(), kRadioLast);
  EXPECT_TRUE(group.Check(kRadioFirst));  // the one before is cleared
  EXPECT_EQ(group.Checked(), kRadioFirst);
  EXPECT_FALSE(group.Check(kCheck));  // outside the group
  EXPECT_EQ(group.Checked(), kRadioFirst);
}

TEST_F(ControlsTest, EditFieldLimitsWhatIsTypedAndTheFieldInErrorGetsTheFocus) {
  ASSERT_NE(Child(parent_, "EDIT", ES_AUTOHSCROLL | WS_TABSTOP, kEdit), nullptr);
  EditField field(parent_, kEdit);
  EXPECT_TRUE(field.SetLimit(4));
  EXPECT_EQ(field.Limit(), 4u);
  EXPECT_FALSE(field.SetLimit(0));
  // Typed characters stop at the limit.
  for (const char c : std::string("123456")) SendMessageA(field.Handle(), WM_CHAR, c, 0);
  EXPECT_EQ(field.Text(), "1234");
  EXPECT_TRUE(field.SetText("123456"));  // the program's own text is not cut
  EXPECT_EQ(field.Text(), "123456");

  EXPECT_TRUE(field.Enable(false));
  EXPECT_FALSE(field.IsEnabled());
  EXPECT_TRUE(EnableControls(parent_, {kEdit}, true));
  EXPECT_TRUE(field.IsEnabled());
  EXPECT_FALSE(EnableControls(parent_, {kEdit, kMissing}, false));
  EXPECT_FALSE(field.IsEnabled());  // the present one is still set
  EnableControls(parent_, {kEdit}, true);

  SetForegroundWindow(parent_);
  EXPECT_TRUE(FocusFieldInError(parent_, kEdit));
  DWORD start = 1;
  DWORD end = 0;
  SendMessageA(field.Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 6u);  // all of it selected, to be typed over
  EXPECT_FALSE(FocusFieldInError(parent_, kMissing));
}

TEST_F(ControlsTest, ListBoxesAndComboBoxes) {
  ASSERT_NE(Child(parent_, "LISTBOX", LBS_NOTIFY, kList), nullptr);
  ASSERT_NE(Child(parent_, "COMBOBOX", CBS_DROPDOWNLIST, kCombo), nullptr);
  ListBox list(parent_, kList);
  EXPECT_EQ(list.Add("first"), 0);
  EXPECT_EQ(list.Add("second"), 1);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.RowText(1), "second");
  EXPECT_EQ(list.RowText(5), "");
  EXPECT_EQ(list.Selected(), -1);
  EXPECT_TRUE(list.Select(1));
  EXPECT_EQ(list.Selected(), 1);
  EXPECT_FALSE(list.Select(7));
  EXPECT_TRUE(list.Select(-1));
  EXPECT_EQ(list.Selected(), -1);
  EXPECT_TRUE(list.Clear());
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(ListBox(parent_, kMissing).Add("x"), -1);

  ComboBox combo(parent_, kCombo);
  combo.Add("Normal");
  combo.Add("Half");
  combo.Add("Double");
  EXPECT_EQ(combo.Count(), 3);
  EXPECT_EQ(combo.Find("half"), 1);
  EXPECT_EQ(combo.Find("Quad"), -1);
  EXPECT_TRUE(combo.Select(2));
  EXPECT_EQ(combo.Selected(), 2);
  EXPECT_EQ(combo.RowText(2), "Double");
  EXPECT_EQ(combo.Text(), "Double");
  EXPECT_FALSE(combo.Select(3));
  EXPECT_TRUE(combo.Clear());
  EXPECT_EQ(combo.Selected(), -1);
}

TEST_F(ControlsTest, ListViewsHoldColumnsRowsCellsAndASelection) {
  ListView view = ListView::Create(parent_, kView, LVS_SINGLESEL);
  ASSERT_TRUE(view);
  EXPECT_EQ(ListView(parent_, kView).Handle(), view.Handle());
  EXPECT_TRUE(view.AddColumn(0, "", 40));
  EXPECT_TRUE(view.AddColumn(1, "Activation", 112));
  EXPECT_EQ(view.ColumnCount(), 2);
  EXPECT_EQ(view.ColumnWidth(1), 112);
  EXPECT_TRUE(view.SetExtendedStyle(LVS_EX_FULLROWSELECT));

  EXPECT_EQ(view.InsertRow(0, "1"), 0);
  EXPECT_EQ(view.InsertRow(99, "2"), 1);  // past the end: appended
  EXPECT_TRUE(view.SetCell(1, 1, "Ctrl+Alt+Shift+X"));
  EXPECT_EQ(view.Cell(1, 0), "2");
  EXPECT_EQ(view.Cell(1, 1), "Ctrl+Alt+Shift+X");
  EXPECT_EQ(view.RowCount(), 2);

  EXPECT_EQ(view.Selected(), -1);
  EXPECT_TRUE(view.Select(1));
  EXPECT_EQ(view.Selected(), 1);
  EXPECT_TRUE(view.Select(-1));
  EXPECT_EQ(view.Selected(), -1);
  RECT row{};
  EXPECT_TRUE(view.RowRect(0, row));
  EXPECT_GT(row.bottom, row.top);

  EXPECT_FALSE(view.IsOwnerDraw());
  EXPECT_TRUE(view.SetOwnerDraw(true));
  EXPECT_TRUE(view.IsOwnerDraw());
  EXPECT_TRUE(view.SetOwnerDraw(false));
  EXPECT_TRUE(view.Clear());
  EXPECT_EQ(view.RowCount(), 0);
  EXPECT_FALSE(ListView(parent_, kMissing).SetCell(0, 0, "x"));
}

}  // namespace
}  // namespace quindle::platform::win32
