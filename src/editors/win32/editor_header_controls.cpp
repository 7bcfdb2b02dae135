#include "editors/win32/editor_header_controls.h"

#include "editors/win32/scope_chooser_dialog.h"
#include "platform/win32/controls/check_box.h"
#include "platform/win32/controls/edit_field.h"
#include "platform/win32/controls/field_focus.h"
#include "platform/win32/prompts.h"
#include "platform/win32/window_handle.h"

namespace quindle::editors::win32 {
namespace {

constexpr std::size_t kNicknameMax = 50;
constexpr std::size_t kTypletMax = 10;
constexpr std::size_t kScopeTextMax = 30;

std::string ActivationLabel(const MacroEditorSetup& setup) {
  switch (setup.kind) {
    case ActivationKind::Timed:
      return "Timed Macros";
    case ActivationKind::Typlet:
      return "Typlet";
    default:
      return setup.hotkeyName;
  }
}

std::string FieldText(HWND dialog, int id) {
  return platform::win32::EditField(dialog, id).Text();
}

}  // namespace

EditorHeaderControls::EditorHeaderControls(HWND dialog, const HeaderIds& ids,
                                           const MacroEditorSetup& setup, EditorHeader& header)
    : dialog_(dialog), ids_(ids), setup_(setup), header_(header) {}

void EditorHeaderControls::Show() {
  icon_ = std::make_unique<IconButton>(dialog_, ids_.icon, setup_.programDir + "\\Icons");
  header_.iconName = icon_->Opened(header_.iconName);
  icon_->Show(header_.iconName);
  platform::win32::Control(dialog_, ids_.activation).SetText(ActivationLabel(setup_));
  ShowWindow(GetDlgItem(dialog_, ids_.typlet),
             setup_.kind == ActivationKind::Typlet ? SW_SHOW : SW_HIDE);
  ShowWindow(GetDlgItem(dialog_, ids_.schedule),
             setup_.kind == ActivationKind::Timed ? SW_SHOW : SW_HIDE);
  platform::win32::EditField typlet(dialog_, ids_.typlet);
  typlet.SetLimit(kTypletMax);
  typlet.SetText(header_.typletName);
  platform::win32::EditField nickname(dialog_, ids_.nickname);
  nickname.SetLimit(kNicknameMax);
  nickname.SetText(header_.nickname);
  if (setup_.forcedWindow) header_.scopeKind = storage::ScopeWindow;
  const std::int16_t scope = header_.scopeKind;
  platform::win32::CheckBox(dialog_, ids_.global).SetChecked(scope == storage::ScopeGlobal);
  platform::win32::CheckBox(dialog_, ids_.window).SetChecked(scope == storage::ScopeWindow);
  platform::win32::CheckBox(dialog_, ids_.program).SetChecked(scope == storage::ScopeProgram);
  platform::win32::Control(dialog_, ids_.global).Enable(!setup_.forcedWindow);
  platform::win32::Control(dialog_, ids_.select).Enable(scope != storage::ScopeGlobal);
}

bool EditorHeaderControls::OnCommand(int id, int notifyCode, storage::MacroRecord& macro) {
  if (id == ids_.global || id == ids_.window || id == ids_.program) {
    if (notifyCode == BN_CLICKED) {
      ScopeClick(id == ids_.global   ? storage::ScopeGlobal
                 : id == ids_.window ? storage::ScopeWindow
                                     : storage::ScopeProgram);
    }
    return true;
  }
  if (id == ids_.select) {
    SelectScope();
    return true;
  }
  if (id == ids_.icon) {
    if (const std::optional<std::string> name = icon_->Choose()) header_.iconName = *name;
    return true;
  }
  if (id == ids_.schedule) {
    if (setup_.setSchedule) setup_.setSchedule(macro, dialog_);
    return true;
  }
  return false;
}

// "&Global" needs no name; "&Window" and "&Program" are given theirs with "&Select".
void EditorHeaderControls::ScopeClick(std::int16_t scope) {
  header_.scopeKind = scope;
  platform::win32::Control(dialog_, ids_.select).Enable(scope != storage::ScopeGlobal);
}

void EditorHeaderControls::SelectScope() {
  const bool windows = header_.scopeKind == storage::ScopeWindow;
  std::vector<std::string> names;
  if (setup_.runningNames) names = setup_.runningNames(windows);
  const std::optional<ScopeChoice> chosen =
      RunScopeChooser(dialog_, windows, header_.scopeText, header_.topMostOnly, std::move(names));
  if (!chosen || chosen->name.empty()) return;
  header_.scopeText = chosen->name.substr(0, kScopeTextMax);
  header_.topMostOnly = chosen->onTop;
}

bool EditorHeaderControls::OnContextMenu(HWND control) {
  if (control == nullptr || control != GetDlgItem(dialog_, ids_.icon)) return false;
  if (icon_ && icon_->AskReset()) {
    header_.iconName = std::string(kMainIcon);
    icon_->Show(kMainIcon);
  }
  return true;
}

void EditorHeaderControls::Read() {
  header_.nickname = FieldText(dialog_, ids_.nickname);
  header_.typletName = FieldText(dialog_, ids_.typlet);
}

bool EditorHeaderControls::AcceptInto(storage::MacroRecord& macro, const AcceptEdit& accept) {
  Read();
  storage::MacroRecord edited = macro;
  bool truncated = false;
  const double now = setup_.now ? setup_.now() : 0.0;
  platform::win32::Win32Prompts prompts(platform::win32::FromHwnd(dialog_));
  if (const std::optional<EditorRefusal> refusal = accept(edited, now, truncated)) {
    prompts.ShowMessage(kEditorError, refusal->message);
    platform::win32::FocusFieldInError(dialog_,
                                       refusal->focusTypletName ? ids_.typlet : ids_.nickname);
    return false;
  }
  if (truncated) prompts.ShowMessage(kEditorError, kMacroTooLong);
  macro = edited;
  return true;
}

}  // namespace quindle::editors::win32
