// What a capture is started with and what its two dialogs hand back. The capture session (which
// fills the shared table, writes the capture file and completes the macro) and the dialogs (which
// ask the user) meet only through these types, so each is tested without the other.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quindle::storage {
struct SharedMacroTable;
}

namespace quindle::capture {

// Section "Capture" of the settings; a default-constructed value holds every key's default.
struct CaptureOptions {
  bool keys = true;            // "Keys"
  bool doubleAlt = true;       // "Double Alt"
  bool mouse = true;           // "Mouse"
  bool screenRelative = true;  // "Relative To Screen"
  bool windowSize = true;      // "Window Size"
  bool timing = true;          // "Time"
  int speed = 1;               // "Speed": 1 actual, 2 half, 3 double, 4 quadruple
  bool prompt = true;          // "Prompt"
  bool global = true;          // "Global"

  bool operator==(const CaptureOptions&) const = default;
};

enum class ScopeChoice { Global, Program };

// What "Capture Macro" (TCaptureKeys) shows.
struct CaptureKeysRequest {
  std::string stopText1;      // "Press " + name + " to end capture"
  std::string stopText2;      // "Or Press " + name + " to end capture"; empty for a Typlet macro
  std::string nickname;       // the macro's nickname, empty for a new macro
  bool forceProgram = false;  // "&Global" disabled and "&Program" chosen
  CaptureOptions options;     // the capture defaults
};

// "&Start Capture" was pressed with these choices.
struct CaptureKeysResult {
  CaptureOptions options;  // only keys..speed are used
  std::string nickname;    // at most 50 characters
  ScopeChoice scope = ScopeChoice::Global;
};

// What "Capture Complete" (TCapComplete) needs after a quick capture.
struct CapCompleteRequest {
  const storage::SharedMacroTable* table = nullptr;  // for the key list counts and the in-use check
  ScopeChoice scope = ScopeChoice::Global;           // the "Global" default
};

// "&Ok" was pressed and every check passed.
struct CapCompleteResult {
  bool typlet = false;
  std::uint16_t hotkeyNumber = 0;  // the chosen code, or 20000 for a Typlet
  std::string typletName;          // trimmed, at most 10 characters; empty for a hotkey
  std::string nickname;            // trimmed, at most 50 characters
  ScopeChoice scope = ScopeChoice::Global;
};

// The dialogs, as the session sees them. Each returns nullopt when the user closed it without
// starting (TCaptureKeys) or without "&Ok" (TCapComplete).
class ICaptureDialogs {
 public:
  virtual ~ICaptureDialogs() = default;
  virtual std::optional<CaptureKeysResult> RunCaptureKeys(const CaptureKeysRequest& request) = 0;
  virtual std::optional<CapCompleteResult> RunCapComplete(const CapCompleteRequest& request) = 0;
};

}  // namespace quindle::capture
