#include "editors/win32/mod_text_dialog.h"

#include <algorithm>

#include "editors/keystroke_editor.h"
#include "editors/script_editor.h"
#include "editors/win32/editor_dialogs_res.h"
#include "editors/win32/symbol_dialog.h"
#include "platform/help_topics.h"
#include "platform/win32/controls/combo_box.h"
#include "platform/win32/controls/edit_field.h"
#include "platform/win32/help.h"
#include "platform/win32/prompts.h"
#include "platform/win32/resource_ranges.h"
#include "platform/win32/window_handle.h"
#include "storage/macro_record.h"

namespace quindle::editors::win32 {
namespace {

using platform::win32::InRange;
using platform::win32::kEditorDialogIds;
static_assert(InRange(kEditorDialogIds, IDD_MOD_TEXT) && InRange(kEditorDialogIds, IDM_MT_DELETE) &&
              InRange(kEditorDialogIds, IDC_MT_KEY_LAST));
static_assert(IDC_MT_KEY_LAST - IDC_MT_KEY_FIRST + 1 == kKeyButtons.size());
static_assert(IDM_MT_KEY_LAST - IDM_MT_KEY_FIRST + 1 == kKeyButtons.size());

// Posted when the memo gets the focus, to run after the dialog manager's own handling.
constexpr UINT kRestoreCaret = WM_APP + 1;

}  // namespace

std::optional<std::string> TModText::Run(HWND owner) {
  result_.reset();
  if (!RunModal(owner, IDD_MOD_TEXT)) return std::nullopt;
  return result_;
}

bool TModText::OnInit() {
  AnswerF1With(IDC_MT_HELP);
  hookOff_.emplace(keyboardHook_);
  platform::win32::EditField memo(Handle(), IDC_MT_MEMO);
  memo.SetLimit(storage::kMacroTextMax);
  memo.SetText(text_);
  platform::win32::ComboBox misc(Handle(), IDC_MT_MISC);
  for (const MiscKey& key : kMiscKeys) misc.Add(key.name);
  misc.Select(0);
  // The caret at the end of the text, where the user goes on typing.
  caret_ = text_.size();
  FocusItem(IDC_MT_MEMO);
  return false;
}

void TModText::OnCommand(int id, int notifyCode) {
  if (id == IDC_MT_MEMO && notifyCode == EN_SETFOCUS) {
    Post(kRestoreCaret);
  } else if (id == IDC_MT_MEMO && notifyCode == EN_KILLFOCUS) {
    DWORD start = 0;
    SendItem(IDC_MT_MEMO, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    caret_ = start;
  } else if (id >= IDC_MT_KEY_FIRST && id <= IDC_MT_KEY_LAST) {
    Insert(kKeyButtons[static_cast<std::size_t>(id - IDC_MT_KEY_FIRST)].tag);
  } else if (id >= IDM_MT_KEY_FIRST && id <= IDM_MT_KEY_LAST) {
    Insert(kKeyButtons[static_cast<std::size_t>(id - IDM_MT_KEY_FIRST)].tag);
  } else if (id == IDC_MT_MISC_OK) {
    const int row = platform::win32::ComboBox(Handle(), IDC_MT_MISC).Selected();
    if (row >= 0 && row < static_cast<int>(kMiscKeys.size())) {
      Insert(kMiscKeys[static_cast<std::size_t>(row)].tag);
    }
  } else if (id == IDM_MT_CUT) {
    EditCommand(WM_CUT);
  } else if (id == IDM_MT_COPY) {
    EditCommand(WM_COPY);
  } else if (id == IDM_MT_PASTE) {
    EditCommand(WM_PASTE);
  } else if (id == IDM_MT_DELETE) {
    EditCommand(WM_CLEAR);
  } else if (id == IDC_MT_SYMBOLS) {
    // A character 128..255, or the ALT tag of a keypad sequence.
    if (const std::optional<std::string> symbol = RunSymbolDialog(Handle())) Insert(*symbol);
  } else if (id == IDC_MT_HELP) {
    platform::win32::ShowHelpTopic(Handle(), platform::kTopicTextInsertion);
  } else {
    DialogBase::OnCommand(id, notifyCode);
  }
}

// The editing commands act on the edit field that has the focus, and on nothing else.
void TModText::EditCommand(UINT message) {
  const HWND focus = GetFocus();
  if (focus == Item(IDC_MT_MEMO)) SendMessageA(focus, message, 0, 0);
}

// The dialog manager selects the whole text of an edit field it gives the focus to (on
// activation, and after a button took the focus); typing would then replace the text. The memo
// keeps its caret instead. A click into the memo has placed a caret of its own by now and is
// left alone.
void TModText::RestoreCaret() {
  platform::win32::EditField memo(Handle(), IDC_MT_MEMO);
  DWORD start = 0;
  DWORD end = 0;
  memo.Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const std::size_t length = memo.Text().size();
  if (length == 0 || start != 0 || end != length) return;
  const std::size_t caret = std::min(caret_, length);
  memo.Send(EM_SETSEL, caret, caret);
}

bool TModText::OnMessage(UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/, INT_PTR& result) {
  if (message != kRestoreCaret) return false;
  RestoreCaret();
  result = 0;
  return true;
}

void TModText::Insert(std::string_view tag) {
  platform::win32::EditField memo(Handle(), IDC_MT_MEMO);
  // A menu entry leaves the focus in the memo: its caret is where it stands now.
  if (GetFocus() == memo.Handle()) {
    DWORD start = 0;
    memo.Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    caret_ = start;
  }
  KeystrokeMemo core;
  core.Set(memo.Text(), caret_);
  if (const std::optional<std::string_view> refused = core.SetIt(tag)) {
    platform::win32::Win32Prompts(platform::win32::FromHwnd(Handle()))
        .ShowMessage(kEditorError, *refused);
    FocusItem(IDC_MT_MEMO);
    return;
  }
  // The inserted tag may take the text to the limit the user can type to; a longer text set
  // by the program is kept whole.
  memo.SetText(core.Text());
  caret_ = core.Caret();
  FocusItem(IDC_MT_MEMO);
  memo.Send(EM_SETSEL, caret_, caret_);
  memo.Send(EM_SCROLLCARET);
}

void TModText::OnOK() {
  bool truncated = false;
  std::string stored = StoredKeystrokes(ItemText(IDC_MT_MEMO), truncated);
  if (truncated) {
    platform::win32::Win32Prompts(platform::win32::FromHwnd(Handle()))
        .ShowMessage(kEditorError, kMacroTooLong);
  }
  result_ = std::move(stored);
  End(IDOK);
}

void TModText::OnDestroy() {
  hookOff_.reset();
}

}  // namespace quindle::editors::win32
