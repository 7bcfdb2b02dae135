#include "app/win32/sort_order_dialog.h"

#include <array>

#include "app/win32/list_view_dialogs_res.h"
#include "platform/win32/controls/list_box.h"
#include "platform/win32/resource_ranges.h"

namespace quindle::app::win32 {
namespace {

using platform::win32::InRange;
using platform::win32::kListViewDialogIds;
static_assert(InRange(kListViewDialogIds, IDD_SORT_ORDER) &&
              InRange(kListViewDialogIds, IDC_SO_DOWN));
static_assert(IDC_SO_DOWN < 4430, "Sort Order keeps to 4400-4429");

constexpr std::array<int, kSortListCount> kListIds{IDC_SO_PRIMARY, IDC_SO_ACTIVATION, IDC_SO_SCOPE};

int ListId(SortList list) {
  return kListIds[static_cast<std::size_t>(list)];
}

}  // namespace

std::optional<SortOrders> TSortOrder::Run(HWND owner) {
  result_.reset();
  if (!RunModal(owner, IDD_SORT_ORDER)) return std::nullopt;
  return result_;
}

bool TSortOrder::OnInit() {
  SetCaption(kSortOrderCaption);
  for (const SortList list : {SortList::Primary, SortList::Activation, SortList::Scope})
    Fill(list, 0);
  FocusItem(IDC_SO_PRIMARY);
  return false;
}

void TSortOrder::Fill(SortList list, int selectedRow) {
  platform::win32::ListBox box(Handle(), ListId(list));
  box.Clear();
  for (const std::string_view name : model_.Names(list)) box.Add(name);
  box.Select(selectedRow);
}

void TSortOrder::OnCommand(int id, int notifyCode) {
  for (std::size_t i = 0; i < kListIds.size(); ++i)
    if (id == kListIds[i] && notifyCode == LBN_SETFOCUS) active_ = static_cast<SortList>(i);
  if ((id == IDC_SO_UP || id == IDC_SO_DOWN) && notifyCode == BN_CLICKED) {
    Move(id == IDC_SO_UP);
    return;
  }
  DialogBase::OnCommand(id, notifyCode);
}

void TSortOrder::Move(bool up) {
  const int row = platform::win32::ListBox(Handle(), ListId(active_)).Selected();
  if (row >= 0) Fill(active_, up ? model_.MoveUp(active_, row) : model_.MoveDown(active_, row));
  // The user goes on in the list whose entry moved, as after a click into it.
  FocusItem(ListId(active_));
}

void TSortOrder::OnOK() {
  result_ = model_.Result();
  End(IDOK);
}

}  // namespace quindle::app::win32
