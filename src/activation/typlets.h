// Typlets: abbreviations that start a macro when the user types them in any program. The hook
// library reports every typed character (or a reset) with WM_TYPLET_CHAR; the main window keeps
// the last few in a buffer, compares it with the Typlet names of the Typlet macros at the right
// moment, erases the abbreviation with Backspace and plays the macro that fits the window in
// front.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "activation/hotkey_activation.h"

namespace quindle::activation {

inline constexpr std::size_t kTypletNameMax = 10;
inline constexpr std::size_t kTypletPrefixMax = 2;
inline constexpr std::size_t kTypletBufferMax = 20;
// At most this many matching macros take part in the choice by scope.
inline constexpr std::size_t kTypletMatchMax = 50;
// Between erasing the abbreviation and playing, so the target program has taken the Backspaces.
inline constexpr double kTypletEraseSettleSeconds = 0.1;

// The options of the "Typlets" section of the settings file.
struct TypletOptions {
  bool solitaryUsage = false;
  bool caseSensitive = true;
  bool useSuffix = false;  // tested at Space or Enter; otherwise after every character
  std::string prefixKeys;  // prefix mode only: typed right before the Typlet

  bool operator==(const TypletOptions&) const = default;
};

// Letters, digits and the 19 punctuation characters a Typlet (and its prefix) may consist of.
bool IsTypletCharacter(char c) noexcept;

class TypletActivation {
 public:
  // `hotkeys` runs the macro and owns the refusals and the program lookup the two starts share.
  TypletActivation(const ActivationServices& services, HotkeyActivation& hotkeys);
  TypletActivation(const TypletActivation&) = delete;
  TypletActivation& operator=(const TypletActivation&) = delete;

  void SetOptions(TypletOptions options);
  const TypletOptions& Options() const noexcept { return options_; }

  // WM_TYPLET_CHAR: `code` is the message's wParam (character, reset, character with Caps Lock
  // on), `ch` its character.
  void OnTypletChar(std::uintptr_t code, char ch);
  // Compares the buffer with the Typlet macros and runs the one that fits, if any.
  void TestIt();

  std::string_view Buffer() const noexcept { return buffer_; }
  // Forgets what was typed (the end of a pause: the keys typed meanwhile went to the pause, and
  // Backspaces for a Typlet completed later would erase the paused macro's own output).
  void ClearBuffer() noexcept { buffer_.clear(); }

 private:
  struct Match {
    int number = 0;
    std::int16_t scopeKind = 0;
    std::string scopeText;
  };
  // The prefix in force: none in suffix mode.
  std::string_view Prefix() const noexcept;
  // Fills matches_ from the table; false when the table could not be taken.
  bool FindMatches();
  bool Matches(std::string_view name) const noexcept;
  // The match to run by the scope of the window in front; 0 when none fits.
  int ChooseByScope();
  void RunTyplet(int n);

  ActivationServices services_;
  HotkeyActivation& hotkeys_;
  TypletOptions options_;
  std::string buffer_;
  std::string typed_;  // the buffer as compared: upper-cased unless case counts
  std::vector<Match> matches_;
};

}  // namespace quindle::activation
