#include "editors/icon_choice.h"

#include "editors/script_editor.h"
#include "platform/text.h"

namespace quindle::editors {
namespace {

std::string_view FolderOf(std::string_view path) {
  const auto slash = path.rfind('\\');
  return slash == std::string_view::npos ? std::string_view{} : path.substr(0, slash);
}

bool SameFolder(std::string_view a, std::string_view b) {
  return platform::UpperAToZ(a) == platform::UpperAToZ(b);
}

}  // namespace

std::string IconFile(std::string_view name, std::string_view iconsFolder) {
  if (name.empty() || name == kMainIcon || name == kMenuIconName) return {};
  return std::string(iconsFolder) + "\\" + std::string(name);
}

IconChoice ChooseIcon(std::string_view chosen, std::string_view iconsFolder, IIconFiles& files) {
  IconChoice choice;
  if (chosen.size() < 4 || platform::UpperAToZ(chosen.substr(chosen.size() - 4)) != ".ICO") {
    choice.messages.push_back(kIconBadType);
    return choice;
  }
  std::string target = std::string(iconsFolder) + "\\" + std::string(FileNameOf(chosen));
  // A file from elsewhere is copied into the Icons folder first, never over one there.
  if (!SameFolder(FolderOf(chosen), iconsFolder) && !files.CopyNew(chosen, target)) {
    choice.messages.push_back(kIconExists);
  }
  const std::optional<std::string> shortName =
      files.Exists(target) ? files.ShortName(target) : std::nullopt;
  if (!shortName || shortName->empty() || shortName->size() > kIconNameMax) {
    choice.messages.push_back(kIconNotOpened);
    return choice;
  }
  choice.iconName = *shortName;
  choice.file = IconFile(*shortName, iconsFolder);
  return choice;
}

std::string IconOnOpen(std::string_view name, std::string_view iconsFolder, IIconFiles& files,
                       std::string_view fallback) {
  if (name == fallback) return std::string(fallback);
  const std::string file = IconFile(name, iconsFolder);
  if (file.empty() || !files.Exists(file)) return std::string(fallback);
  return std::string(name);
}

}  // namespace quindle::editors
