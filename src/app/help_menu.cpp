#include "app/help_menu.h"

namespace quindle::app {

std::string_view HelpTopicOf(HelpMenuEntry entry) {
  switch (entry) {
    case HelpMenuEntry::Contents:
      return kHelpTopicContents;
    case HelpMenuEntry::Tutorial:
      return kHelpTopicTutorial;
    case HelpMenuEntry::About:
      return kHelpTopicAbout;
  }
  return kHelpTopicContents;
}

std::string_view MissingHelpMessage(HelpMenuEntry entry) {
  return entry == HelpMenuEntry::Tutorial ? kTutorialMissing : std::string_view();
}

std::optional<HelpMenuEntry> HelpEntryOfCommand(const std::array<HelpCommand, 3>& table,
                                                int command) {
  for (const HelpCommand& row : table)
    if (row.command == command) return row.entry;
  return std::nullopt;
}

}  // namespace quindle::app
