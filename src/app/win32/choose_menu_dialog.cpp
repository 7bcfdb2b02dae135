#include "app/win32/choose_menu_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <string_view>

#include "app/win32/popup_menus_res.h"
#include "editors/icon_choice.h"
#include "platform/win32/controls/list_box.h"
#include "platform/win32/controls/owner_drawn_row.h"
#include "platform/win32/resource_ranges.h"
#include "ui/grid/win32/cell_text.h"

namespace quindle::app::win32 {
namespace {

using platform::win32::InRange;
using platform::win32::kPopupMenuIds;
static_assert(InRange(kPopupMenuIds, IDD_CHOOSE_MENU) && InRange(kPopupMenuIds, IDC_CH_HINT) &&
              InRange(kPopupMenuIds, IDC_CH_ICON_FIRST) &&
              InRange(kPopupMenuIds, IDC_CH_ICON_LAST));

constexpr int kProgramIconId = 1;
constexpr int kLabelWidth = 18;  // the key label column
constexpr int kNameWidth = 150;  // the nickname column of the nickname layout
constexpr int kTitleHeight = 16;
constexpr int kMaxIconButtons = IDC_CH_ICON_LAST - IDC_CH_ICON_FIRST + 1;
constexpr COLORREF kColumnLine = RGB(128, 128, 128);

void DrawColumnLine(HDC dc, int x, const RECT& row) {
  platform::win32::GdiObject pen(CreatePen(PS_SOLID, 1, kColumnLine));
  if (!pen) return;
  const platform::win32::SelectedObject selected(dc, pen.Get());
  MoveToEx(dc, x, row.top, nullptr);
  LineTo(dc, x, row.bottom);
}

}  // namespace

int TDoAMenu::Run(HWND owner) {
  chosen_ = -1;
  if (!RunModal(owner, IDD_CHOOSE_MENU)) return -1;
  return chosen_;
}

bool TDoAMenu::OnInit() {
  SetCaption(kChooserCaption);
  const int members = static_cast<int>(setup_.entries.size());
  const ChooserGeometry g =
      LayOutChooser(setup_.options.layout, members, IconSizeOf(setup_.options.sizeIndex));
  if (setup_.options.layout == ChooserLayout::Icons) {
    LayOutIcons(g);
  } else {
    LayOutLists(g);
  }
  MoveItem(IDCANCEL, g.cancel.left, g.cancel.top, g.cancel.width, g.cancel.height);
  Place(g);
  return false;
}

void TDoAMenu::LayOutLists(const ChooserGeometry& g) {
  const bool text = setup_.options.layout == ChooserLayout::Text;
  const struct {
    int title, scope, list;
    PixelRect rect;
  } columns[] = {{IDC_CH_TITLE1, IDC_CH_SCOPE1, IDC_CH_LIST1, g.firstList},
                 {IDC_CH_TITLE2, IDC_CH_SCOPE2, IDC_CH_LIST2, g.secondList}};
  const int members = static_cast<int>(setup_.entries.size());
  for (int c = 0; c < 2; ++c) {
    const auto& column = columns[c];
    const bool used = column.rect.width > 0;
    ShowItem(column.list, used);
    ShowItem(column.title, used);
    ShowItem(column.scope, used && !text);
    if (!used) continue;
    const int left = column.rect.left;
    MoveItem(column.list, left, column.rect.top, column.rect.width, column.rect.height);
    MoveItem(column.title, left + kLabelWidth + 2, 1, text ? 200 : kNameWidth - 4,
             kTitleHeight - 2);
    MoveItem(column.scope, left + kLabelWidth + kNameWidth + 2, 1, 100, kTitleHeight - 2);
    SetItemText(column.title, text ? kChooserTextTitle : kChooserNameTitle);
    SetItemText(column.scope, kChooserScopeTitle);
    // The lists measure their rows while the dialog is made, before this object answers.
    SendItem(column.list, LB_SETITEMHEIGHT, 0, MAKELPARAM(kChooserRowHeight, 0));
    const int first = c == 0 ? 0 : kChooserRowsPerColumn;
    const int last = c == 0 ? std::min(members, kChooserRowsPerColumn) : members;
    for (int row = first; row < last; ++row)
      SendItem(column.list, LB_ADDSTRING, 0, static_cast<LPARAM>(row));
  }
  MoveItem(IDC_CH_HINT, g.hint.left, g.hint.top, g.hint.width, g.hint.height);
  SetItemText(IDC_CH_HINT, kChooserHint);
  platform::win32::ListBox(Handle(), IDC_CH_LIST1).Select(0);
  FocusItem(IDC_CH_LIST1);
}

void TDoAMenu::LayOutIcons(const ChooserGeometry& g) {
  for (const int id : {IDC_CH_TITLE1, IDC_CH_SCOPE1, IDC_CH_TITLE2, IDC_CH_SCOPE2, IDC_CH_LIST1,
                       IDC_CH_LIST2, IDC_CH_HINT})
    ShowItem(id, false);
  const int size = IconSizeOf(setup_.options.sizeIndex);
  tips_.Reset(CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0,
                              0, 0, 0, Handle(), nullptr, GetModuleHandleA(nullptr), nullptr));
  const int count = std::min(static_cast<int>(setup_.entries.size()), kMaxIconButtons);
  for (int i = 0; i < count; ++i) {
    const ChooserEntry& entry = setup_.entries[static_cast<std::size_t>(i)];
    const PixelRect r = IconButtonRect(i, g.buttonSide);
    HWND button = CreateWindowExA(
        0, "BUTTON", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_ICON, r.left, r.top, r.width,
        r.height, Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_CH_ICON_FIRST + i)),
        GetModuleHandleA(nullptr), nullptr);
    if (button == nullptr) continue;
    SendMessageA(button, WM_SETFONT, SendMessageA(Handle(), WM_GETFONT, 0, 0), FALSE);
    HICON icon = IconOf(entry, size);
    SendMessageA(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
    icons_.emplace_back(icon);
    if (tips_) {
      TTTOOLINFOA tool{};
      tool.cbSize = sizeof(tool);
      tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
      tool.hwnd = Handle();
      tool.uId = reinterpret_cast<UINT_PTR>(button);
      tool.lpszText = const_cast<char*>(entry.name.c_str());
      SendMessageA(tips_.Get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
  }
  if (count > 0) FocusItem(IDC_CH_ICON_FIRST);
}

HICON TDoAMenu::IconOf(const ChooserEntry& entry, int size) {
  const std::string file = editors::IconFile(entry.iconName, setup_.programDir + "\\Icons");
  HICON icon = nullptr;
  if (!file.empty())
    icon = static_cast<HICON>(
        LoadImageA(nullptr, file.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE));
  if (icon != nullptr) return icon;
  // "MENU", and a missing file of a member that is itself a menu, show the menu icon; the
  // program's icon stands for everything else.
  const bool menu = entry.iconName == editors::kMenuIconName || (!file.empty() && entry.popup);
  return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr),
                                       MAKEINTRESOURCEA(menu ? IDI_POPUP_MENU : kProgramIconId),
                                       IMAGE_ICON, size, size, 0));
}

void TDoAMenu::Place(const ChooserGeometry& g) {
  RECT frame{0, 0, g.clientWidth, g.clientHeight};
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_STYLE));
  const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_EXSTYLE));
  if (AdjustWindowRectEx(&frame, style, FALSE, exStyle) == FALSE) return;
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const ChooserOrigin at = PlaceChooser(width, height, GetSystemMetrics(SM_CXSCREEN),
                                        GetSystemMetrics(SM_CYSCREEN), setup_.clickX);
  PlaceWindow(at.left, at.top, width, height);
}

void TDoAMenu::OnShow(bool visible) {
  if (!visible || shown_) return;
  shown_ = true;
  MakeTopmost();
  if (setup_.bringToFront) setup_.bringToFront(Handle());
}

int TDoAMenu::RowOf(int id, int index) const {
  return index < 0 ? -1 : (id == IDC_CH_LIST2 ? kChooserRowsPerColumn + index : index);
}

void TDoAMenu::Choose(int row) {
  if (row < 0 || row >= static_cast<int>(setup_.entries.size())) return;
  chosen_ = setup_.entries[static_cast<std::size_t>(row)].n;
  End(IDOK);
}

void TDoAMenu::OnCommand(int id, int notifyCode) {
  if (id >= IDC_CH_ICON_FIRST && id <= IDC_CH_ICON_LAST && notifyCode == BN_CLICKED) {
    Choose(id - IDC_CH_ICON_FIRST);
    return;
  }
  if ((id == IDC_CH_LIST1 || id == IDC_CH_LIST2) && notifyCode == LBN_DBLCLK) {
    Choose(RowOf(id, platform::win32::ListBox(Handle(), id).Selected()));
    return;
  }
  DialogBase::OnCommand(id, notifyCode);
}

void TDoAMenu::OnOK() {
  // Enter chooses the selected row of the list that has the focus (or the focused icon).
  HWND focus = GetFocus();
  for (const int id : {IDC_CH_LIST1, IDC_CH_LIST2}) {
    if (focus == Item(id))
      return Choose(RowOf(id, platform::win32::ListBox(Handle(), id).Selected()));
  }
  const int id = focus != nullptr ? GetDlgCtrlID(focus) : 0;
  if (id >= IDC_CH_ICON_FIRST && id <= IDC_CH_ICON_LAST) Choose(id - IDC_CH_ICON_FIRST);
}

bool TDoAMenu::OnMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/, INT_PTR& result) {
  if (message == WM_CHARTOITEM) {
    // A row's key chooses it; any other key does nothing at all (-2: handled).
    const std::optional<int> row =
        RowOfKey(static_cast<char>(LOWORD(wParam)), static_cast<int>(setup_.entries.size()));
    if (row) Choose(*row);
    result = -2;
    return true;
  }
  if (message == WM_VKEYTOITEM) {
    // The arrows and the other keys move the selection as in any list (-1: the list's own way);
    // a dialog procedure's plain "not handled" would read as "go to row 0".
    result = -1;
    return true;
  }
  return false;
}

bool TDoAMenu::OnMeasureItem(MEASUREITEMSTRUCT& item) {
  if (item.CtlType != ODT_LISTBOX) return false;
  item.itemHeight = kChooserRowHeight;
  return true;
}

bool TDoAMenu::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlType != ODT_LISTBOX) return false;
  if (!platform::win32::BeginOwnerDrawnRow(item)) return true;
  const int row = RowOf(static_cast<int>(item.CtlID), static_cast<int>(item.itemID));
  if (row >= 0 && row < static_cast<int>(setup_.entries.size()))
    DrawRow(item, setup_.entries[static_cast<std::size_t>(row)], row);
  platform::win32::EndOwnerDrawnRow(item);
  return true;
}

void TDoAMenu::DrawRow(const DRAWITEMSTRUCT& item, const ChooserEntry& entry, int row) {
  HDC dc = item.hDC;
  const RECT& r = item.rcItem;
  const int labelRight = r.left + kLabelWidth;
  ui::grid::win32::DrawCellText(dc, KeyLabel(row), r, r.left, labelRight);
  DrawColumnLine(dc, labelRight, r);
  if (setup_.options.layout == ChooserLayout::Text) {
    ui::grid::win32::DrawCellText(dc, entry.text, r, labelRight, r.right);
  } else {
    const int nameRight = labelRight + kNameWidth;
    ui::grid::win32::DrawCellText(dc, entry.name, r, labelRight, nameRight);
    DrawColumnLine(dc, nameRight, r);
    ui::grid::win32::DrawCellText(dc, entry.scope, r, nameRight, r.right);
  }
}

}  // namespace quindle::app::win32
