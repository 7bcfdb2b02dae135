#include "editors/win32/mod_hotkeys_dialog.h"

#include "editors/win32/family_dialogs.h"
#include "editors/win32/mod_hotkeys_dialog_res.h"
#include "editors/win32/symbol_dialog.h"
#include "platform/help_topics.h"
#include "platform/win32/help.h"
#include "platform/win32/prompts.h"
#include "platform/win32/resource_ranges.h"
#include "platform/win32/window_handle.h"

namespace quindle::editors::win32 {
namespace {

using platform::win32::InRange;
using platform::win32::kDirectEditorIds;
static_assert(InRange(kDirectEditorIds, IDD_MOD_HOTKEYS) &&
              InRange(kDirectEditorIds, IDC_MH_COMMAND_LAST));
static_assert(IDC_MH_KEY_LAST - IDC_MH_KEY_FIRST + 1 == kKeyButtons.size());
static_assert(IDC_MH_COMMAND_LAST - IDC_MH_COMMAND_FIRST + 1 == kDirectCommands.size());

constexpr HeaderIds kHeaderIds{IDC_MH_ACTIVATION, IDC_MH_TYPLET, IDC_MH_SCHEDULE,
                               IDC_MH_NICKNAME,   IDC_MH_GLOBAL, IDC_MH_WINDOW,
                               IDC_MH_PROGRAM,    IDC_MH_SELECT, IDC_MH_ICON};

}  // namespace

TModHotKeys::TModHotKeys(storage::MacroRecord& macro, DirectEditorSetup& setup)
    : macro_(macro), setup_(setup), model_(setup.kind, setup.existing, setup.forcedWindow) {}

bool TModHotKeys::Run(HWND owner) {
  accepted_ = false;
  if (!RunModal(owner, IDD_MOD_HOTKEYS)) return false;
  return accepted_;
}

bool TModHotKeys::OnInit() {
  AnswerF1With(IDC_MH_HELP);
  hookOff_.emplace(setup_.keyboardHook);
  model_.Open(macro_);
  header_ = std::make_unique<EditorHeaderControls>(Handle(), kHeaderIds, setup_, model_.Header());
  header_->Show();
  SetCaption(model_.Caption());
  memo_.emplace(Handle(), IDC_MH_MEMO, IDC_MH_MISC, model_.Memo());
  memo_->Open();
  return false;
}

void TModHotKeys::OnCommand(int id, int notifyCode) {
  if (!memo_) return DialogBase::OnCommand(id, notifyCode);
  if (memo_->OnCommand(id, notifyCode)) return;
  if (id >= IDC_MH_KEY_FIRST && id <= IDC_MH_KEY_LAST) {
    memo_->Insert(kKeyButtons[static_cast<std::size_t>(id - IDC_MH_KEY_FIRST)].tag);
  } else if (id >= IDC_MH_COMMAND_FIRST && id <= IDC_MH_COMMAND_LAST) {
    RunCommand(kDirectCommands[static_cast<std::size_t>(id - IDC_MH_COMMAND_FIRST)]);
  } else if (id == IDC_MH_MISC_OK) {
    memo_->InsertMisc();
  } else if (id == IDM_MH_CUT) {
    memo_->EditCommand(WM_CUT);
  } else if (id == IDM_MH_COPY) {
    memo_->EditCommand(WM_COPY);
  } else if (id == IDM_MH_PASTE) {
    memo_->EditCommand(WM_PASTE);
  } else if (id == IDM_MH_DELETE) {
    memo_->EditCommand(WM_CLEAR);
  } else if (id == IDC_MH_SYMBOLS) {
    // A character 128..255, or the ALT tag of a keypad sequence.
    const std::optional<std::string> symbol = RunSymbolDialog(Handle());
    memo_->Sync();
    memo_->Show(model_.InsertResult(symbol));
  } else if (id == IDC_MH_HELP) {
    platform::win32::ShowHelpTopic(Handle(), platform::kTopicModifyHotKey);
  } else if (header_->OnCommand(id, notifyCode, macro_)) {
    SetCaption(model_.Caption());
  } else {
    DialogBase::OnCommand(id, notifyCode);
  }
}

// The command's dialog in direct mode; its result text goes in at the caret when it fits.
void TModHotKeys::RunCommand(const DirectCommand& command) {
  CommandDialogRequest request;
  request.command = command.command;
  request.direct = true;
  FamilyDialogContext context{setup_.keyboardHook, paths_, setup_.dateTime};
  CommandOutcome outcome = RunCommandDialog(Handle(), request, context);
  std::optional<std::string> text;
  if (outcome) text = std::move(outcome->text);
  memo_->Sync();
  memo_->Show(model_.InsertResult(text));
}

void TModHotKeys::OnOK() {
  if (!memo_) return;
  model_.Memo().Set(memo_->Text(), model_.Memo().Caret());
  const bool accepted =
      header_->AcceptInto(macro_, [this](storage::MacroRecord& macro, double now, bool& truncated) {
        return model_.Accept(macro, now, truncated);
      });
  if (!accepted) return;
  accepted_ = true;
  End(IDOK);
}

bool TModHotKeys::OnMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/, INT_PTR& result) {
  if (message == WM_CONTEXTMENU && header_ &&
      header_->OnContextMenu(reinterpret_cast<HWND>(wParam))) {
    result = 0;
    return true;
  }
  if (!memo_ || !memo_->OnMessage(message)) return false;
  result = 0;
  return true;
}

void TModHotKeys::OnDestroy() {
  memo_.reset();
  header_.reset();
  hookOff_.reset();
}

bool RunDirectEditor(HWND owner, storage::MacroRecord& macro, DirectEditorSetup& setup) {
  TModHotKeys editor(macro, setup);
  return editor.Run(owner);
}

}  // namespace quindle::editors::win32
