// What the main window shows around its macro list, apart from any window: which macro
// operations its menus and buttons offer for the selected macro, the captions and hints that
// change with it, the window caption, the last-files entries of "&File", and the row heights.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "app/macro_list.h"
#include "app/settings.h"

namespace quindle::app {

// The operations on the selected macro, for the main window to map to its menu entries, large
// buttons and tool buttons.
enum class ListOperation {
  ScriptingEditor,
  ModifyDirectly,
  Recapture,
  Rename,
  Copy,
  Activate,
  Remove,
  QuickInfo,
};
inline constexpr std::size_t kListOperationCount = 8;

enum class BrowseMode { None, Browse, BrowseAll };

inline constexpr std::string_view kModifyDirectlyCaption = "Modify &Directly";
inline constexpr std::string_view kModifyDirectlyHint = "Modify Macro Directly";
inline constexpr std::string_view kModifyPopupCaption = "Mo&dify Popup Menu";
inline constexpr std::string_view kModifyPopupHint = "Modify Macro Popup Menu";
inline constexpr std::string_view kActivateCaption = "Acti&vate Macro";
inline constexpr std::string_view kActivateHint = "Activate Macro";
inline constexpr std::string_view kDeactivateCaption = "Deacti&vate Macro";
inline constexpr std::string_view kDeactivateHint = "Deactivate Macro";

struct ListButtonState {
  std::array<bool, kListOperationCount> enabled{};
  // The "Modify &Directly" entries and the activate entries, with their tool-button hints.
  std::string_view modifyCaption = kModifyDirectlyCaption;
  std::string_view modifyHint = kModifyDirectlyHint;
  std::string_view activateCaption = kActivateCaption;
  std::string_view activateHint = kActivateHint;

  bool Enabled(ListOperation op) const noexcept { return enabled[static_cast<std::size_t>(op)]; }
};

// SetButtons and CheckTimeItem for the selected macro (nullptr when none is selected).
ListButtonState ButtonStateFor(const MacroListEntry* selected, BrowseMode mode);

inline constexpr std::string_view kProgramTitle = "Quindle 98";

// "Quindle 98 (" + the file's name without folder and last four characters + ")", with
// `dateTime` ("date  time") after five blanks when Show Date is on, and the browse mode.
std::string MainCaption(std::string_view filePath, bool showDate, std::string_view dateTime,
                        BrowseMode mode);

// DoLastFiles: `opened` leaves the list, the entries move down one place and `previous` (the file
// that was current) becomes the first. Paths compare without regard to case, as the file system
// does; `previous` appears once only, and an empty one is not entered.
void DoLastFiles(std::array<std::string, kLastFileCount>& lastFiles, std::string_view previous,
                 std::string_view opened);

struct LastFilesMenu {
  struct Entry {
    bool visible = false;
    std::string text;  // "&1   " + the path
  };
  std::array<Entry, kLastFileCount> entries;
  bool separatorVisible = false;
};
LastFilesMenu LastFilesMenuOf(const std::array<std::string, kLastFileCount>& lastFiles);

// The text whose height sets the rows, and the one whose width sets the row-number column.
inline constexpr std::string_view kRowHeightText = "ZZYyjkla";
inline constexpr std::string_view kRowNumberWidthText = "9999";
// A row is 1.1 times the height of kRowHeightText in the row font, rounded.
int ListRowHeight(int textHeight) noexcept;

}  // namespace quindle::app
