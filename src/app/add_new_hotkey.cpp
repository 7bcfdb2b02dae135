#include "app/add_new_hotkey.h"

#include "activation/macro_names.h"
#include "activation/typlets.h"
#include "app/copy_or_move.h"
#include "platform/text.h"
#include "scheduler/schedule_text.h"

namespace quindle::app {
namespace {

constexpr std::string_view kErrorTitle = "Error";

bool IsCode(int code) noexcept {
  return code >= 0 && code < hooklib::kHotkeyCodeCount;
}

AddEditor EditorOf(AddButton button) noexcept {
  switch (button) {
    case AddButton::EnterDirectly:
      return AddEditor::DirectEditor;
    case AddButton::CaptureMacro:
      return AddEditor::Capture;
    case AddButton::ScriptingEditor:
      break;
  }
  return AddEditor::ScriptingEditor;
}

AddStep Refuse(AddStep step, std::string_view message, AddField focus) {
  step.kind = AddStep::Kind::Refuse;
  step.title = kErrorTitle;
  step.message = std::string(message);
  step.focus = focus;
  return step;
}

// The chosen line, then the question about a code the system may keep for itself.
AddStep CheckCode(AddStep step, int code) {
  step.choice.hotkeyNumber = static_cast<std::uint16_t>(code);
  if (capture::IsReservedHotkey(code)) {
    step.kind = AddStep::Kind::Ask;
    step.title = capture::kReservedHotkeyTitle;
    step.message = capture::ReservedHotkeyQuestion(code);
    return step;
  }
  step.kind = AddStep::Kind::Accept;
  return step;
}

}  // namespace

AddContext ReadAddContext(const storage::SharedMacroTable& table) {
  AddContext context;
  context.use = capture::KeyUse(table);
  for (std::size_t slot = 0; slot < table.SafeCount(); ++slot)
    if (table.ScopeKind[slot].Get() != storage::ScopeSystem) context.anyUserMacro = true;
  return context;
}

AddStep CheckAddMacro(const AddForm& form, AddButton button, const AddContext& context) {
  AddStep step;
  step.choice.editor = EditorOf(button);
  switch (form.kind) {
    case AddKind::Hotkey:
      if (!IsCode(form.selectedCode))
        return Refuse(step, activation::kNoMacroSelected, AddField::HotKeyEntry);
      step.choice.forceProgram = context.use.UsedGlobally(form.selectedCode);
      return CheckCode(step, form.selectedCode);
    case AddKind::Typlet: {
      // The name is held to the characters a Typlet can be typed with, as everywhere else.
      const std::string_view name = platform::Trim(form.typletName, " ");
      if (name.empty()) return Refuse(step, capture::kNoTypletNameMessage, AddField::TypletName);
      if (!TypletNameProblem(name).empty())
        return Refuse(step, kTypletInvalidCharacters, AddField::TypletName);
      step.choice.hotkeyNumber = storage::kActivationTyplet;
      step.choice.typletName = std::string(name.substr(0, activation::kTypletNameMax));
      step.kind = AddStep::Kind::Accept;
      return step;
    }
    case AddKind::Timed:
      step.choice.hotkeyNumber = storage::kActivationTimed;
      step.kind = AddStep::Kind::Accept;
      return step;
    case AddKind::PopupMenu:
      break;
  }
  step.choice.editor = AddEditor::PopupBuilder;
  if (!context.anyUserMacro) return Refuse(step, kNoMacrosForPopup, AddField::HotKeyEntry);
  if (!IsCode(form.selectedCode))
    return Refuse(step, activation::kNoMacroSelected, AddField::HotKeyEntry);
  if (context.use.UsedGlobally(form.selectedCode))
    return Refuse(step, kPopupHotKeyTaken, AddField::HotKeyEntry);
  return CheckCode(step, form.selectedCode);
}

storage::MacroRecord NewMacroOf(const AddChoice& choice, double now) {
  storage::MacroRecord record =
      storage::NewMacro("", storage::ScopeGlobal, "", choice.hotkeyNumber, "");
  record.TypletName.Assign(choice.typletName);
  record.TopMostOnly = true;
  scheduler::DefaultTimer(record, now);
  record.LastModified = now;
  return record;
}

}  // namespace quindle::app
