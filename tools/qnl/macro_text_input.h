// The two ways a qnl subcommand is told which macro text to work on: the text itself
// (--text, in UTF-8) or macro N of a macro file.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace quindle::tool {

struct MacroTextInput {
  std::optional<std::string> text;
  std::string file;
  int number = 0;
};

struct ChosenMacro {
  std::string text;  // the MacroText, in the program's code page
  std::string nickname;
  std::uint16_t hotkey = 0;
};

// The macro text `input` names; nullopt when it names none, after one "qnl: ..." line on `err`.
// `command` is the subcommand's name for the message when neither way was given.
std::optional<ChosenMacro> ChooseMacroText(const MacroTextInput& input, std::string_view command,
                                           std::ostream& err);

}  // namespace quindle::tool
