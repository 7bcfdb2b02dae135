#include "app/popup_menus.h"

#include "activation/macro_names.h"
#include "platform/text.h"

namespace quindle::app {
namespace {

// More than any row of the chooser shows.
constexpr std::size_t kEntryTextMax = 200;

}  // namespace

ChooserEntry MakeChooserEntry(int n, const storage::MacroRecord* member) {
  ChooserEntry entry;
  entry.n = n;
  if (member == nullptr) return entry;
  const std::int16_t kind = member->ScopeKind.Get();
  entry.popup = kind == storage::ScopePopupMenu;
  if (!entry.popup) {
    entry.text = std::string(member->MacroText().substr(0, kEntryTextMax));
    for (char& c : entry.text)
      if (c == '\r' || c == '\n' || c == '\t') c = ' ';
  }
  entry.name = std::string(member->Name.View());
  if (entry.name.empty()) entry.name = activation::ActivationName(*member);
  if (kind == storage::ScopeGlobal) {
    entry.scope = "GLOBAL";
  } else if (entry.popup) {
    entry.scope = "Popup Menu";
  } else {
    entry.scope = std::string(member->ScopeText.View());
  }
  entry.iconName = std::string(member->IconName.View());
  return entry;
}

std::vector<std::uint16_t> MacrosForTopWindow(storage::TableLock& lock, std::string_view upperTitle,
                                              std::string_view upperProgram) {
  std::vector<std::uint16_t> members;
  const storage::TableGuard guard(lock);
  if (!guard) return members;
  const storage::SharedMacroTable& table = guard.Table();
  for (std::size_t slot = 0; slot < table.SafeCount() && members.size() < kMenuTopWindowMax;
       ++slot) {
    const std::int16_t kind = table.ScopeKind[slot].Get();
    if (kind != storage::ScopeWindow && kind != storage::ScopeProgram) continue;
    const std::string scope = platform::UpperAToZ(table.ScopeText[slot].View());
    const std::string_view where = kind == storage::ScopeWindow ? upperTitle : upperProgram;
    if (where.find(scope) != std::string_view::npos)
      members.push_back(static_cast<std::uint16_t>(slot + 1));
  }
  return members;
}

storage::MacroRecord MenuForTopWindow(const std::vector<std::uint16_t>& members, int systemMenu) {
  storage::MacroRecord menu{};
  menu.ScopeKind = storage::ScopePopupMenu;
  const char layout =
      systemMenu >= 1 && systemMenu <= 3 ? static_cast<char>('0' + systemMenu) : '1';
  const char options[] = {' ', layout, '2'};
  menu.TypletName.Assign(std::string_view(options, sizeof(options)));
  menu.SetMembers(members);
  return menu;
}

std::vector<PopupTrayEntry> PopupTrayEntries(storage::TableLock& lock, storage::MacroStore& store) {
  std::vector<int> menus;
  {
    const storage::TableGuard guard(lock);
    if (!guard) return {};
    for (std::size_t slot = 0; slot < guard.Table().SafeCount(); ++slot)
      if (guard.Table().ScopeKind[slot].Get() == storage::ScopePopupMenu)
        menus.push_back(static_cast<int>(slot) + 1);
  }
  std::vector<PopupTrayEntry> entries;
  for (const int n : menus) {
    if (entries.size() >= kPopupTrayIconsMax) break;
    storage::MacroRecord record{};
    if (!store.ReadMacro(n, record) || !ParseMenuOptions(record.TypletName.View()).tray) continue;
    entries.push_back({n, std::string(record.Name.View()), std::string(record.IconName.View())});
  }
  return entries;
}

}  // namespace quindle::app
