#include "editors/win32/mod_text_dialog.h"

#include "editors/keystroke_editor.h"
#include "editors/script_editor.h"
#include "editors/win32/editor_dialogs_res.h"
#include "editors/win32/symbol_dialog.h"
#include "platform/help_topics.h"
#include "platform/win32/help.h"
#include "platform/win32/prompts.h"
#include "platform/win32/resource_ranges.h"
#include "platform/win32/window_handle.h"

namespace quindle::editors::win32 {
namespace {

using platform::win32::InRange;
using platform::win32::kEditorDialogIds;
static_assert(InRange(kEditorDialogIds, IDD_MOD_TEXT) && InRange(kEditorDialogIds, IDM_MT_DELETE) &&
              InRange(kEditorDialogIds, IDC_MT_KEY_LAST));
static_assert(IDC_MT_KEY_LAST - IDC_MT_KEY_FIRST + 1 == kKeyButtons.size());
static_assert(IDM_MT_KEY_LAST - IDM_MT_KEY_FIRST + 1 == kKeyButtons.size());

}  // namespace

std::optional<std::string> TModText::Run(HWND owner) {
  result_.reset();
  if (!RunModal(owner, IDD_MOD_TEXT)) return std::nullopt;
  return result_;
}

bool TModText::OnInit() {
  AnswerF1With(IDC_MT_HELP);
  hookOff_.emplace(keyboardHook_);
  memo_.emplace(Handle(), IDC_MT_MEMO, IDC_MT_MISC, core_);
  memo_->Open();
  return false;
}

void TModText::OnCommand(int id, int notifyCode) {
  if (!memo_) return DialogBase::OnCommand(id, notifyCode);
  if (memo_->OnCommand(id, notifyCode)) return;
  if (id >= IDC_MT_KEY_FIRST && id <= IDC_MT_KEY_LAST) {
    memo_->Insert(kKeyButtons[static_cast<std::size_t>(id - IDC_MT_KEY_FIRST)].tag);
  } else if (id >= IDM_MT_KEY_FIRST && id <= IDM_MT_KEY_LAST) {
    memo_->Insert(kKeyButtons[static_cast<std::size_t>(id - IDM_MT_KEY_FIRST)].tag);
  } else if (id == IDC_MT_MISC_OK) {
    memo_->InsertMisc();
  } else if (id == IDM_MT_CUT) {
    memo_->EditCommand(WM_CUT);
  } else if (id == IDM_MT_COPY) {
    memo_->EditCommand(WM_COPY);
  } else if (id == IDM_MT_PASTE) {
    memo_->EditCommand(WM_PASTE);
  } else if (id == IDM_MT_DELETE) {
    memo_->EditCommand(WM_CLEAR);
  } else if (id == IDC_MT_SYMBOLS) {
    // A character 128..255, or the ALT tag of a keypad sequence.
    if (const std::optional<std::string> symbol = RunSymbolDialog(Handle())) {
      memo_->Insert(*symbol);
    }
  } else if (id == IDC_MT_HELP) {
    platform::win32::ShowHelpTopic(Handle(), platform::kTopicTextInsertion);
  } else {
    DialogBase::OnCommand(id, notifyCode);
  }
}

bool TModText::OnMessage(UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/, INT_PTR& result) {
  if (!memo_ || !memo_->OnMessage(message)) return false;
  result = 0;
  return true;
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
  memo_.reset();
  hookOff_.reset();
}

}  // namespace quindle::editors::win32
