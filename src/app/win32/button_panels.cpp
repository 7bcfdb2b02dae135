#include "app/win32/button_panels.h"

#include <commctrl.h>

#include <array>

#include "app/win32/main_window_res.h"

namespace quindle::app::win32 {
namespace {

using platform::win32::ToolButton;
using platform::win32::ToolPictures;

struct LargeButton {
  int command;
  std::string_view caption;
};

// Top to bottom. The mnemonics are none of the menu bar's (F, M, R, O, T, H).
constexpr std::array<LargeButton, 8> kLargeButtons{{
    {IDM_MACROS_ADD, "&Add Macro"},
    {IDM_MACROS_SCRIPTING, "&Scripting Editor"},
    {IDM_MACROS_MODIFY, "Modify &Directly"},
    {IDM_MACROS_RECAPTURE, "Re&capture Macro"},
    {IDM_MACROS_RENAME, "Re&name Macro"},
    {IDM_MACROS_COPY, "Cop&y Macro"},
    {IDM_MACROS_ACTIVATE, "Deacti&vate Macro"},
    {IDM_MACROS_REMOVE, "R&emove Macro"},
}};

struct SpeedButton {
  ToolButton button;
  std::string_view hint;
};

constexpr std::array<SpeedButton, 16> kSpeedButtons{{
    {{IDM_FILE_NEW, ToolPictures::Standard, STD_FILENEW}, "New Macro File"},
    {{IDM_FILE_OPEN, ToolPictures::Standard, STD_FILEOPEN}, "Open Macro File"},
    {{IDM_MACROS_ADD, ToolPictures::View, VIEW_NEWFOLDER}, "Add Macro"},
    {{IDM_MACROS_SCRIPTING, ToolPictures::Standard, STD_PROPERTIES},
     "Modify Macro Using Scripting Editor"},
    {{IDM_MACROS_MODIFY, ToolPictures::Standard, STD_REPLACE}, "Modify Macro Directly"},
    {{IDM_MACROS_RECAPTURE, ToolPictures::Standard, STD_REDOW}, "Recapture Macro"},
    {{IDM_MACROS_RENAME, ToolPictures::Standard, STD_UNDO}, "Rename Macro"},
    {{IDM_MACROS_COPY, ToolPictures::Standard, STD_COPY}, "Copy Macro"},
    {{IDM_MACROS_ACTIVATE, ToolPictures::View, VIEW_NETCONNECT}, "Activate Macro"},
    {{IDM_MACROS_REMOVE, ToolPictures::Standard, STD_DELETE}, "Delete Macro"},
    {{IDM_MACROS_IMPORT, ToolPictures::View, VIEW_PARENTFOLDER}, "Import Macros"},
    {{IDM_MACROS_EXPORT, ToolPictures::Standard, STD_FILESAVE}, "Export Macros"},
    {{IDM_FILE_PRINT, ToolPictures::Standard, STD_PRINT}, "Print Macro List"},
    {{IDM_OPTIONS_APPEARANCE, ToolPictures::View, VIEW_DETAILS}, "Appearance"},
    {{IDM_MACROS_SORT, ToolPictures::View, VIEW_SORTNAME}, "Sort Order"},
    {{IDM_HELP_CONTENTS, ToolPictures::Standard, STD_HELP}, "Help"},
}};

}  // namespace

bool ButtonPanels::Create(HWND parent, bool useSpeed) {
  bool made = true;
  for (const LargeButton& b : kLargeButtons) {
    platform::win32::PushButton button =
        platform::win32::PushButton::Create(parent, b.command, b.caption);
    made = made && static_cast<bool>(button);
    large_.push_back({b.command, button});
  }
  std::array<ToolButton, kSpeedButtons.size()> buttons{};
  for (std::size_t i = 0; i < kSpeedButtons.size(); ++i) {
    buttons[i] = kSpeedButtons[i].button;
    tips_.push_back({kSpeedButtons[i].button.command, std::string(kSpeedButtons[i].hint)});
  }
  bar_ = platform::win32::ToolBar::Create(parent, IDC_SPEED_PANEL, buttons);
  ShowStyle(useSpeed);
  return made && static_cast<bool>(bar_);
}

void ButtonPanels::ShowStyle(bool useSpeed) {
  useSpeed_ = useSpeed;
  for (Large& l : large_) l.button.Show(!useSpeed);
  bar_.Show(useSpeed);
}

void ButtonPanels::Place(const MainLayout& layout) {
  for (std::size_t i = 0; i < large_.size(); ++i) {
    const Placement p = PanelButton(layout, static_cast<int>(i));
    large_[i].button.Move(p.left, p.top, p.width, p.height);
  }
  bar_.Resize();
}

void ButtonPanels::Enable(int command, bool enabled) {
  for (Large& l : large_) {
    if (l.command == command) l.button.Enable(enabled);
  }
  bar_.EnableButton(command, enabled);
}

void ButtonPanels::SetCaption(int command, std::string_view caption) {
  for (Large& l : large_) {
    if (l.command == command) l.button.SetText(caption);
  }
}

void ButtonPanels::SetHint(int command, std::string_view hint) {
  for (Tip& t : tips_) {
    if (t.command == command) t.hint = std::string(hint);
  }
}

const char* ButtonPanels::Hint(int command) const {
  for (const Tip& t : tips_) {
    if (t.command == command) return t.hint.c_str();
  }
  return nullptr;
}

}  // namespace quindle::app::win32
