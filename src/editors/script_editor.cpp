#include "editors/script_editor.h"

#include <algorithm>

#include "platform/text.h"

namespace quindle::editors {

CommandFamily FamilyOf(int command) noexcept {
  switch (command) {
    case kCmdDate:
    case kCmdTime:
      return CommandFamily::DateTime;
    case kCmdDelay:
      return CommandFamily::Delay;
    case kCmdPause:
      return CommandFamily::Pause;
    case kCmdRepeatStart:
    case kCmdRepeatEnd:
    case kCmdRepeatCounter:
    case kCmdRepeatPromptStart:
      return CommandFamily::Repeat;
    case kCmdKeystrokeSpeed:
    case kCmdMouseSpeed:
    case kCmdPlaybackSpeed:
      return CommandFamily::Speed;
    case kCmdActivateWindow:
    case kCmdLaunchProgram:
    case kCmdActivateOrLaunch:
    case kCmdLaunchAndActivate:
      return CommandFamily::Launch;
    case kCmdSoundBeep:
    case kCmdSoundWaveFile:
      return CommandFamily::Sound;
    case kCmdLoadMacroFile:
      return CommandFamily::MacroFile;
    case kCmdLoadTextFile:
      return CommandFamily::TextFile;
    case kCmdResizeWindow:
    case kCmdRepositionWindow:
      return CommandFamily::WindowSize;
    case kCmdMaximizeWindow:
    case kCmdMinimizeWindow:
    case kCmdRestoreWindow:
    case kCmdCloseWindow:
    case kCmdHideWindow:
    case kCmdShowWindow:
    case kCmdShutDownProgram:
      return CommandFamily::WindowCommand;
    case kCmdMouseMove:
    case kCmdLeftButton:
    case kCmdRightButton:
    case kCmdMiddleButton:
    case kCmdMouseWheel:
      return CommandFamily::Mouse;
    case kCmdRemark:
      return CommandFamily::Remark;
    case kCmdClipboardCopy:
    case kCmdClipboardPaste:
    case kCmdClipboardStartCopy:
    case kCmdClipboardEndCopy:
    case kCmdClipboardFileCopy:
      return CommandFamily::Clipboard;
    case kCmdControlKey:
    case kCmdAltKey:
    case kCmdShiftKey:
    case kCmdWinKey:
      return CommandFamily::Keys;
    case kCmdWebSite:
    case kCmdWebFtp:
      return CommandFamily::Web;
    case kCmdChangeDirectory:
    case kCmdDeleteFile:
    case kCmdCopyFile:
    case kCmdRenameFile:
      return CommandFamily::Files;
    default:
      return CommandFamily::Text;
  }
}

std::vector<std::pair<std::string_view, int>> SortedCommands() {
  std::vector<std::pair<std::string_view, int>> commands;
  for (int n = 1; n <= kCommandCount; ++n) commands.emplace_back(CommandName(n), n);
  // Alphabetically, as a reader expects: "Activate or Launch" before "Activate Window".
  const auto alphabetical = [](const auto& a, const auto& b) {
    return std::lexicographical_compare(
        a.first.begin(), a.first.end(), b.first.begin(), b.first.end(),
        [](char x, char y) { return platform::UpperAToZ(x) < platform::UpperAToZ(y); });
  };
  std::sort(commands.begin(), commands.end(), alphabetical);
  return commands;
}

ScriptEditorModel::ScriptEditorModel(ActivationKind kind, bool existing)
    : kind_(kind), existing_(existing) {}

void ScriptEditorModel::Open(const storage::MacroRecord& macro) {
  header_ = OpenHeader(macro, kind_, existing_);
  lines_.clear();
  selected_ = -1;
  if (existing_) lines_ = BuildTheScript(macro.MacroText());
  Reindent();
}

void ScriptEditorModel::Select(int index) noexcept {
  selected_ = index >= 0 && index < static_cast<int>(lines_.size()) ? index : -1;
}

EditorButtons ScriptEditorModel::Buttons() const noexcept {
  const bool any = selected_ >= 0;
  const int last = static_cast<int>(lines_.size()) - 1;
  return {any && selected_ > 0, any && selected_ < last, any, any, any};
}

std::optional<std::string_view> ScriptEditorModel::BeginAdd(int command, InsertMode mode) {
  if (command < 1 || command > kCommandCount) return kNoCommandSelected;
  mode_ = mode;
  remembered_ = std::max(selected_, 0);
  return std::nullopt;
}

void ScriptEditorModel::InsertLine(ScriptLine line) {
  const int count = static_cast<int>(lines_.size());
  int at = count;
  if (mode_ == InsertMode::Before) at = std::min(remembered_, count);
  if (mode_ == InsertMode::After) at = count == 0 ? 0 : std::min(remembered_ + 1, count);
  lines_.insert(lines_.begin() + at, std::move(line));
  selected_ = at;
  Reindent();
}

std::optional<std::string_view> ScriptEditorModel::BeginEdit(int& command) const {
  if (selected_ < 0) return kNoItemSelected;
  command = CommandNumberOf(lines_[static_cast<std::size_t>(selected_)].text);
  return std::nullopt;
}

void ScriptEditorModel::ReplaceSelected(ScriptLine line) {
  if (selected_ < 0) return;
  lines_[static_cast<std::size_t>(selected_)] = std::move(line);
  Reindent();
}

std::optional<std::string_view> ScriptEditorModel::Copy() {
  if (selected_ < 0) return kNoLineSelected;
  const ScriptLine copy = lines_[static_cast<std::size_t>(selected_)];
  lines_.insert(lines_.begin() + selected_, copy);
  ++selected_;
  Reindent();
  return std::nullopt;
}

std::optional<std::string_view> ScriptEditorModel::Delete() {
  if (selected_ < 0) return kNoLineSelected;
  lines_.erase(lines_.begin() + selected_);
  const int count = static_cast<int>(lines_.size());
  selected_ = count == 0 ? -1 : std::min(selected_, count - 1);
  Reindent();
  return std::nullopt;
}

bool ScriptEditorModel::MoveUp() {
  if (!Buttons().up) return false;
  std::swap(lines_[static_cast<std::size_t>(selected_)],
            lines_[static_cast<std::size_t>(selected_ - 1)]);
  --selected_;
  Reindent();
  return true;
}

bool ScriptEditorModel::MoveDown() {
  if (!Buttons().down) return false;
  std::swap(lines_[static_cast<std::size_t>(selected_)],
            lines_[static_cast<std::size_t>(selected_ + 1)]);
  ++selected_;
  Reindent();
  return true;
}

std::string ScriptEditorModel::Caption() const {
  return HeaderCaption("Macro Scripting Editor", header_);
}

std::optional<EditorRefusal> ScriptEditorModel::Accept(storage::MacroRecord& macro, double now,
                                                       bool& truncated) {
  if (std::optional<EditorRefusal> refusal = CheckHeader(header_, kind_)) return refusal;
  const std::string text = WriteBack(lines_);
  WriteHeader(header_, kind_, existing_, now, macro);
  truncated = text.size() > storage::kMacroTextMax;
  macro.SetMacroText(std::string_view(text).substr(0, storage::kMacroTextMax));
  return std::nullopt;
}

void ScriptEditorModel::Reindent() {
  SetIndents(lines_);
}

}  // namespace quindle::editors
