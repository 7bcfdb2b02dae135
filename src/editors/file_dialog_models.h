// The dialogs whose commands name a file, apart from any window system: "Set Sound" (`TDoSound`),
// "Clipboard" (`TDoClipboard`), "File Manipulation" (`TDoDOSFiles`), "Load A New Macro File"
// (`TDoSwap`) and "Load Text from a Text File" (`TDoTextInsert`). Paths that must exist go
// through IPathChecks, so they are tested without a disk.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "editors/command_dialog.h"

namespace quindle::editors {

inline constexpr std::string_view kTextFilePathLabel = "Text File Path/Name";
inline constexpr std::string_view kNoSuchTextFile =
    "Specified Text File does not exist.  Please correct.";

// ---- "Set Sound" (`TDoSound`)
inline constexpr std::string_view kSoundCaption = "Set Sound";
inline constexpr std::string_view kSoundHelpTopic = "Set Sound";
inline constexpr std::string_view kSoundBeepText = "&Beep";
inline constexpr std::string_view kSoundWaveText = "&Wave File";
inline constexpr std::string_view kSoundWaitText = "Wait for wave file to &finish";
inline constexpr std::string_view kSoundTestText = "&Test";
inline constexpr std::string_view kSoundBrowseTitle = "Select Wave File";
inline constexpr std::string_view kSoundBrowseFilter = "Wave Files (*.WAV)|*.WAV";
inline constexpr std::string_view kSoundBrowseExtension = "WAV";
inline constexpr std::string_view kNoSuchWaveFile =
    "Specified WAV File does not exist.  Please correct.";

enum class SoundField { Kind, ProgPath };
struct SoundForm {
  bool wave = false;  // "&Wave File" (kind 2) rather than "&Beep"
  std::string path;
  bool wait = false;
};
SoundForm DirectSoundForm();
SoundForm SoundFormForCommand(int command);
SoundForm SoundFormOf(const SoundData& data);
// The path, "&Browse", the wait box and "&Test" take input only for a wave file.
bool SoundWaveControlsEnabled(const SoundForm& form) noexcept;
// "&Test": the file to play, or the refusal when it does not exist. The path is used as typed
// (trimmed), not shortened, here and in the result.
DialogOutcome<SoundField, std::string> TestSound(const SoundForm& form, IPathChecks& checks);
DialogOutcome<SoundField> AcceptSound(const SoundForm& form, IPathChecks& checks);

// ---- "Clipboard" (`TDoClipboard`)
inline constexpr std::string_view kClipboardCaption = "Clipboard";
inline constexpr std::string_view kClipboardHelpTopic = "Clipboard Options";
inline constexpr std::string_view kClipboardGroup = "Clipboard Options";
// Kinds 1..5, in the order of the radio buttons.
inline constexpr std::string_view kClipboardKindTexts[] = {
    "&Start Clipboard Copy",
    "&End Clipboard Copy",
    "C&opy Text File To Clipboard",
    "&Issue Copy To Clipboard Command (CTRL+C)",
    "Issue &Paste From Clipboard Command (CTRL+V)",
};
inline constexpr std::string_view kClipboardBrowseFilter = "Text Files (*.TXT)|*.TXT";
inline constexpr std::string_view kClipboardBrowseExtension = "TXT";

enum class ClipboardField { Kind, ProgPath };
struct ClipboardForm {
  int kind = 1;  // ClipData's kinds: 1 start copy, 2 end copy, 3 file copy, 4 copy, 5 paste
  std::string path;
};
ClipboardForm DirectClipboardForm();
ClipboardForm ClipboardFormForCommand(int command);
ClipboardForm ClipboardFormOf(int command, const ClipData& data);
constexpr bool ClipboardPathEnabled(int kind) noexcept {
  return kind == 3;
}
DialogOutcome<ClipboardField> AcceptClipboard(const ClipboardForm& form, IPathChecks& checks);

// ---- "File Manipulation" (`TDoDOSFiles`)
inline constexpr std::string_view kFilesCaption = "File Manipulation";
inline constexpr std::string_view kFilesHelpTopic = "File Commands";
inline constexpr std::string_view kFilesGroup = "File Commands";
// Kinds 1..4.
inline constexpr std::string_view kFilesKindTexts[] = {"Ch&ange Directory/Folder", "Cop&y File",
                                                       "&Rename File", "&Delete File"};
inline constexpr std::string_view kDirectoryLabel = "Directory/Folder";
inline constexpr std::string_view kNewNameLabel = "New Name";
inline constexpr std::string_view kFilesBrowseFilter = "All Files (*.*)|*.*";
inline constexpr std::string_view kNoNewName = "No new name specified.  Please correct.";
inline constexpr std::string_view kNoSuchDirectory =
    "Specified directory/folder does not exist.  Please correct.";

enum class FilesKind { ChangeDirectory = 1, Copy = 2, Rename = 3, Delete = 4 };
enum class FilesField { Kind, ProgPath, NewName };
struct FilesForm {
  FilesKind kind = FilesKind::ChangeDirectory;
  std::string path;     // `ProgPath`
  std::string newName;  // `NewName`
};
FilesForm DirectFilesForm();
FilesForm FilesFormForCommand(int command);
FilesForm FilesFormOf(int command, const FileData& data);
std::string_view FilesPathLabel(FilesKind kind) noexcept;
// "New Name" is shown for copying and renaming only.
bool FilesNewNameShown(FilesKind kind) noexcept;
int CommandOfFilesKind(FilesKind kind) noexcept;
DialogOutcome<FilesField> AcceptFiles(const FilesForm& form, IPathChecks& checks);

// ---- "Load A New Macro File" (`TDoSwap`)
inline constexpr std::string_view kSwapCaption = "Load A New Macro File";
inline constexpr std::string_view kSwapHelpTopic = "Swap Macro File";
inline constexpr std::string_view kSwapGroup = "Swap Macro File";
inline constexpr std::string_view kSwapPathLabel = "File Path/Name";
inline constexpr std::string_view kSwapBrowseFilter = "Quindle (*.QNL)|*.QNL";
inline constexpr std::string_view kSwapBrowseExtension = "QNL";
inline constexpr std::string_view kNoSuchMacroFile =
    "Specified Macro File does not exist.  Please correct.";

enum class PathField { ProgPath };
DialogOutcome<PathField> AcceptSwap(std::string_view path, IPathChecks& checks);

// ---- "Load Text from a Text File" (`TDoTextInsert`)
inline constexpr std::string_view kTextInsertCaption = "Load Text from a Text File";
inline constexpr std::string_view kTextInsertHelpTopic = "Insert Text File";
inline constexpr std::string_view kTextInsertGroup = "Insert Text File";
inline constexpr std::string_view kEditTextFileText = "&Edit Text File";
inline constexpr std::string_view kTextEditorProgram = "notepad.exe";
inline constexpr std::string_view kTextEditorVerb = "open";
inline constexpr std::string_view kCorrectMissingFile =
    "Specified Path and Program does not exist.  Do you wish to correct?";
inline constexpr std::string_view kCannotEditMissingFile =
    "Specified Path and Program does not exist.  Unable to open text file.";

// "&Ok": a missing file asks kCorrectMissingFile (caption "Warning"); Yes returns to the path,
// No takes the path as typed. An existing file's path is taken as typed too.
DialogOutcome<PathField> AcceptTextInsert(std::string_view path, IPathChecks& checks,
                                          Answer answer = Answer::None);
// "&Edit Text File": the file to open in the text editor, or the refusal.
DialogOutcome<PathField, std::string> EditTextFile(std::string_view path, IPathChecks& checks);

}  // namespace quindle::editors
