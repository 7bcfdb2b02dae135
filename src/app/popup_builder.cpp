#include "app/popup_builder.h"

#include <algorithm>
#include <utility>

#include "activation/macro_names.h"
#include "hooklib/hotkey_names.h"
#include "scheduler/schedule_text.h"

namespace quindle::app {
namespace {

constexpr std::size_t kQuickInfoTextMax = 100;

int IndexOf(const std::vector<int>& list, int n) {
  const auto at = std::find(list.begin(), list.end(), n);
  return at == list.end() ? -1 : static_cast<int>(at - list.begin());
}

bool Valid(const std::vector<int>& list, int index) {
  return index >= 0 && index < static_cast<int>(list.size());
}

// The selection of a list that lost row `index`: the same row, or one up when it was the last.
int AfterLoss(int index, int size) {
  if (size == 0) return -1;
  return std::min(index, size - 1);
}

}  // namespace

PopupBuilderModel::PopupBuilderModel(const MacroSnapshot& macros, const storage::MacroRecord& menu,
                                     int self, bool isNew)
    : isNew_(isNew) {
  const int count = static_cast<int>(macros.size());
  rows_.reserve(macros.size());
  for (int n = 1; n <= count; ++n) {
    const MacroListEntry& e = macros[static_cast<std::size_t>(n - 1)];
    rows_.push_back({n, activation::ActivationName(e.hotkeyNumber, e.typletName), e.name,
                     activation::ScopeName(e.scopeKind, e.scopeText)});
  }
  if (!isNew) {
    nickname = std::string(menu.Name.View());
    options = ParseMenuOptions(menu.TypletName.View());
    iconName = std::string(menu.IconName.View());
    // Members that no longer exist (the file lost macros since) are dropped.
    for (std::size_t i = 0; i < menu.MemberCount(); ++i) {
      const int n = menu.Member(i);
      if (n >= 1 && n <= count) members_.push_back(n);
    }
  } else {
    iconName = std::string(kMenuIcon);
  }
  for (int n = 1; n <= count; ++n) {
    if (n == self || macros[static_cast<std::size_t>(n - 1)].scopeKind == storage::ScopeSystem)
      continue;
    if (IndexOf(members_, n) < 0) available_.push_back(n);
  }
  oldNickname_ = nickname;
  oldTray_ = options.tray;
  oldIcon_ = iconName;
}

const BuilderRow& PopupBuilderModel::RowOf(int n) const {
  static const BuilderRow kNone{};
  if (n < 1 || n > static_cast<int>(rows_.size())) return kNone;
  return rows_[static_cast<std::size_t>(n - 1)];
}

std::optional<BuilderSelection> PopupBuilderModel::Place(BuilderSelection at, int position) {
  if (!Valid(available_, at.available)) return std::nullopt;
  const int n = available_[static_cast<std::size_t>(at.available)];
  available_.erase(available_.begin() + at.available);
  position = std::clamp(position, 0, static_cast<int>(members_.size()));
  members_.insert(members_.begin() + position, n);
  return BuilderSelection{position, AfterLoss(at.available, static_cast<int>(available_.size()))};
}

std::optional<BuilderSelection> PopupBuilderModel::Add(BuilderSelection at) {
  return Place(at, static_cast<int>(members_.size()));
}

std::optional<BuilderSelection> PopupBuilderModel::InsertBefore(BuilderSelection at) {
  return Place(at, Valid(members_, at.member) ? at.member : 0);
}

std::optional<BuilderSelection> PopupBuilderModel::InsertAfter(BuilderSelection at) {
  return Place(at, Valid(members_, at.member) ? at.member + 1 : 0);
}

std::optional<BuilderSelection> PopupBuilderModel::Remove(BuilderSelection at) {
  if (!Valid(members_, at.member)) return std::nullopt;
  const int n = members_[static_cast<std::size_t>(at.member)];
  members_.erase(members_.begin() + at.member);
  // Back at its place in macro-number order.
  const auto place = std::lower_bound(available_.begin(), available_.end(), n);
  const int index = static_cast<int>(place - available_.begin());
  available_.insert(place, n);
  return BuilderSelection{AfterLoss(at.member, static_cast<int>(members_.size())), index};
}

BuilderSelection PopupBuilderModel::Up(BuilderSelection at) {
  if (!Valid(members_, at.member) || at.member == 0) return at;
  std::swap(members_[static_cast<std::size_t>(at.member)],
            members_[static_cast<std::size_t>(at.member - 1)]);
  return {at.member - 1, at.available};
}

BuilderSelection PopupBuilderModel::Down(BuilderSelection at) {
  if (!Valid(members_, at.member) || at.member + 1 >= static_cast<int>(members_.size())) return at;
  std::swap(members_[static_cast<std::size_t>(at.member)],
            members_[static_cast<std::size_t>(at.member + 1)]);
  return {at.member + 1, at.available};
}

BuilderButtons PopupBuilderModel::Buttons(BuilderSelection at) const {
  BuilderButtons b;
  const bool member = Valid(members_, at.member);
  const bool available = Valid(available_, at.available);
  b.add = b.insertBefore = b.insertAfter = available;
  b.remove = member;
  b.up = member && at.member > 0;
  b.down = member && at.member + 1 < static_cast<int>(members_.size());
  return b;
}

bool PopupBuilderModel::WriteInto(storage::MacroRecord& menu) const {
  menu.Name.Assign(nickname);
  menu.IconName.Assign(iconName);
  menu.ScopeKind = storage::ScopePopupMenu;
  menu.TypletName.Assign(MenuOptionsText(options));
  std::vector<std::uint16_t> members;
  members.reserve(members_.size());
  for (const int n : members_) members.push_back(static_cast<std::uint16_t>(n));
  menu.SetMembers(members);
  if (isNew_) menu.Enabled = true;
  return (isNew_ && options.tray) || nickname != oldNickname_ || options.tray != oldTray_ ||
         iconName != oldIcon_;
}

std::string BuilderQuickInfo(const storage::MacroRecord& macro) {
  std::string info;
  const auto fact = [&info](std::string_view text) {
    info += text;
    info += "\n\n";
  };
  const int code = macro.HotkeyNumber.Get();
  const bool timed = code == storage::kActivationTimed;
  if (timed) {
    fact("Timed Macro");
  } else if (code == storage::kActivationTyplet) {
    fact("Typlet: " + std::string(macro.TypletName.View()));
  } else {
    fact("Hot Key: " + std::string(hooklib::HotkeyName(code)));
  }
  fact("Name: " + std::string(macro.Name.View()));
  const std::int16_t kind = macro.ScopeKind.Get();
  if (kind == storage::ScopeGlobal) {
    fact("Scope: GLOBAL");
  } else if (kind == storage::ScopePopupMenu) {
    fact("Scope: Popup Menu");
  } else if (kind == storage::ScopeSystem) {
    fact("Scope: SYSTEM");
  } else {
    // A program-scoped macro belongs to a program, not a window, and says so.
    const std::string_view what = kind == storage::ScopeProgram ? " \"Program\"" : " \"Window\"";
    fact("Scope: " + std::string(macro.ScopeText.View()) + std::string(what) +
         (macro.TopMostOnly ? " (Top Most Only)" : " (If Active)"));
  }
  fact(macro.Enabled ? "Active: Yes" : "Active: No");
  if (timed) fact("Schdedule: " + scheduler::GetSched(macro));
  // A popup menu's text area holds its member numbers, a system macro's nothing to read.
  const bool hasText = kind != storage::ScopePopupMenu && kind != storage::ScopeSystem;
  info += "Macro: ";
  if (hasText) info += macro.MacroText().substr(0, kQuickInfoTextMax);
  info += "\n\n";
  return info;
}

}  // namespace quindle::app
