#include "editors/mod_hotkeys_model.h"

#include "editors/script_line.h"

namespace quindle::editors {

const std::array<DirectCommand, 19> kDirectCommands = {{
    {"DATE", "&Date", kCmdDate},
    {"TIME", "&Time", kCmdTime},
    {"DELAY", "D&elay", kCmdDelay},
    {"PAUSE", "Pa&use", kCmdPause},
    {"REPEAT", "&Repeat", kCmdRepeatStart},
    {"SPEED", "S&peed", kCmdKeystrokeSpeed},
    {"ACTIVATE", "&Activate", kCmdActivateOrLaunch},
    {"SOUND", "S&ound", kCmdSoundBeep},
    {"SWAP FILE", "S&wap File", kCmdLoadMacroFile},
    {"LOAD TEXT", "&Load Text", kCmdLoadTextFile},
    // The menu gives this one a caption of its own: an entry without one cannot be read or
    // chosen by its letter.
    {"SIZE / POS", "Si&ze / Position", kCmdResizeWindow},
    {"SYSTEM", "S&ystem", kCmdMaximizeWindow},
    {"MOUSE", "&Mouse", kCmdMouseMove},
    {"CLIPBOARD", "&Clipboard", kCmdClipboardStartCopy},
    {"REMARK", "Remar&k", kCmdRemark},
    {"KEY UP / DOWN", "Key U&p / Down", kCmdControlKey},
    {"WEB SITE", "We&b Site", kCmdWebSite},
    {"INTERNET FTP", "Internet &FTP", kCmdWebFtp},
    {"FILE COMMANDS", "", kCmdChangeDirectory},
}};

ModHotKeysModel::ModHotKeysModel(ActivationKind kind, bool existing, bool forcedWindow)
    : kind_(kind), existing_(existing), forcedWindow_(forcedWindow) {}

void ModHotKeysModel::Open(const storage::MacroRecord& macro) {
  header_ = OpenHeader(macro, kind_, existing_, forcedWindow_);
  const std::string text = existing_ ? std::string(macro.MacroText()) : std::string();
  memo_.Set(text, text.size());
}

std::string ModHotKeysModel::Caption() const {
  return HeaderCaption(kModHotKeysTitle, header_);
}

std::optional<std::string_view> ModHotKeysModel::InsertResult(
    const std::optional<std::string>& result) {
  if (!result || result->empty()) return std::nullopt;
  return memo_.SetIt(*result);
}

std::optional<EditorRefusal> ModHotKeysModel::Accept(storage::MacroRecord& macro, double now,
                                                     bool& truncated) {
  if (std::optional<EditorRefusal> refusal = CheckHeader(header_, kind_)) return refusal;
  const std::string text = StoredKeystrokes(memo_.Text(), truncated);
  WriteHeader(header_, kind_, existing_, now, macro);
  macro.SetMacroText(text);
  return std::nullopt;
}

}  // namespace quindle::editors
