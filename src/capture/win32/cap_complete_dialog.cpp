#include "capture/win32/cap_complete_dialog.h"

#include <algorithm>
#include <array>

#include "activation/typlets.h"
#include "capture/capture_forms.h"
#include "capture/win32/capture_dialogs_res.h"
#include "capture/win32/capture_option_controls.h"
#include "platform/help_topics.h"
#include "platform/win32/controls/check_box.h"
#include "platform/win32/controls/edit_field.h"
#include "platform/win32/controls/field_focus.h"
#include "platform/win32/controls/list_box.h"
#include "platform/win32/controls/owner_drawn_row.h"
#include "platform/win32/handles.h"
#include "platform/win32/help.h"
#include "platform/win32/prompts.h"
#include "platform/win32/resource_ranges.h"
#include "platform/win32/window_handle.h"

namespace quindle::capture::win32 {
namespace {

using platform::win32::InRange;
using platform::win32::kCaptureDialogIds;
static_assert(InRange(kCaptureDialogIds, IDD_CAP_COMPLETE) && IDD_CAP_COMPLETE >= 3500 &&
              InRange(kCaptureDialogIds, IDC_CC_SCOPE_GROUP) && IDC_CC_SCOPE_GROUP < 3550);

// What moves up when the key list is hidden.
constexpr std::array<int, 5> kBelowList{IDC_CC_NICKNAME_LABEL, IDC_CC_NICKNAME, IDC_CC_SCOPE_GROUP,
                                        IDC_CC_GLOBAL, IDC_CC_PROGRAM};
constexpr int kColumnGap = 12;
constexpr int kTextIndent = 2;

// The list's device context for measuring, with the dialog's font selected.
class ListDc {
 public:
  explicit ListDc(HWND list)
      : dc_(list),
        font_(dc_.Get(), reinterpret_cast<HGDIOBJ>(SendMessageA(list, WM_GETFONT, 0, 0))) {}
  HDC Get() const { return dc_.Get(); }

 private:
  platform::win32::WindowDc dc_;
  platform::win32::SelectedObject font_;  // taken out again before the DC goes
};

int TextWidth(HDC dc, std::string_view text) {
  SIZE size{};
  if (GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size) == FALSE)
    return 0;
  return size.cx;
}

}  // namespace

TCapComplete::TCapComplete(storage::TableLock& lock, const CapCompleteRequest& request,
                           platform::IWindows& windows)
    : lock_(lock),
      request_(request),
      windows_(windows),
      picker_(lock, IDC_CC_HOT_KEY_ENTRY, IDC_CC_KEY_LIST) {}

std::optional<CapCompleteResult> TCapComplete::Run(HWND owner) {
  result_.reset();
  if (request_.table != nullptr) {
    use_ = KeyUse(*request_.table);
  } else {
    const storage::TableGuard guard(lock_);
    if (guard) use_ = KeyUse(guard.Table());
  }
  if (!RunModal(owner, IDD_CAP_COMPLETE)) return std::nullopt;
  return result_;
}

bool TCapComplete::OnInit() {
  SetCaption(kCapCompleteCaption);
  FillKeyList();
  platform::win32::EditField(Handle(), IDC_CC_TYPLET_NAME).SetLimit(activation::kTypletNameMax);
  platform::win32::EditField(Handle(), IDC_CC_NICKNAME).SetLimit(kCaptureNicknameMax);
  ShowScope(Handle(), IDC_CC_GLOBAL, IDC_CC_PROGRAM, request_.scope);
  platform::win32::RadioGroup(Handle(), IDC_CC_HOT_KEYS, IDC_CC_TYPLETS).Check(IDC_CC_HOT_KEYS);
  // The distance from the list's top to the nickname's is what the Typlet layout saves.
  RECT list{};
  RECT nickname{};
  if (GetWindowRect(Item(IDC_CC_KEY_LIST), &list) != FALSE &&
      GetWindowRect(Item(IDC_CC_NICKNAME_LABEL), &nickname) != FALSE) {
    shrinkBy_ = std::max(0L, nickname.top - list.top);
  }
  // The focus message that follows turns definition mode on: the user can press the hotkey at
  // once.
  FocusItem(IDC_CC_HOT_KEY_ENTRY);
  return false;
}

void TCapComplete::OnShow(bool visible) {
  if (!visible || broughtToFront_) return;
  broughtToFront_ = true;
  windows_.ForceForeground(platform::win32::FromHwnd(Handle()));
}

void TCapComplete::FillKeyList() {
  platform::win32::ListBox list(Handle(), IDC_CC_KEY_LIST);
  const ListDc dc(list.Handle());
  int widest = 0;
  if (dc.Get() != nullptr) {
    TEXTMETRICA metrics{};
    if (GetTextMetricsA(dc.Get(), &metrics) != FALSE)
      list.Send(LB_SETITEMHEIGHT, 0, metrics.tmHeight + 2);
  }
  for (const std::string& line : KeyLines(use_)) {
    list.Add(line);
    if (dc.Get() != nullptr)
      widest = std::max(widest, TextWidth(dc.Get(), SplitKeyLine(line).name));
  }
  useColumn_ = kTextIndent + widest + kColumnGap;
}

bool TCapComplete::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlID != IDC_CC_KEY_LIST) return false;
  const int row = static_cast<int>(item.itemID);
  const std::string line =
      row < 0 ? std::string() : platform::win32::ListBox(Handle(), IDC_CC_KEY_LIST).RowText(row);
  const KeyLineColumns columns = SplitKeyLine(line);
  platform::win32::DrawTwoColumnRow(item, columns.name, columns.use, kTextIndent, useColumn_);
  return true;
}

void TCapComplete::OnCommand(int id, int notifyCode) {
  switch (id) {
    case IDC_CC_HOT_KEYS:
    case IDC_CC_TYPLETS:
      if (notifyCode == BN_CLICKED) ShowKind(id == IDC_CC_TYPLETS);
      return;
    case IDC_CC_KEY_LIST:
      if (notifyCode == LBN_SELCHANGE) picker_.ShowSelectedName(Handle());
      return;
    case IDC_CC_HELP:
      if (notifyCode == BN_CLICKED)
        platform::win32::ShowHelpTopic(Handle(), platform::kTopicCaptureComplete);
      return;
    default:
      if (!picker_.OnCommand(Handle(), id, notifyCode)) DialogBase::OnCommand(id, notifyCode);
  }
}

void TCapComplete::ShowKind(bool typlet) {
  if (typlet == typletShown_) return;
  typletShown_ = typlet;
  for (const int id : {IDC_CC_HOT_KEY_LABEL, IDC_CC_HOT_KEY_ENTRY, IDC_CC_KEY_LIST})
    ShowItem(id, !typlet);
  for (const int id : {IDC_CC_TYPLET_LABEL, IDC_CC_TYPLET_NAME}) ShowItem(id, typlet);
  const int dy = typlet ? -shrinkBy_ : shrinkBy_;
  for (const int id : kBelowList) ShiftItem(id, dy);
  RECT outer{};
  if (GetWindowRect(Handle(), &outer) != FALSE)
    PlaceWindow(outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top + dy);
}

void TCapComplete::ShiftItem(int id, int dy) {
  RECT rect{};
  HWND item = Item(id);
  if (item == nullptr || GetWindowRect(item, &rect) == FALSE) return;
  MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&rect), 2);
  MoveItem(id, rect.left, rect.top + dy, rect.right - rect.left, rect.bottom - rect.top);
}

bool TCapComplete::OnMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/, INT_PTR& result) {
  if (message == WM_HELP) {
    platform::win32::ShowHelpTopic(Handle(), platform::kTopicCaptureComplete);
    result = TRUE;
    return true;
  }
  const auto outcome = picker_.OnMessage(Handle(), message, wParam, result);
  if (outcome == activation::win32::HotkeyPicker::Outcome::Cancel) OnCancel();
  return outcome != activation::win32::HotkeyPicker::Outcome::NotMine;
}

CapCompleteForm TCapComplete::ReadForm() const {
  CapCompleteForm form;
  form.typlet = typletShown_;
  form.selectedCode = picker_.Selected(Handle());
  form.typletName = ItemText(IDC_CC_TYPLET_NAME);
  form.nickname = ItemText(IDC_CC_NICKNAME);
  form.scope = ReadScope(Handle(), IDC_CC_PROGRAM);
  return form;
}

void TCapComplete::Complain(std::string_view title, std::string_view text, CapCompleteField focus) {
  platform::win32::Win32Prompts(platform::win32::FromHwnd(Handle())).ShowMessage(title, text);
  platform::win32::FocusFieldInError(
      Handle(), focus == CapCompleteField::TypletName ? IDC_CC_TYPLET_NAME : IDC_CC_HOT_KEY_ENTRY);
}

void TCapComplete::OnOK() {
  const CapCompleteStep step = CheckCapComplete(ReadForm(), use_);
  if (step.kind == CapCompleteStep::Kind::Refuse) {
    Complain(step.title, step.message, step.focus);
    return;
  }
  if (step.kind == CapCompleteStep::Kind::Ask &&
      !platform::win32::Win32Prompts(platform::win32::FromHwnd(Handle()))
           .AskYesNo(step.title, step.message)) {
    FocusItem(IDC_CC_HOT_KEY_ENTRY);
    return;
  }
  result_ = step.result;
  End(IDOK);
}

void TCapComplete::OnDestroy() {
  picker_.Stop(Handle());
}

}  // namespace quindle::capture::win32
