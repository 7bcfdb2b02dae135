#include "app/win32/build_menu_dialog.h"

#include <array>
#include <string_view>

#include "app/quick_info.h"
#include "app/win32/popup_menus_res.h"
#include "platform/help_topics.h"
#include "platform/win32/controls/check_box.h"
#include "platform/win32/controls/combo_box.h"
#include "platform/win32/controls/edit_field.h"
#include "platform/win32/controls/list_box.h"
#include "platform/win32/controls/owner_drawn_row.h"
#include "platform/win32/help.h"
#include "platform/win32/prompts.h"
#include "platform/win32/resource_ranges.h"
#include "platform/win32/window_handle.h"
#include "ui/grid/win32/cell_text.h"

namespace quindle::app::win32 {
namespace {

using platform::win32::InRange;
using platform::win32::kPopupMenuIds;
static_assert(InRange(kPopupMenuIds, IDD_BUILD_MENU) &&
              InRange(kPopupMenuIds, IDC_BM_AVAILABLE_HEAD3));

constexpr int kRowHeight = 16;
constexpr std::array<std::string_view, 5> kSizeNames{"16", "24", "32", "48", "64"};
constexpr std::size_t kNicknameMax = 50;

// The columns "Activation", "NickName" and "Scope" as parts of a list's width.
struct Columns {
  int nickname;
  int scope;
};
Columns ColumnsOf(int width) {
  return {width * 2 / 5, width * 7 / 10};
}

int LayoutButton(ChooserLayout layout) {
  switch (layout) {
    case ChooserLayout::Text:
      return IDC_BM_TEXT;
    case ChooserLayout::Icons:
      return IDC_BM_ICONS;
    case ChooserLayout::NameAndScope:
      break;
  }
  return IDC_BM_NAMES;
}

}  // namespace

TDoBuildMenu::TDoBuildMenu(storage::MacroRecord& menu, BuilderSetup setup)
    : menu_(menu),
      setup_(std::move(setup)),
      model_(setup_.macros, menu, setup_.self, setup_.self == 0) {}

PopupBuilderResult TDoBuildMenu::Run(HWND owner) {
  result_ = {};
  if (!RunModal(owner, IDD_BUILD_MENU)) return {};
  return result_;
}

bool TDoBuildMenu::OnInit() {
  SetCaption(kBuilderCaption);
  SetItemText(IDC_BM_HOTKEY, setup_.hotkeyName.empty() ? "" : "Hot Key:  " + setup_.hotkeyName);
  platform::win32::EditField name(Handle(), IDC_BM_NAME);
  name.SetLimit(kNicknameMax);
  name.SetText(model_.nickname);
  platform::win32::CheckBox(Handle(), IDC_BM_TRAY).SetChecked(model_.options.tray);
  platform::win32::RadioGroup(Handle(), IDC_BM_TEXT, IDC_BM_NAMES)
      .Check(LayoutButton(model_.options.layout));
  platform::win32::ComboBox sizes(Handle(), IDC_BM_SIZE);
  for (const std::string_view size : kSizeNames) sizes.Add(size);
  sizes.Select(model_.options.sizeIndex);
  icon_ = std::make_unique<editors::win32::IconButton>(Handle(), IDC_BM_ICON,
                                                       setup_.programDir + "\\Icons");
  icon_->UseMenuIcon(IDI_POPUP_MENU);
  model_.iconName = icon_->Opened(model_.iconName);
  icon_->Show(model_.iconName);
  // The lists measure their rows while the dialog is made, before this object answers.
  for (const int list : {IDC_BM_MEMBERS, IDC_BM_AVAILABLE})
    SendItem(list, LB_SETITEMHEIGHT, 0, MAKELPARAM(kRowHeight, 0));
  PlaceHeads(IDC_BM_MEMBERS, IDC_BM_MEMBERS_HEAD1, IDC_BM_MEMBERS_HEAD2, IDC_BM_MEMBERS_HEAD3);
  PlaceHeads(IDC_BM_AVAILABLE, IDC_BM_AVAILABLE_HEAD1, IDC_BM_AVAILABLE_HEAD2,
             IDC_BM_AVAILABLE_HEAD3);
  Show({model_.Members().empty() ? -1 : 0, model_.Available().empty() ? -1 : 0});
  FocusItem(IDC_BM_NAME);
  return false;
}

void TDoBuildMenu::PlaceHeads(int list, int head1, int head2, int head3) {
  RECT r{};
  HWND box = Item(list);
  if (box == nullptr || GetWindowRect(box, &r) == FALSE) return;
  MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&r), 2);
  const Columns c = ColumnsOf(r.right - r.left);
  const int top = r.top - kRowHeight;
  MoveItem(head1, r.left + 3, top, c.nickname - 3, kRowHeight - 2);
  MoveItem(head2, r.left + c.nickname + 3, top, c.scope - c.nickname - 3, kRowHeight - 2);
  MoveItem(head3, r.left + c.scope + 3, top, r.right - r.left - c.scope - 3, kRowHeight - 2);
}

BuilderSelection TDoBuildMenu::Selection() const {
  return {platform::win32::ListBox(Handle(), IDC_BM_MEMBERS).Selected(),
          platform::win32::ListBox(Handle(), IDC_BM_AVAILABLE).Selected()};
}

void TDoBuildMenu::Show(BuilderSelection at) {
  const struct {
    int id;
    const std::vector<int>& numbers;
    int selected;
  } lists[] = {{IDC_BM_MEMBERS, model_.Members(), at.member},
               {IDC_BM_AVAILABLE, model_.Available(), at.available}};
  for (const auto& list : lists) {
    platform::win32::ListBox box(Handle(), list.id);
    SendItem(list.id, WM_SETREDRAW, FALSE, 0);
    box.Clear();
    for (const int n : list.numbers) SendItem(list.id, LB_ADDSTRING, 0, static_cast<LPARAM>(n));
    box.Select(list.selected);
    SendItem(list.id, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(box.Handle(), nullptr, TRUE);
  }
  EnableButtons();
}

void TDoBuildMenu::EnableButtons() {
  const BuilderButtons b = model_.Buttons(Selection());
  const std::pair<int, bool> buttons[] = {{IDC_BM_ADD, b.add},
                                          {IDC_BM_BEFORE, b.insertBefore},
                                          {IDC_BM_AFTER, b.insertAfter},
                                          {IDC_BM_REMOVE, b.remove},
                                          {IDC_BM_UP, b.up},
                                          {IDC_BM_DOWN, b.down}};
  HWND focus = GetFocus();
  for (const auto& [id, on] : buttons) {
    // A button that goes grey while it has the focus would leave the keyboard nowhere.
    if (!on && focus == Item(id))
      FocusItem(id == IDC_BM_REMOVE || id == IDC_BM_UP || id == IDC_BM_DOWN ? IDC_BM_MEMBERS
                                                                            : IDC_BM_AVAILABLE);
    EnableWindow(Item(id), on ? TRUE : FALSE);
  }
}

void TDoBuildMenu::Apply(std::optional<BuilderSelection> after) {
  if (!after) {
    platform::win32::Win32Prompts(platform::win32::FromHwnd(Handle()))
        .ShowMessage(kListErrorTitle, kBuilderNoSelection);
    return;
  }
  Show(*after);
}

void TDoBuildMenu::OnCommand(int id, int notifyCode) {
  switch (id) {
    case IDC_BM_ADD:
      return Apply(model_.Add(Selection()));
    case IDC_BM_BEFORE:
      return Apply(model_.InsertBefore(Selection()));
    case IDC_BM_AFTER:
      return Apply(model_.InsertAfter(Selection()));
    case IDC_BM_REMOVE:
      return Apply(model_.Remove(Selection()));
    case IDC_BM_UP:
      return Show(model_.Up(Selection()));
    case IDC_BM_DOWN:
      return Show(model_.Down(Selection()));
    case IDC_BM_ICON:
      if (notifyCode == BN_CLICKED) {
        if (const std::optional<std::string> chosen = icon_->Choose()) model_.iconName = *chosen;
      }
      return;
    case IDC_BM_HELP:
      platform::win32::ShowHelpTopic(Handle(), platform::kTopicBuildMacroMenu);
      return;
    case IDC_BM_MEMBERS:
    case IDC_BM_AVAILABLE:
      if (notifyCode == LBN_SELCHANGE) EnableButtons();
      if (notifyCode == LBN_DBLCLK && id == IDC_BM_AVAILABLE) Apply(model_.Add(Selection()));
      return;
    default:
      DialogBase::OnCommand(id, notifyCode);
  }
}

void TDoBuildMenu::OnOK() {
  model_.nickname = ItemText(IDC_BM_NAME).substr(0, kNicknameMax);
  model_.options.tray = platform::win32::CheckBox(Handle(), IDC_BM_TRAY).IsChecked();
  const int layout = platform::win32::RadioGroup(Handle(), IDC_BM_TEXT, IDC_BM_NAMES).Checked();
  model_.options.layout = layout == IDC_BM_TEXT    ? ChooserLayout::Text
                          : layout == IDC_BM_ICONS ? ChooserLayout::Icons
                                                   : ChooserLayout::NameAndScope;
  const int size = platform::win32::ComboBox(Handle(), IDC_BM_SIZE).Selected();
  model_.options.sizeIndex = size < 0 ? 0 : size;
  result_.trayIconsChanged = model_.WriteInto(menu_);
  result_.saved = true;
  End(IDOK);
}

bool TDoBuildMenu::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  if (message != WM_CONTEXTMENU) return false;
  HWND source = reinterpret_cast<HWND>(wParam);
  if (source == Item(IDC_BM_ICON)) {
    if (icon_->AskReset()) {
      model_.iconName = std::string(kMenuIcon);
      icon_->Show(model_.iconName);
    }
  } else if (source == Item(IDC_BM_MEMBERS) || source == Item(IDC_BM_AVAILABLE)) {
    QuickInfo(source, lParam);
  } else {
    return false;
  }
  result = TRUE;
  return true;
}

void TDoBuildMenu::QuickInfo(HWND list, LPARAM point) {
  int index = -1;
  if (point == -1) {
    // The context-menu key: the selected row.
    index = static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0));
  } else {
    POINT at{static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
    if (ScreenToClient(list, &at) == FALSE) return;
    const LRESULT hit = SendMessageA(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(at.x, at.y));
    if (HIWORD(hit) == 0) index = LOWORD(hit);  // the high word says "outside every row"
  }
  if (index < 0) return;
  const int n = static_cast<int>(SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(index), 0));
  storage::MacroRecord macro{};
  if (!setup_.readMacro || !setup_.readMacro(n, macro)) return;
  platform::win32::Win32Prompts(platform::win32::FromHwnd(Handle()))
      .ShowMessage(kQuickInfoCaption, BuilderQuickInfo(macro));
}

bool TDoBuildMenu::OnMeasureItem(MEASUREITEMSTRUCT& item) {
  if (item.CtlType != ODT_LISTBOX) return false;
  item.itemHeight = kRowHeight;
  return true;
}

bool TDoBuildMenu::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlType != ODT_LISTBOX) return false;
  if (!platform::win32::BeginOwnerDrawnRow(item)) return true;
  HDC dc = item.hDC;
  const RECT& r = item.rcItem;
  const BuilderRow& row = model_.RowOf(static_cast<int>(item.itemData));
  const Columns c = ColumnsOf(r.right - r.left);
  ui::grid::win32::DrawCellText(dc, row.activation, r, r.left, r.left + c.nickname);
  ui::grid::win32::DrawCellText(dc, row.nickname, r, r.left + c.nickname, r.left + c.scope);
  ui::grid::win32::DrawCellText(dc, row.scope, r, r.left + c.scope, r.right);
  platform::win32::EndOwnerDrawnRow(item);
  return true;
}

}  // namespace quindle::app::win32
