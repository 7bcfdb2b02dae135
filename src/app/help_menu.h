// The entries of the main window's "&Help" menu and the help topics they open (the platform's
// topic table gives each its page of the help file).
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "platform/help_topics.h"

namespace quindle::app {

enum class HelpMenuEntry { Contents, Tutorial, About };

inline constexpr std::string_view kHelpTopicContents = platform::kTopicContents;
inline constexpr std::string_view kHelpTopicTutorial = platform::kTopicTutorial;
inline constexpr std::string_view kHelpTopicAbout = platform::kTopicAbout;

// What "&Tutorial / User Guide" says when the guide cannot be opened.
inline constexpr std::string_view kTutorialMissing =
    "The Tutorial / User Manual could not be located.  Please make sure that it was installed.";

// Every topic the main window's menu names, for the check that each has its page.
inline constexpr std::array<std::string_view, 3> kMainMenuHelpTopics{
    kHelpTopicContents, kHelpTopicTutorial, kHelpTopicAbout};

// The topic of an entry.
std::string_view HelpTopicOf(HelpMenuEntry entry);

// What an entry says when the help file or its viewer is missing; empty for the help's own
// message.
std::string_view MissingHelpMessage(HelpMenuEntry entry);

// The entry a menu command stands for, from the window's table of (command, entry) pairs;
// nothing for a command that is not a help entry.
struct HelpCommand {
  int command;
  HelpMenuEntry entry;
};
std::optional<HelpMenuEntry> HelpEntryOfCommand(const std::array<HelpCommand, 3>& table,
                                                int command);

}  // namespace quindle::app
