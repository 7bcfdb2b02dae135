// The help topics the program opens, by name, and the page of the compiled help file QUINDL.CHM
// that each one shows. Every "&Help" button and help menu entry names its topic with one of the
// constants below; a unit test checks that each name the sources pass to ShowHelpTopic is in the
// table and that its page is in the help/ folder and the help project. A later window adds its
// own topic here together with its page.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace quindle::platform {

// The main window's help menu: "&Contents", "&Tutorial / User Guide", "&About".
inline constexpr std::string_view kTopicContents = "Contents";
inline constexpr std::string_view kTopicTutorial = "Tutorial";
inline constexpr std::string_view kTopicAbout = "About Quindle 98";
// The main window: its list and its File, Tools and Help menus.
inline constexpr std::string_view kTopicMainWindow = "Main Window";
// The questions of "Restore &Keyboard Hooks" and "Restore &Mouse Hooks", by their titles.
inline constexpr std::string_view kTopicKeyboardHooks = "Keyboard Hooks";
inline constexpr std::string_view kTopicMouseHooks = "Mouse Hooks";
// The playback prompts, by their captions.
inline constexpr std::string_view kTopicPause = "Pause";
inline constexpr std::string_view kTopicMacroRepeat = "Macro Repeat";
inline constexpr std::string_view kTopicMessage = "Message";
// The schedule dialog of a timed macro, by its caption.
inline constexpr std::string_view kTopicSetSchedule = "Set Schedule";
// Pages about the program as a whole.
inline constexpr std::string_view kTopicCommandLine = "Command Line";
inline constexpr std::string_view kTopicHotKeys = "Hot Keys";
inline constexpr std::string_view kTopicTyplets = "Typlets";
inline constexpr std::string_view kTopicMacroLanguage = "Macro Language";
// The activation dialogs, by their captions.
inline constexpr std::string_view kTopicTypletOptions = "Typlet Options";
inline constexpr std::string_view kTopicSystemHotKeys = "System Hot Keys";
// The scripting editor and the keystroke editor of its Text lines.
inline constexpr std::string_view kTopicScriptingEditor = "Scripting Editor";
inline constexpr std::string_view kTopicTextInsertion = "Text Insertion";
inline constexpr std::string_view kTopicCommandWizard = "Command Wizard";
// The direct editor of a whole macro.
inline constexpr std::string_view kTopicModifyHotKey = "Modify Hot Key";
// The builder of popup menus, by its caption.
inline constexpr std::string_view kTopicBuildMacroMenu = "Build Macro Menu";
// The capture dialogs, by their captions.
inline constexpr std::string_view kTopicCaptureDefaults = "Capture Defaults";
inline constexpr std::string_view kTopicCaptureMacro = "Capture Macro";
inline constexpr std::string_view kTopicCaptureComplete = "Capture Complete";
// The command dialogs of activating, sounds, delays, pauses, repeats, speeds, windows and the
// mouse, by the topic names their models give.
inline constexpr std::string_view kTopicActivatingWindows = "Activating Windows";
inline constexpr std::string_view kTopicSetSound = "Set Sound";
inline constexpr std::string_view kTopicDelays = "Delays";
inline constexpr std::string_view kTopicMacroPause = "Macro Pause";
inline constexpr std::string_view kTopicRepeatOptions = "Repeat Options";
inline constexpr std::string_view kTopicKeyboardAndMouseSpeed = "Keyboard and Mouse Speed";
inline constexpr std::string_view kTopicSizeOrPosition = "Size or Position";
inline constexpr std::string_view kTopicSystemCommands = "System Commands";
inline constexpr std::string_view kTopicMouseCommands = "Mouse Commands";
// The command dialogs of clipboard, files, held keys, remark, web address, macro file, text
// file and date/time, and the window/program chooser of a macro's scope.
inline constexpr std::string_view kTopicClipboardOptions = "Clipboard Options";
inline constexpr std::string_view kTopicFileCommands = "File Commands";
inline constexpr std::string_view kTopicKeysUpOrDown = "Keys Up Or Down";
inline constexpr std::string_view kTopicRemarks = "Remarks";
inline constexpr std::string_view kTopicWebSiteUrl = "Web Site URL";
inline constexpr std::string_view kTopicWebFtp = "Web FTP";
inline constexpr std::string_view kTopicSwapMacroFile = "Swap Macro File";
inline constexpr std::string_view kTopicInsertTextFile = "Insert Text File";
inline constexpr std::string_view kTopicDateFormat = "Date Format";
inline constexpr std::string_view kTopicTimeFormat = "Time Format";
inline constexpr std::string_view kTopicSetWindowTitle = "Set Window Title";
inline constexpr std::string_view kTopicSetProgramName = "Set Program Name";

// The compiled help file beside QUINDL.EXE, and the page an unknown topic falls back to.
inline constexpr std::string_view kHelpFileName = "QUINDL.CHM";
inline constexpr std::string_view kHelpContentsPage = "contents.htm";

struct HelpTopic {
  std::string_view name;  // as callers pass it to ShowHelpTopic
  std::string_view page;  // file name of the page inside QUINDL.CHM
};

// Every topic, in the order of the help file's contents.
std::span<const HelpTopic> HelpTopics() noexcept;

// The page of the topic named exactly `name`; nothing for a name that is not in the table.
std::optional<std::string_view> HelpPage(std::string_view name) noexcept;

}  // namespace quindle::platform
