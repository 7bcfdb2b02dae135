// "Build Macro Menu" apart from any window: the menu's members and the macros still available,
// what Add, the two Inserts, Remove, Up and Down do to them and their selections, which buttons
// are enabled, and what "&Ok" writes into the menu's record.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/macro_list.h"
#include "app/popup_menu_layout.h"
#include "storage/macro_record.h"

namespace quindle::app {

inline constexpr std::string_view kBuilderCaption = "Build Macro Menu";
inline constexpr std::string_view kBuilderMembersTitle = "Macros in Menu";
inline constexpr std::string_view kBuilderAvailableTitle = "Available Macros";
inline constexpr std::string_view kBuilderNoSelection = "No macro selected.  Please select one.";
inline constexpr std::string_view kMenuIcon = "MENU";

// One row of either list: "Activation", "NickName", "Scope".
struct BuilderRow {
  int n = 0;
  std::string activation;
  std::string nickname;
  std::string scope;
};

// The two lists' selections (-1: none) after an operation.
struct BuilderSelection {
  int member = -1;
  int available = -1;
};

struct BuilderButtons {
  bool add = false;
  bool insertBefore = false;
  bool insertAfter = false;
  bool remove = false;
  bool up = false;
  bool down = false;
};

class PopupBuilderModel {
 public:
  // `macros` is the file's macros by number (element n - 1 is macro n), `menu` the record being
  // built (empty fields for a new menu) and `self` its number (0 for a new menu): a menu never
  // lists itself, which would open its chooser again and again.
  PopupBuilderModel(const MacroSnapshot& macros, const storage::MacroRecord& menu, int self,
                    bool isNew);

  const std::vector<int>& Members() const noexcept { return members_; }
  const std::vector<int>& Available() const noexcept { return available_; }
  const BuilderRow& RowOf(int n) const;

  // Each takes the selections before and gives them after; nothing with the message to show
  // when there was no available (Add, Insert) or member (Remove) selection.
  std::optional<BuilderSelection> Add(BuilderSelection at);
  std::optional<BuilderSelection> InsertBefore(BuilderSelection at);
  std::optional<BuilderSelection> InsertAfter(BuilderSelection at);
  std::optional<BuilderSelection> Remove(BuilderSelection at);
  BuilderSelection Up(BuilderSelection at);
  BuilderSelection Down(BuilderSelection at);
  BuilderButtons Buttons(BuilderSelection at) const;

  // The fields the dialog shows and edits.
  std::string nickname;
  MenuOptions options;
  std::string iconName;  // "MENU", "MAIN" or an icon file's short name

  // "&Ok": the menu fields into `menu`; true when the tray icons of the menus must be rebuilt
  // (a new menu placed in the tray, or a changed nickname, tray option or icon).
  bool WriteInto(storage::MacroRecord& menu) const;

 private:
  std::optional<BuilderSelection> Place(BuilderSelection at, int position);

  std::vector<BuilderRow> rows_;  // by number, n - 1
  std::vector<int> members_;
  std::vector<int> available_;
  bool isNew_;
  std::string oldNickname_;
  bool oldTray_;
  std::string oldIcon_;
};

// The right-button "Quick Info" of either list: each fact followed by an empty line.
std::string BuilderQuickInfo(const storage::MacroRecord& macro);

}  // namespace quindle::app
