// The icon of a macro, as the icon buttons of the scripting editor and the popup-menu builder
// choose it: "MAIN" for the program's own icon, "MENU" for the popup-menu icon, else the short
// file name of an icon in the "Icons" folder under the program's folder.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quindle::editors {

inline constexpr std::string_view kIconTitle = "Load in Icon";
inline constexpr std::string_view kIconFilter = "Icons (*.ico)|*.ICO";
inline constexpr std::string_view kIconBadType = "Invalid file type selected.";
inline constexpr std::string_view kIconExists =
    "The selected icon could not be opened.  An icon of this name already exists in the default "
    "icon folder.  It will be opened instead.";
inline constexpr std::string_view kIconNotOpened = "Icon could not be opened.";
inline constexpr std::string_view kIconResetQuestion = "Reset icon to program default?";
inline constexpr std::size_t kIconNameMax = 12;
inline constexpr std::string_view kMenuIconName = "MENU";

// The file system as the icon button uses it.
class IIconFiles {
 public:
  virtual ~IIconFiles() = default;
  virtual bool Exists(std::string_view path) = 0;
  // Copies `from` to `to`; false, and nothing changed, when `to` exists already or the copy
  // failed.
  virtual bool CopyNew(std::string_view from, std::string_view to) = 0;
  // The short (8.3) file name of an existing file, without its folder.
  virtual std::optional<std::string> ShortName(std::string_view path) = 0;
};

// What choosing a file did: the messages to show in order, and the new icon name (nothing: the
// icon stays as it was).
struct IconChoice {
  std::vector<std::string_view> messages;
  std::optional<std::string> iconName;
  std::string file;  // the file in the Icons folder to show, when there is a new name
};

// `chosen` is the file the user picked; `iconsFolder` has no trailing "\".
IconChoice ChooseIcon(std::string_view chosen, std::string_view iconsFolder, IIconFiles& files);

// The name an editor opens with: a named icon whose file is gone falls back to `fallback`
// ("MAIN" for a macro, "MENU" for a popup menu).
std::string IconOnOpen(std::string_view name, std::string_view iconsFolder, IIconFiles& files,
                       std::string_view fallback = "MAIN");

// The file of a named icon in the Icons folder; "" for "MAIN" and "MENU", the program's own.
std::string IconFile(std::string_view name, std::string_view iconsFolder);

}  // namespace quindle::editors
