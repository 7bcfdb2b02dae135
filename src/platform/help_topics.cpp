#include "platform/help_topics.h"

#include <array>

namespace quindle::platform {
namespace {

// Several names may share a page: the two hook questions are answered by one page.
constexpr std::array kTopics{
    HelpTopic{kTopicContents, "contents.htm"},
    HelpTopic{kTopicTutorial, "tutorial.htm"},
    HelpTopic{kTopicMainWindow, "main_window.htm"},
    HelpTopic{kTopicHotKeys, "hotkeys.htm"},
    HelpTopic{kTopicTyplets, "typlets.htm"},
    HelpTopic{kTopicSetSchedule, "set_schedule.htm"},
    HelpTopic{kTopicTypletOptions, "typlets.htm"},
    HelpTopic{kTopicSystemHotKeys, "system_hotkeys.htm"},
    HelpTopic{kTopicCaptureMacro, "capture.htm"},
    HelpTopic{kTopicCaptureComplete, "capture.htm"},
    HelpTopic{kTopicCaptureDefaults, "capture.htm"},
    HelpTopic{kTopicMacroLanguage, "macro_language.htm"},
    HelpTopic{kTopicScriptingEditor, "scripting_editor.htm"},
    HelpTopic{kTopicTextInsertion, "text_insertion.htm"},
    HelpTopic{kTopicCommandWizard, "scripting_editor.htm"},
    HelpTopic{kTopicModifyHotKey, "modify_hotkey.htm"},
    HelpTopic{kTopicBuildMacroMenu, "popup_menus.htm"},
    HelpTopic{kTopicActivatingWindows, "command_dialogs_1.htm"},
    HelpTopic{kTopicSetSound, "command_dialogs_1.htm"},
    HelpTopic{kTopicDelays, "command_dialogs_1.htm"},
    HelpTopic{kTopicMacroPause, "command_dialogs_1.htm"},
    HelpTopic{kTopicRepeatOptions, "command_dialogs_1.htm"},
    HelpTopic{kTopicKeyboardAndMouseSpeed, "command_dialogs_1.htm"},
    HelpTopic{kTopicSizeOrPosition, "command_dialogs_1.htm"},
    HelpTopic{kTopicSystemCommands, "command_dialogs_1.htm"},
    HelpTopic{kTopicMouseCommands, "command_dialogs_1.htm"},
    HelpTopic{kTopicClipboardOptions, "command_dialogs_2.htm"},
    HelpTopic{kTopicFileCommands, "command_dialogs_2.htm"},
    HelpTopic{kTopicKeysUpOrDown, "command_dialogs_2.htm"},
    HelpTopic{kTopicRemarks, "command_dialogs_2.htm"},
    HelpTopic{kTopicWebSiteUrl, "command_dialogs_2.htm"},
    HelpTopic{kTopicWebFtp, "command_dialogs_2.htm"},
    HelpTopic{kTopicSwapMacroFile, "command_dialogs_2.htm"},
    HelpTopic{kTopicInsertTextFile, "command_dialogs_2.htm"},
    HelpTopic{kTopicDateFormat, "command_dialogs_2.htm"},
    HelpTopic{kTopicTimeFormat, "command_dialogs_2.htm"},
    HelpTopic{kTopicSetWindowTitle, "command_dialogs_2.htm"},
    HelpTopic{kTopicSetProgramName, "command_dialogs_2.htm"},
    HelpTopic{kTopicPause, "pause.htm"},
    HelpTopic{kTopicMacroRepeat, "repeat_prompt.htm"},
    HelpTopic{kTopicMessage, "message.htm"},
    HelpTopic{kTopicKeyboardHooks, "restore_hooks.htm"},
    HelpTopic{kTopicMouseHooks, "restore_hooks.htm"},
    HelpTopic{kTopicCommandLine, "command_line.htm"},
    HelpTopic{kTopicAbout, "about.htm"},
};

}  // namespace

std::span<const HelpTopic> HelpTopics() noexcept {
  return kTopics;
}

std::optional<std::string_view> HelpPage(std::string_view name) noexcept {
  for (const HelpTopic& topic : kTopics) {
    if (topic.name == name) return topic.page;
  }
  return std::nullopt;
}

}  // namespace quindle::platform
