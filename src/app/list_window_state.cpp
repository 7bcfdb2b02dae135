#include "app/list_window_state.h"

#include <cmath>

#include "platform/text.h"

namespace quindle::app {
namespace {

void Set(ListButtonState& s, ListOperation op, bool on) {
  s.enabled[static_cast<std::size_t>(op)] = on;
}

// The name without its folder and without its last four characters (the extension).
std::string FileTitle(std::string_view path) {
  const std::size_t slash = path.find_last_of("\\/:");
  std::string name(slash == std::string_view::npos ? path : path.substr(slash + 1));
  name.resize(name.size() >= 4 ? name.size() - 4 : 0);
  return name;
}

bool SamePath(std::string_view a, std::string_view b) {
  return platform::UpperAToZ(a) == platform::UpperAToZ(b);
}

// Removes every entry naming `path`; the later ones move up.
void RemoveEntry(std::array<std::string, kLastFileCount>& files, std::string_view path) {
  std::size_t kept = 0;
  for (std::size_t i = 0; i < files.size(); ++i)
    if (!SamePath(files[i], path)) files[kept++] = files[i];
  for (; kept < files.size(); ++kept) files[kept].clear();
}

}  // namespace

ListButtonState ButtonStateFor(const MacroListEntry* selected, BrowseMode mode) {
  ListButtonState s;
  if (selected == nullptr) return s;
  const bool popup = selected->scopeKind == storage::ScopePopupMenu;
  if (popup) {
    s.modifyCaption = kModifyPopupCaption;
    s.modifyHint = kModifyPopupHint;
  }
  if (selected->enabled) {
    s.activateCaption = kDeactivateCaption;
    s.activateHint = kDeactivateHint;
  }
  Set(s, ListOperation::QuickInfo, mode != BrowseMode::BrowseAll);
  if (mode != BrowseMode::None) return s;
  Set(s, ListOperation::Rename, true);
  if (selected->scopeKind == storage::ScopeSystem) return s;
  Set(s, ListOperation::Copy, true);
  Set(s, ListOperation::ModifyDirectly, true);
  Set(s, ListOperation::Remove, true);
  Set(s, ListOperation::Activate, true);
  const bool timed = selected->hotkeyNumber == storage::kActivationTimed;
  Set(s, ListOperation::Recapture, !popup && !timed);
  Set(s, ListOperation::ScriptingEditor, !popup);
  return s;
}

std::string MainCaption(std::string_view filePath, bool showDate, std::string_view dateTime,
                        BrowseMode mode) {
  std::string caption = std::string(kProgramTitle) + " (" + FileTitle(filePath) + ")";
  if (showDate) caption += "     " + std::string(dateTime);
  if (mode == BrowseMode::Browse) caption += "    (Browse Mode)";
  if (mode == BrowseMode::BrowseAll) caption += "    (Browse All Mode)";
  return caption;
}

void DoLastFiles(std::array<std::string, kLastFileCount>& lastFiles, std::string_view previous,
                 std::string_view opened) {
  RemoveEntry(lastFiles, opened);
  if (previous.empty()) return;
  RemoveEntry(lastFiles, previous);
  for (std::size_t i = lastFiles.size() - 1; i > 0; --i) lastFiles[i] = lastFiles[i - 1];
  lastFiles[0] = std::string(previous);
}

LastFilesMenu LastFilesMenuOf(const std::array<std::string, kLastFileCount>& lastFiles) {
  LastFilesMenu menu;
  for (std::size_t i = 0; i < lastFiles.size(); ++i) {
    LastFilesMenu::Entry& e = menu.entries[i];
    e.visible = !lastFiles[i].empty();
    e.text = "&" + std::to_string(i + 1) + "   " + lastFiles[i];
    menu.separatorVisible = menu.separatorVisible || e.visible;
  }
  return menu;
}

int ListRowHeight(int textHeight) noexcept {
  return static_cast<int>(std::lround(1.1 * textHeight));
}

}  // namespace quindle::app
