#include "app/list_operations.h"

#include <vector>

#include "activation/macro_names.h"
#include "app/popup_members.h"
#include "hooklib/hotkey_names.h"

namespace quindle::app {
namespace {

bool IsTimed(const storage::MacroRecord& macro) noexcept {
  return macro.HotkeyNumber.Get() == storage::kActivationTimed;
}

bool IsPopup(const storage::MacroRecord& macro) noexcept {
  return macro.ScopeKind.Get() == storage::ScopePopupMenu;
}

bool IsSystem(const storage::MacroRecord& macro) noexcept {
  return macro.ScopeKind.Get() == storage::ScopeSystem;
}

std::string Quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

// A popup menu of the file with its number and record.
struct Menu {
  int n = 0;
  storage::MacroRecord record{};
};

}  // namespace

std::string RemoveQuestion(const storage::MacroRecord& macro) {
  const std::string_view ask = "Are you sure you want to remove ";
  const int code = macro.HotkeyNumber.Get();
  if (code == storage::kActivationTimed) return std::string(ask) + "\"Timed Macro\"?";
  if (code == storage::kActivationTyplet)
    return std::string(ask) + "the Typlet " + Quoted(macro.TypletName.View()) + "?";
  return std::string(ask) + Quoted(hooklib::HotkeyName(code)) + "?";
}

std::string RemoveFromMenuQuestion(const storage::MacroRecord& macro) {
  return "This macro is contained in a \"Popup Menu\".  It will be removed from the \"Popup "
         "Menu\".  Are you sure you want to remove " +
         Quoted(activation::ActivationName(macro)) + "?";
}

int RowAfterRemoval(int row, int rowsLeft) noexcept {
  if (rowsLeft <= 0) return 0;
  if (row < 1) return 1;
  return row > rowsLeft ? rowsLeft : row;
}

int ListOperations::Selected() {
  if (s_.list.RowCount() <= 0) {
    s_.prompts.ShowMessage(kListErrorTitle, activation::kNoMacrosYet);
    return 0;
  }
  const int n = s_.list.SelectedMacro();
  if (n < 1 || n > s_.list.RowCount()) {
    s_.prompts.ShowMessage(kListErrorTitle, activation::kNoMacroSelected);
    return 0;
  }
  return n;
}

int ListOperations::Preamble() {
  const int n = Selected();
  if (n == 0 || s_.network.FileInUse()) return 0;
  if (!s_.store.ReadMacro(n, s_.store.CurrentMacro())) {
    Refuse();
    return 0;
  }
  return n;
}

void ListOperations::Finish(int n, bool timed) {
  s_.list.Refill();
  s_.list.SelectMacro(n);
  if (timed) s_.rebuilds.CheckAndSetTime();
  s_.rebuilds.SetHotKeys();
  s_.network.ReleaseSyncFile(true);
}

std::optional<std::int16_t> ListOperations::ScopeOfSlot(int n) {
  const storage::TableGuard guard(s_.lock);
  if (!guard || n < 1 || static_cast<std::size_t>(n) > guard.Table().SafeCount()) return {};
  return guard.Table().ScopeKind[static_cast<std::size_t>(n - 1)].Get();
}

EditorRequest ListOperations::RequestFor(int n, const storage::MacroRecord& macro) {
  EditorRequest request;
  request.n = n;
  request.activation = activation::ActivationName(macro);
  const storage::TableGuard guard(s_.lock);
  if (guard) request.sharedWithGlobal = GlobalCodes(guard.Table(), n).Used(macro.HotkeyNumber);
  return request;
}

int ListOperations::Append() {
  const storage::AppendOutcome added = s_.store.AppendMacro(s_.store.CurrentMacro());
  switch (added.failure) {
    case storage::AppendFailure::None:
      return added.n;
    case storage::AppendFailure::Full:
      s_.prompts.ShowMessage(kListErrorTitle, kMaxMacrosReached);
      break;
    case storage::AppendFailure::NotLocked:
      s_.prompts.ShowMessage(kListErrorTitle, storage::kSavingFailed);
      break;
    case storage::AppendFailure::NotWritten:
      break;  // reported by the store
  }
  return 0;
}

void ListOperations::DoAdd() {
  if (s_.list.RowCount() >= static_cast<int>(storage::kMaxMacros)) {
    s_.prompts.ShowMessage(kListErrorTitle, kMaxMacrosReached);
    return;
  }
  if (s_.network.FileInUse()) return;
  const std::optional<AddChoice> choice = s_.dialogs.AddNewHotKey();
  if (!choice) return Refuse();
  AddWith(*choice);
}

void ListOperations::AddWith(const AddChoice& choice) {
  storage::MacroRecord& current = s_.store.CurrentMacro();
  current = NewMacroOf(choice, s_.clock.Now());
  EditorRequest request;
  request.activation = activation::ActivationName(current);
  request.sharedWithGlobal = choice.forceProgram;
  bool made = false;
  bool popupTray = false;
  switch (choice.editor) {
    case AddEditor::Capture:
      // The capture appends the macro when it starts and releases the lock itself.
      s_.dialogs.CaptureNew(current, choice.forceProgram);
      return;
    case AddEditor::ScriptingEditor:
      made = s_.dialogs.ScriptingEditor(request, current);
      break;
    case AddEditor::DirectEditor:
      made = s_.dialogs.DirectEditor(request, current);
      break;
    case AddEditor::PopupBuilder: {
      const PopupBuilderResult built = s_.dialogs.PopupBuilder(request, current);
      made = built.saved;
      popupTray = built.saved;
      break;
    }
  }
  if (!made) return Refuse();
  const int n = Append();
  if (n == 0) return Refuse();
  Finish(n, IsTimed(current));
  if (popupTray || IsPopup(current)) s_.rebuilds.RebuildPopupTrayIcons();
}

void ListOperations::DoCopy() {
  const int selected = Selected();
  if (selected == 0) return;
  if (s_.list.RowCount() >= static_cast<int>(storage::kMaxMacros)) {
    s_.prompts.ShowMessage(kListErrorTitle, kMaxMacrosReached);
    return;
  }
  const int n = Preamble();
  if (n == 0) return;
  storage::MacroRecord& current = s_.store.CurrentMacro();
  // The four system macros exist once each; their keys are changed in "System Hot Keys".
  if (IsSystem(current) || !s_.dialogs.CopyOrMove(CopyOrMoveMode::Copy, n, current))
    return Refuse();
  const int copy = Append();
  if (copy == 0) return Refuse();
  Finish(copy, IsTimed(current));
  if (IsPopup(current)) s_.rebuilds.RebuildPopupTrayIcons();
}

void ListOperations::DoMove() {
  const int n = Preamble();
  if (n == 0) return;
  storage::MacroRecord& current = s_.store.CurrentMacro();
  if (IsSystem(current)) return ChangeSystemKeys(n);
  const bool wasTimed = IsTimed(current);
  if (!s_.dialogs.CopyOrMove(CopyOrMoveMode::Move, n, current)) return Refuse();
  if (!s_.store.WriteMacro(n, current)) return Refuse();
  Finish(n, wasTimed || IsTimed(current));
}

void ListOperations::ChangeSystemKeys(int n) {
  if (!s_.dialogs.SystemKeys(s_.store.CurrentMacro())) return Refuse();
  s_.list.Refill();
  s_.list.SelectMacro(n);
  s_.rebuilds.SetHotKeys();
  s_.network.ReleaseSyncFile(true);
}

void ListOperations::DoClear() {
  const int n = Preamble();
  if (n == 0) return;
  const storage::MacroRecord removed = s_.store.CurrentMacro();
  if (!s_.prompts.AskYesNo(kDeleteTitle, RemoveQuestion(removed))) return Refuse();

  // The popup menus, read before anything changes.
  std::vector<int> menuNumbers;
  {
    const storage::TableGuard guard(s_.lock);
    if (!guard) return Refuse();
    for (std::size_t slot = 0; slot < guard.Table().SafeCount(); ++slot) {
      const int m = static_cast<int>(slot) + 1;
      if (m != n && guard.Table().ScopeKind[slot].Get() == storage::ScopePopupMenu)
        menuNumbers.push_back(m);
    }
  }
  std::vector<Menu> menus;
  bool listed = false;
  for (const int m : menuNumbers) {
    Menu menu{m, {}};
    if (!s_.store.ReadMacro(m, menu.record)) return Refuse();
    listed = listed || ListsMember(menu.record, n);
    menus.push_back(menu);
  }
  if (listed && !s_.prompts.AskYesNo(kDeleteTitle, RemoveFromMenuQuestion(removed)))
    return Refuse();

  // The removal first: when it fails, no menu has been renumbered for it.
  if (!s_.store.DeleteMacro(n)) return Refuse();
  bool menuMoved = false;
  for (Menu& menu : menus) {
    const int at = menu.n > n ? menu.n - 1 : menu.n;
    menuMoved = menuMoved || at != menu.n;
    if (RenumberAfterRemoval(menu.record, n)) s_.store.WriteMacro(at, menu.record);
  }

  const int row = s_.list.SelectedRow();
  s_.store.ReloadMacroFile();
  s_.rebuilds.ReloadKeyRemap();
  s_.list.Refill();
  s_.rebuilds.SetHotKeys();
  if (IsTimed(removed)) s_.rebuilds.CheckAndSetTime();
  // A menu's tray icon stands for its number, which moved up when a macro before it went.
  if (IsPopup(removed) || menuMoved) s_.rebuilds.RebuildPopupTrayIcons();
  const int next = RowAfterRemoval(row, s_.list.RowCount());
  if (next == 0) {
    s_.list.SetButtons(false);
  } else {
    s_.list.SelectRow(next);
  }
  s_.network.ReleaseSyncFile(true);
}

void ListOperations::DoActivate() {
  const int n = Selected();
  if (n == 0 || s_.network.FileInUse()) return;
  bool enabled = false;
  bool timed = false;
  {
    const storage::TableGuard guard(s_.lock);
    if (!guard || static_cast<std::size_t>(n) > guard.Table().SafeCount()) return Refuse();
    const auto slot = static_cast<std::size_t>(n - 1);
    enabled = !guard.Table().Enabled[slot];
    timed = guard.Table().HotkeyNumber[slot].Get() == storage::kActivationTimed;
  }
  // The file first: when it cannot be written, the table keeps agreeing with it.
  if (!s_.store.SetMacroEnabled(n, enabled)) return Refuse();
  {
    const storage::TableGuard guard(s_.lock);
    if (guard) guard.Table().Enabled[static_cast<std::size_t>(n - 1)] = enabled;
  }
  s_.list.SetActivateCaption(enabled ? kDeactivateCaption : kActivateCaption);
  if (timed) s_.rebuilds.CheckAndSetTime();
  s_.rebuilds.SetHotKeys();
  s_.list.Repaint();
  s_.network.ReleaseSyncFile(true);
}

void ListOperations::DoModify() {
  const int n = Preamble();
  if (n == 0) return;
  const storage::MacroRecord& current = s_.store.CurrentMacro();
  if (IsSystem(current)) return ChangeSystemKeys(n);
  if (IsPopup(current)) return ModifyPopupMenu(n);
  Edit(n, Editor::Direct);
}

void ListOperations::DoTheScript() {
  const int n = Selected();
  if (n == 0) return;
  const std::optional<std::int16_t> scope = ScopeOfSlot(n);
  if (scope == storage::ScopePopupMenu) return DoModify();
  if (scope == storage::ScopeSystem) return DoMove();
  if (s_.network.FileInUse()) return;
  if (!s_.store.ReadMacro(n, s_.store.CurrentMacro())) return Refuse();
  Edit(n, Editor::Scripting);
}

void ListOperations::Edit(int n, Editor editor) {
  storage::MacroRecord& current = s_.store.CurrentMacro();
  const bool wasTimed = IsTimed(current);
  const EditorRequest request = RequestFor(n, current);
  const bool accepted = editor == Editor::Scripting ? s_.dialogs.ScriptingEditor(request, current)
                                                    : s_.dialogs.DirectEditor(request, current);
  if (!accepted || !s_.store.WriteMacro(n, current)) return Refuse();
  Finish(n, wasTimed || IsTimed(current));
}

void ListOperations::ModifyPopupMenu(int n) {
  storage::MacroRecord& current = s_.store.CurrentMacro();
  const PopupBuilderResult built = s_.dialogs.PopupBuilder(RequestFor(n, current), current);
  if (!built.saved || !s_.store.WriteMacro(n, current)) return Refuse();
  Finish(n, false);
  if (built.trayIconsChanged) s_.rebuilds.RebuildPopupTrayIcons();
}

void ListOperations::DoInfo() {
  // Quick Info changes nothing, so it takes no network lock.
  const int n = Selected();
  if (n == 0) return;
  storage::MacroRecord macro{};
  if (s_.store.ReadMacro(n, macro)) s_.dialogs.QuickInfo(macro);
}

}  // namespace quindle::app
