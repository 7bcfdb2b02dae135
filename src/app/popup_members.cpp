#include "app/popup_members.h"

namespace quindle::app {
namespace {

std::vector<std::uint16_t> MembersOf(const storage::MacroRecord& menu) {
  std::vector<std::uint16_t> members;
  members.reserve(menu.MemberCount());
  for (std::size_t i = 0; i < menu.MemberCount(); ++i) members.push_back(menu.Member(i));
  return members;
}

}  // namespace

std::vector<std::uint16_t> MembersAfterRemoval(std::span<const std::uint16_t> members,
                                               int removed) {
  std::vector<std::uint16_t> kept;
  kept.reserve(members.size());
  for (const std::uint16_t member : members) {
    if (member == removed) continue;
    kept.push_back(member > removed ? static_cast<std::uint16_t>(member - 1) : member);
  }
  return kept;
}

bool ListsMember(const storage::MacroRecord& menu, int n) noexcept {
  for (std::size_t i = 0; i < menu.MemberCount(); ++i)
    if (menu.Member(i) == n) return true;
  return false;
}

bool RenumberAfterRemoval(storage::MacroRecord& menu, int removed) {
  const std::vector<std::uint16_t> members = MembersOf(menu);
  const std::vector<std::uint16_t> renumbered = MembersAfterRemoval(members, removed);
  if (renumbered == members) return false;
  menu.SetMembers(renumbered);
  return true;
}

}  // namespace quindle::app
