// The control wrappers on real controls: what each sets the control reports; a missing one fails.
#include "platform/win32/win32_api.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <initializer_list>
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

enum : int { kCheck = 101, kRadioFirst = 110, kRadioLast = 112, kEdit = 120 };
enum : int { kList = 130, kCombo = 140, kView = 150, kMissing = 199 };

HWND Child(HWND parent, const char* cls, DWORD style, int id) {
  return CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 200, 100, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleA(nullptr), nullptr);
}

// Each row of `rows` selected in turn is the one the control reports; a row past `end` is refused.
template <class Control>
void ExpectSelects(Control& control, std::initializer_list<int> rows, int end) {
  EXPECT_EQ(control.Selected(), -1);
  for (const int row : rows) {
    EXPECT_TRUE(control.Select(row)) << row;
    EXPECT_EQ(control.Selected(), row);
  }
  if (end >= 0) {
    EXPECT_FALSE(control.Select(end));
  }
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
  for (const bool on : {true, false}) {
    EXPECT_TRUE(box.SetChecked(on));
    EXPECT_EQ(box.IsChecked(), on);
  }
  EXPECT_FALSE(CheckBox(parent_, kMissing).SetChecked(true));

  RadioGroup group(parent_, kRadioFirst, kRadioLast);
  EXPECT_EQ(group.Checked(), 0);
  for (const int id : {kRadioLast, kRadioFirst}) {  // the one before is cleared
    EXPECT_TRUE(group.Check(id));
    EXPECT_EQ(group.Checked(), id);
  }
  EXPECT_FALSE(group.Check(kCheck));  // outside the group
  EXPECT_EQ(group.Checked(), kRadioFirst);
}

TEST_F(ControlsTest, EditFieldLimitsWhatIsTypedAndTheFieldInErrorGetsTheFocus) {
  ASSERT_NE(Child(parent_, "EDIT", ES_AUTOHSCROLL | WS_TABSTOP, kEdit), nullptr);
  EditField field(parent_, kEdit);
  EXPECT_TRUE(field.SetLimit(4));
  EXPECT_EQ(field.Limit(), 4u);
  EXPECT_FALSE(field.SetLimit(0));
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
  ExpectSelects(list, {1, -1}, 7);
  EXPECT_TRUE(list.Clear());
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(ListBox(parent_, kMissing).Add("x"), -1);

  ComboBox combo(parent_, kCombo);
  for (const char* row : {"Normal", "Half", "Double"}) combo.Add(row);
  EXPECT_EQ(combo.Count(), 3);
  EXPECT_EQ(combo.Find("half"), 1);
  EXPECT_EQ(combo.Find("Quad"), -1);
  ExpectSelects(combo, {2}, 3);
  EXPECT_EQ(combo.RowText(2), "Double");
  EXPECT_EQ(combo.Text(), "Double");
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

  ExpectSelects(view, {1, -1}, -1);
  RECT row{};
  EXPECT_TRUE(view.RowRect(0, row));
  EXPECT_GT(row.bottom, row.top);

  EXPECT_FALSE(view.IsOwnerDraw());
  for (const bool on : {true, false}) {
    EXPECT_TRUE(view.SetOwnerDraw(on));
    EXPECT_EQ(view.IsOwnerDraw(), on);
  }
  EXPECT_TRUE(view.Clear());
  EXPECT_EQ(view.RowCount(), 0);
  EXPECT_FALSE(ListView(parent_, kMissing).SetCell(0, 0, "x"));
}

}  // namespace
}  // namespace quindle::platform::win32
