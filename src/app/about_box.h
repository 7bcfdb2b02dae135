// What the About box says: the program's name and what this version can do yet. The box has
// nothing to validate; its model is its texts.
#pragma once

#include <string>
#include <string_view>

namespace quindle::app {

inline constexpr std::string_view kAboutCaption = "About Quindle 98";
inline constexpr std::string_view kProgramName = "Quindle 98";

struct AboutView {
  std::string caption;
  std::string programName;
  std::string detail;
  std::string macroFile;  // "Macro file: <path>", empty when none is open
};

// `macroFile`: the file the program has open (empty: none).
AboutView MakeAboutView(std::string_view macroFile);

}  // namespace quindle::app
