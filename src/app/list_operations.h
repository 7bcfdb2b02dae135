// The operations of the main window on the macros of the loaded file: add, copy, change the
// activation, remove, enable or disable, open in an editor, Quick Info. Each works on the
// store's CurrentMacro, keeps the shared table current, and brackets its change with the
// network lock. A refusal leaves the file, the table and the stored record as they were and
// releases the lock with "nothing changed".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/add_new_hotkey.h"
#include "app/copy_or_move.h"
#include "app/list_window_state.h"
#include "platform/system.h"
#include "storage/macro_store.h"
#include "storage/table_lock.h"

namespace quindle::app {

inline constexpr std::string_view kListErrorTitle = "Error";
inline constexpr std::string_view kDeleteTitle = "Delete";
inline constexpr std::string_view kMaxMacrosReached =
    "Maximum number of hot keys has been reached.  Add not allowed.";

// The macro list of the main window.
class IMacroListView {
 public:
  virtual ~IMacroListView() = default;
  virtual int RowCount() = 0;       // macros the list shows
  virtual int SelectedMacro() = 0;  // MacroNumber of the selected row; 0 when none is selected
  virtual int SelectedRow() = 0;    // display row 1..RowCount(); 0 when none is selected
  // Refills and re-sorts the list from the table.
  virtual void Refill() = 0;
  // Selects the row of macro `n` and refreshes the buttons for it.
  virtual void SelectMacro(int n) = 0;
  // Selects display row `row` (1..RowCount()) and refreshes the buttons for its macro.
  virtual void SelectRow(int row) = 0;
  // SetButtons: off when the list holds no macro.
  virtual void SetButtons(bool on) = 0;
  // The caption of the activate button and menu entry.
  virtual void SetActivateCaption(std::string_view caption) = 0;
  virtual void Repaint() = 0;
};

// What an editor is told about the macro it opens.
struct EditorRequest {
  int n = 0;                      // MacroNumber; 0 for a new macro
  std::string activation;         // the hotkey name, the Typlet, or "Timed Macro"
  bool sharedWithGlobal = false;  // another global, popup or system macro has its hotkey
};

struct PopupBuilderResult {
  bool saved = false;
  bool trayIconsChanged = false;
};

// The dialogs the operations open. Each works on `macro` and changes it only when it ends with
// OK (its return value).
class IListDialogs {
 public:
  virtual ~IListDialogs() = default;
  // TCopyOrMove over macro `n`: the new activation goes into `macro`.
  virtual bool CopyOrMove(CopyOrMoveMode mode, int n, storage::MacroRecord& macro) = 0;
  // TAddNewHotKey: the chosen activation and the editor that goes on, or nothing (Abort).
  virtual std::optional<AddChoice> AddNewHotKey() = 0;
  virtual bool ScriptingEditor(const EditorRequest& request, storage::MacroRecord& macro) = 0;
  virtual bool DirectEditor(const EditorRequest& request, storage::MacroRecord& macro) = 0;
  virtual PopupBuilderResult PopupBuilder(const EditorRequest& request,
                                          storage::MacroRecord& macro) = 0;
  // The capture dialog for a new macro. From here on the capture owns the network lock: it
  // releases it itself, whether or not a capture starts.
  virtual void CaptureNew(const storage::MacroRecord& macro, bool forceProgram) = 0;
  // "System Hot Keys" opened at the field of system macro `macro`: true when it wrote a change.
  virtual bool SystemKeys(const storage::MacroRecord& macro) = 0;
  virtual bool QuickInfo(const storage::MacroRecord& macro) = 0;
};

// The lock of a macro file shared on a network.
class INetworkLock {
 public:
  virtual ~INetworkLock() = default;
  // True when the operation must not go ahead (the user has been told why).
  virtual bool FileInUse() = 0;
  virtual void ReleaseSyncFile(bool changed) = 0;
};

// What depends on the macros and is rebuilt after they change.
class IListRebuilds {
 public:
  virtual ~IListRebuilds() = default;
  virtual void CheckAndSetTime() = 0;  // the timed-macro table
  virtual void SetHotKeys() = 0;       // the hook library's hotkey-in-use flags
  virtual void ReloadKeyRemap() = 0;
  virtual void RebuildPopupTrayIcons() = 0;
};

struct ListOperationServices {
  storage::MacroStore& store;
  storage::TableLock& lock;
  platform::IPrompts& prompts;
  platform::IClock& clock;
  IMacroListView& list;
  IListDialogs& dialogs;
  INetworkLock& network;
  IListRebuilds& rebuilds;
};

// "Are you sure you want to remove ..." for the macro about to be removed.
std::string RemoveQuestion(const storage::MacroRecord& macro);
// The second question when a popup menu lists the macro.
std::string RemoveFromMenuQuestion(const storage::MacroRecord& macro);
// The row selected after a removal: the same row, or the last when the list got shorter; 0 when
// no macro is left.
int RowAfterRemoval(int row, int rowsLeft) noexcept;

class ListOperations {
 public:
  explicit ListOperations(const ListOperationServices& services) : s_(services) {}
  ListOperations(const ListOperations&) = delete;
  ListOperations& operator=(const ListOperations&) = delete;

  void DoAdd();
  void DoCopy();
  void DoMove();
  void DoClear();
  void DoActivate();
  void DoModify();
  void DoTheScript();
  void DoInfo();

 private:
  enum class Editor { Scripting, Direct };
  // The selected macro's number, or 0 after telling the user there is none to work on.
  int Selected();
  // Selected, the network lock, and the selected macro read into the CurrentMacro.
  int Preamble();
  // The common ending after macro `n` was written.
  void Finish(int n, bool timed);
  void Refuse() { s_.network.ReleaseSyncFile(false); }
  EditorRequest RequestFor(int n, const storage::MacroRecord& macro);
  void Edit(int n, Editor editor);
  void ModifyPopupMenu(int n);
  void ChangeSystemKeys(int n);
  void AddWith(const AddChoice& choice);
  // Appends the CurrentMacro; its number, or 0 when it was not appended (the user was told).
  int Append();
  std::optional<std::int16_t> ScopeOfSlot(int n);

  ListOperationServices s_;
};

}  // namespace quindle::app
