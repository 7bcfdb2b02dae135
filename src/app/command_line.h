// The command line of the main program: its arguments and what each changes at start.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/settings.h"

namespace quindle::app {

// The effects of the arguments that are not settings.
struct StartOptions {
  bool hide = false;       // "/HIDE": the main window hides at its first paint
  bool browse = false;     // "/B": no change to macros
  bool browseAll = false;  // "/BA": nor opening files, printing, options or sorting
  // "/F": the macro file to open instead of the remembered one, upper-cased. The caller opens
  // it only when it exists.
  std::optional<std::string> file;
};

// The arguments text that follows the program name: a full command line as the system gives it
// (GetCommandLineA) with the program name and the blanks after it removed. The program name ends
// at the first blank, or, when it starts with a double quote, at the next double quote.
std::string_view SkipProgramName(std::string_view commandLine);

// Splits the arguments text by the system's rules: blanks separate arguments; double quotes
// group blanks into one argument and are removed; inside quotes "" is one double quote;
// backslashes are literal except before a double quote, where each pair gives one backslash and
// an odd one makes the double quote literal. The program name is never among the results: pass
// the text after it (WinMain's command-line argument) as it is, or a full command line
// (GetCommandLineA) with `startsWithProgramName`, which drops it as SkipProgramName does.
std::vector<std::string> SplitCommandLine(std::string_view commandLine,
                                          bool startsWithProgramName = false);

// Applies one argument, whatever its case: whole "/HIDE", "/B", "/BA", "/S", "/N"; "/SM" followed
// by a number 1..98; "/F" followed by a path (blanks around the path dropped, an empty path
// ignored). Anything else is ignored. "/F" is a prefix, so "/FOO" names the file "OO".
void ProcessParam(std::string_view argument, Settings& settings, StartOptions& options);

// Applies the whole command line in order, as ProcessParam does one argument, and also takes the
// form a user types: "/F" alone followed by the path as the next argument ("/F C:\X.QNL"). A next
// argument that is itself an option ("/HIDE") is not taken for the path.
void ProcessParams(const std::vector<std::string>& arguments, Settings& settings,
                   StartOptions& options);

}  // namespace quindle::app
