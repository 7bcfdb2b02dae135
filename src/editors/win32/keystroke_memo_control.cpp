#include "editors/win32/keystroke_memo_control.h"

#include <algorithm>
#include <optional>

#include "editors/macro_header.h"
#include "platform/win32/controls/combo_box.h"
#include "platform/win32/controls/edit_field.h"
#include "platform/win32/prompts.h"
#include "platform/win32/window_handle.h"
#include "storage/macro_record.h"

namespace quindle::editors::win32 {

void KeystrokeMemoControl::Open() {
  platform::win32::EditField memo(dialog_, memo_);
  memo.SetLimit(storage::kMacroTextMax);
  memo.SetText(core_.Text());
  platform::win32::ComboBox misc(dialog_, misc_);
  for (const MiscKey& key : kMiscKeys) misc.Add(key.name);
  misc.Select(0);
  // The caret at the end of the text, where the user goes on typing.
  caret_ = core_.Text().size();
  Focus();
}

bool KeystrokeMemoControl::OnCommand(int id, int notifyCode) {
  if (id != memo_) return false;
  if (notifyCode == EN_SETFOCUS) {
    PostMessageA(dialog_, kRestoreCaret, 0, 0);
  } else if (notifyCode == EN_KILLFOCUS) {
    DWORD start = 0;
    SendDlgItemMessageA(dialog_, memo_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    caret_ = start;
  }
  return true;
}

bool KeystrokeMemoControl::OnMessage(UINT message) {
  if (message != kRestoreCaret) return false;
  RestoreCaret();
  return true;
}

// The dialog manager selects the whole text of an edit field it gives the focus to (on
// activation, and after a button took the focus); typing would then replace the text. The memo
// keeps its caret instead. A click into the memo has placed a caret of its own by now and is
// left alone.
void KeystrokeMemoControl::RestoreCaret() {
  platform::win32::EditField memo(dialog_, memo_);
  DWORD start = 0;
  DWORD end = 0;
  memo.Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const std::size_t length = memo.Text().size();
  if (length == 0 || start != 0 || end != length) return;
  const std::size_t caret = std::min(caret_, length);
  memo.Send(EM_SETSEL, caret, caret);
}

void KeystrokeMemoControl::Insert(std::string_view tag) {
  Sync();
  Show(core_.SetIt(tag));
}

void KeystrokeMemoControl::Sync() {
  platform::win32::EditField memo(dialog_, memo_);
  // A menu entry leaves the focus in the memo: its caret is where it stands now.
  if (GetFocus() == memo.Handle()) {
    DWORD start = 0;
    memo.Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    caret_ = start;
  }
  core_.Set(memo.Text(), caret_);
}

void KeystrokeMemoControl::Show(std::optional<std::string_view> refused) {
  if (refused) {
    platform::win32::Win32Prompts(platform::win32::FromHwnd(dialog_))
        .ShowMessage(kEditorError, *refused);
    Focus();
    return;
  }
  // The inserted tag may take the text to the limit the user can type to; a longer text set
  // by the program is kept whole.
  platform::win32::EditField memo(dialog_, memo_);
  memo.SetText(core_.Text());
  caret_ = core_.Caret();
  Focus();
  memo.Send(EM_SETSEL, caret_, caret_);
  memo.Send(EM_SCROLLCARET);
}

void KeystrokeMemoControl::InsertMisc() {
  const int row = platform::win32::ComboBox(dialog_, misc_).Selected();
  if (row >= 0 && row < static_cast<int>(kMiscKeys.size())) {
    Insert(kMiscKeys[static_cast<std::size_t>(row)].tag);
  }
}

// The editing commands act on the edit field of the dialog that has the focus (the memo, or a
// field of the header), and on nothing else.
void KeystrokeMemoControl::EditCommand(UINT message) {
  const HWND focus = GetFocus();
  if (focus == nullptr || GetParent(focus) != dialog_) return;
  char kind[8] = {};
  if (GetClassNameA(focus, kind, sizeof kind) == 0 || lstrcmpiA(kind, "Edit") != 0) return;
  SendMessageA(focus, message, 0, 0);
}

std::string KeystrokeMemoControl::Text() const {
  return platform::win32::EditField(dialog_, memo_).Text();
}

// The dialog manager's way, which also moves the default-button highlight.
void KeystrokeMemoControl::Focus() {
  PostMessageA(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog_, memo_)), TRUE);
}

}  // namespace quindle::editors::win32
