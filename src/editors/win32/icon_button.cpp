#include "editors/win32/icon_button.h"

#include "editors/macro_header.h"
#include "editors/win32/path_checks.h"
#include "platform/win32/common_dialogs.h"
#include "platform/win32/prompts.h"
#include "platform/win32/window_handle.h"

namespace quindle::editors::win32 {
namespace {

constexpr int kIconSize = 16;
constexpr int kProgramIconId = 1;  // the program's icon resource, also its windows' class icon

}  // namespace

bool Win32IconFiles::Exists(std::string_view path) {
  return Win32PathChecks().FileExists(path);
}

bool Win32IconFiles::CopyNew(std::string_view from, std::string_view to) {
  // The folder may not exist yet; a failure to make it shows in the copy.
  const std::string target(to);
  const auto slash = target.rfind('\\');
  if (slash != std::string::npos) CreateDirectoryA(target.substr(0, slash).c_str(), nullptr);
  return CopyFileA(std::string(from).c_str(), target.c_str(), TRUE) != FALSE;
}

std::optional<std::string> Win32IconFiles::ShortName(std::string_view path) {
  const std::optional<std::string> shortPath = Win32PathChecks().ShortPath(path);
  if (!shortPath) return std::nullopt;
  const auto slash = shortPath->rfind('\\');
  return slash == std::string::npos ? *shortPath : shortPath->substr(slash + 1);
}

std::string IconButton::Opened(std::string_view name) {
  return IconOnOpen(name, iconsFolder_, files_, menuIconId_ != 0 ? kMenuIconName : kMainIcon);
}

void IconButton::Show(std::string_view name) {
  const std::string file = IconFile(name, iconsFolder_);
  HICON icon = nullptr;
  if (file.empty()) {
    const int resource = name == kMenuIconName && menuIconId_ != 0 ? menuIconId_ : kProgramIconId;
    icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resource),
                                         IMAGE_ICON, kIconSize, kIconSize, 0));
  } else {
    icon = static_cast<HICON>(
        LoadImageA(nullptr, file.c_str(), IMAGE_ICON, kIconSize, kIconSize, LR_LOADFROMFILE));
  }
  // The button keeps showing the icon it is given; the old one goes once it is replaced.
  SendDlgItemMessageA(dialog_, id_, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
  icon_.Reset(icon);
}

std::optional<std::string> IconButton::Choose() {
  platform::win32::FileDialogOptions options;
  options.title = kIconTitle;
  options.filter = kIconFilter;
  options.initialDir = iconsFolder_;
  unsigned long error = 0;
  const std::optional<std::string> chosen = platform::win32::AskOpenFile(dialog_, options, error);
  if (!chosen) return std::nullopt;
  const IconChoice choice = ChooseIcon(*chosen, iconsFolder_, files_);
  platform::win32::Win32Prompts prompts(platform::win32::FromHwnd(dialog_));
  for (const std::string_view message : choice.messages) prompts.ShowMessage("Error", message);
  if (choice.iconName) Show(*choice.iconName);
  return choice.iconName;
}

bool IconButton::AskReset() {
  return platform::win32::Win32Prompts(platform::win32::FromHwnd(dialog_))
      .AskYesNo("", kIconResetQuestion);
}

}  // namespace quindle::editors::win32
