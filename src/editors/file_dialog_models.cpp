#include "editors/file_dialog_models.h"

namespace quindle::editors {
namespace {

constexpr int kClipboardKindCount = 5;
constexpr int kClipboardFileKind = 3;

int CommandOfClipboardKind(int kind) noexcept {
  switch (kind) {
    case 1:
      return kCmdClipboardStartCopy;
    case 2:
      return kCmdClipboardEndCopy;
    case 3:
      return kCmdClipboardFileCopy;
    case 5:
      return kCmdClipboardPaste;
    default:
      return kCmdClipboardCopy;
  }
}

// The directory to change into: its short form without a trailing "\" (a drive root "C:\"
// becomes "C:"), and only when the program can change into it.
std::optional<std::string> ExistingDirectory(IPathChecks& checks, const std::string& path) {
  if (path.empty()) return std::nullopt;
  std::optional<std::string> directory = checks.ShortPath(path);
  if (!directory) return std::nullopt;
  if (directory->ends_with('\\')) directory->pop_back();
  if (directory->empty() || !checks.DirectoryExists(*directory)) return std::nullopt;
  return directory;
}

}  // namespace

// ---- "Set Sound"

SoundForm DirectSoundForm() {
  return SoundForm{};
}

SoundForm SoundFormForCommand(int command) {
  SoundForm form;
  form.wave = command == kCmdSoundWaveFile;
  return form;
}

SoundForm SoundFormOf(const SoundData& data) {
  return SoundForm{data.kind == 2, data.path, data.wait};
}

bool SoundWaveControlsEnabled(const SoundForm& form) noexcept {
  return form.wave;
}

DialogOutcome<SoundField, std::string> TestSound(const SoundForm& form, IPathChecks& checks) {
  std::string path = Trimmed(form.path);
  if (path.empty() || !checks.FileExists(path)) {
    return Refusal<SoundField, std::string>(kNoSuchWaveFile, SoundField::ProgPath);
  }
  return Acceptance<SoundField, std::string>(std::move(path));
}

DialogOutcome<SoundField> AcceptSound(const SoundForm& form, IPathChecks& checks) {
  using F = SoundField;
  CommandResult result;
  if (!form.wave) {
    result.kind = 1;
    result.command = kCmdSoundBeep;
    result.data = SoundData{};
    return Accepted<F>(std::move(result));
  }
  DialogOutcome<F, std::string> tested = TestSound(form, checks);
  if (!tested.Accepted()) return Refusal(tested.message, F::ProgPath);
  result.kind = 2;
  result.command = kCmdSoundWaveFile;
  result.data = SoundData{2, std::move(*tested.result), form.wait};
  return Accepted<F>(std::move(result));
}

// ---- "Clipboard"

ClipboardForm DirectClipboardForm() {
  return ClipboardForm{};
}

ClipboardForm ClipboardFormForCommand(int command) {
  ClipboardForm form;
  for (int kind = 1; kind <= kClipboardKindCount; ++kind) {
    if (CommandOfClipboardKind(kind) == command) form.kind = kind;
  }
  return form;
}

ClipboardForm ClipboardFormOf(int command, const ClipData& data) {
  ClipboardForm form = ClipboardFormForCommand(command);
  form.path = data.path;
  return form;
}

DialogOutcome<ClipboardField> AcceptClipboard(const ClipboardForm& form, IPathChecks& checks) {
  using F = ClipboardField;
  if (form.kind < 1 || form.kind > kClipboardKindCount) return Refusal("", F::Kind);
  ClipData data;
  data.kind = form.kind;
  CommandResult result;
  if (form.kind == kClipboardFileKind) {
    const std::optional<std::string> path = ExistingShortPath(checks, Trimmed(form.path));
    if (!path) return Refusal(kNoSuchTextFile, F::ProgPath);
    data.path = *path;
  }
  result.kind = form.kind;
  result.command = CommandOfClipboardKind(form.kind);
  result.data = std::move(data);
  return Accepted<F>(std::move(result));
}

// ---- "File Manipulation"

FilesForm DirectFilesForm() {
  return FilesForm{};
}

FilesForm FilesFormForCommand(int command) {
  FilesForm form;
  switch (command) {
    case kCmdCopyFile:
      form.kind = FilesKind::Copy;
      break;
    case kCmdRenameFile:
      form.kind = FilesKind::Rename;
      break;
    case kCmdDeleteFile:
      form.kind = FilesKind::Delete;
      break;
    default:
      break;
  }
  return form;
}

FilesForm FilesFormOf(int command, const FileData& data) {
  FilesForm form = FilesFormForCommand(command);
  form.path = data.first;
  form.newName = data.second;
  return form;
}

std::string_view FilesPathLabel(FilesKind kind) noexcept {
  return kind == FilesKind::ChangeDirectory ? kDirectoryLabel : kTextFilePathLabel;
}

bool FilesNewNameShown(FilesKind kind) noexcept {
  return kind == FilesKind::Copy || kind == FilesKind::Rename;
}

int CommandOfFilesKind(FilesKind kind) noexcept {
  switch (kind) {
    case FilesKind::ChangeDirectory:
      return kCmdChangeDirectory;
    case FilesKind::Copy:
      return kCmdCopyFile;
    case FilesKind::Rename:
      return kCmdRenameFile;
    case FilesKind::Delete:
      break;
  }
  return kCmdDeleteFile;
}

DialogOutcome<FilesField> AcceptFiles(const FilesForm& form, IPathChecks& checks) {
  using F = FilesField;
  FileData data;
  data.kind = static_cast<int>(form.kind);
  if (FilesNewNameShown(form.kind)) {
    data.second = Trimmed(form.newName);
    if (data.second.empty()) return Refusal(kNoNewName, F::NewName);
    if (HoldsTagEnd(data.second)) return Refusal(kNoTagEndMessage, F::NewName);
  }
  const std::string path = Trimmed(form.path);
  if (form.kind == FilesKind::ChangeDirectory) {
    const std::optional<std::string> directory = ExistingDirectory(checks, path);
    if (!directory) return Refusal(kNoSuchDirectory, F::ProgPath);
    data.first = *directory;
  } else {
    const std::optional<std::string> shortPath = ExistingShortPath(checks, path);
    if (!shortPath) return Refusal(kNoSuchTextFile, F::ProgPath);
    data.first = *shortPath;
  }
  CommandResult result;
  result.kind = data.kind;
  result.command = CommandOfFilesKind(form.kind);
  result.data = std::move(data);
  return Accepted<F>(std::move(result));
}

// ---- "Load A New Macro File"

DialogOutcome<PathField> AcceptSwap(std::string_view path, IPathChecks& checks) {
  const std::optional<std::string> shortPath = ExistingShortPath(checks, Trimmed(path));
  if (!shortPath) return Refusal(kNoSuchMacroFile, PathField::ProgPath);
  return Acceptance<PathField>(StringCommand(kCmdLoadMacroFile, *shortPath));
}

// ---- "Load Text from a Text File"

DialogOutcome<PathField> AcceptTextInsert(std::string_view path, IPathChecks& checks,
                                          Answer answer) {
  using F = PathField;
  std::string typed = Trimmed(path);
  if (HoldsTagEnd(typed)) return Refusal(kNoTagEndMessage, F::ProgPath);
  if (typed.empty() || !checks.FileExists(typed)) {
    if (answer == Answer::None) {
      DialogOutcome<F> question = Refusal(kCorrectMissingFile, F::ProgPath, kWarningCaption);
      question.question = true;
      return question;
    }
    // Yes: back to the path to correct it, with nothing more to say.
    if (answer == Answer::Yes) return Refusal("", F::ProgPath, kWarningCaption);
  }
  return Acceptance<F>(StringCommand(kCmdLoadTextFile, std::move(typed)));
}

DialogOutcome<PathField, std::string> EditTextFile(std::string_view path, IPathChecks& checks) {
  std::string typed = Trimmed(path);
  if (typed.empty() || !checks.FileExists(typed)) {
    return Refusal<PathField, std::string>(kCannotEditMissingFile, PathField::ProgPath);
  }
  return Acceptance<PathField, std::string>(std::move(typed));
}

}  // namespace quindle::editors
