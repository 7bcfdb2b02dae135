// What the "System Hot Keys" dialog shows and accepts, apart from any window system: the four
// hotkeys of the program's own commands, the check of a pressed combination against the macros
// that already use it, the check at "&Ok", and the writing of the entries that changed.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/macro_record.h"
#include "storage/macro_store.h"

namespace quindle::activation {

inline constexpr std::string_view kSystemKeysCaption = "System Hot Keys";
inline constexpr std::string_view kSystemKeysErrorTitle = "Error";
inline constexpr std::string_view kSameSystemHotKeyMessage =
    "The same hot key has been assigned to more than one system command.";

// The four entry fields, in the order of the system actions "1" .. "4".
enum class SystemKeyField { ActProg, StartCap, Resume, MenuTop };
inline constexpr std::size_t kSystemKeyCount = 4;

// The field of the system entry whose ScopeText is `scopeText`; nothing for any other text.
std::optional<SystemKeyField> FieldOfSystemAction(std::string_view scopeText);

// The field of the system entry in table slot `slot` (0-based); nothing when that slot is not a
// system entry of one of the four actions.
std::optional<SystemKeyField> SystemFieldOfSlot(const storage::SharedMacroTable& table,
                                                std::size_t slot);

// "The hot key "<name>" is already in use by a macro.  If you wish ...".
std::string HotKeyInUseMessage(int code);

// The popup display choices of "System Menu": 1 "First Part of Macro", 2 "Icons", 3 "Nickname
// and Scope". Any other number reads as 1.
inline constexpr int kSystemMenuFirst = 1;
inline constexpr int kSystemMenuLast = 3;

class SystemKeysModel {
 public:
  // Takes the four system entries and the codes of the global, popup-menu and system entries
  // from the table, and the popup display choice.
  void Load(const storage::SharedMacroTable& table, int systemMenu);

  // The code the field shows (-1 when the file holds no entry for it) and its name.
  int Code(SystemKeyField field) const noexcept;
  std::string_view Name(SystemKeyField field) const noexcept;
  // False when the macro file holds no entry for the field: it cannot take a hotkey.
  bool HasEntry(SystemKeyField field) const noexcept;

  // A combination was pressed while `field` had the focus: the message to show (the field keeps
  // its code), or nothing when the field took the code.
  std::optional<std::string> Define(SystemKeyField field, int code);

  int SystemMenu() const noexcept { return systemMenu_; }
  void SetSystemMenu(int choice) noexcept;

  // "&Ok": the message when two commands got the same code; nothing when the dialog may close.
  std::optional<std::string_view> CheckOk() const;
  // True when some entry's code differs from the one loaded.
  bool CodesChanged() const noexcept;
  // Writes the records of the changed entries (read from the file, so everything else stays as
  // it is there). False when a read or write failed; the storage has told the user.
  bool Apply(storage::MacroStore& store) const;

 private:
  struct Entry {
    int number = 0;  // MacroNumber; 0 when the file holds no such entry
    int loaded = -1;
    int code = -1;
  };
  struct Used {
    int number = 0;
    int code = 0;
  };
  static std::size_t Index(SystemKeyField field) noexcept {
    return static_cast<std::size_t>(field);
  }

  std::array<Entry, kSystemKeyCount> entries_{};
  std::vector<Used> used_;
  int systemMenu_ = kSystemMenuFirst;
};

}  // namespace quindle::activation
