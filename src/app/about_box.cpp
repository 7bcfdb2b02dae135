#include "app/about_box.h"

namespace quindle::app {

AboutView MakeAboutView(std::string_view macroFile) {
  AboutView view;
  view.caption = std::string(kAboutCaption);
  view.programName = std::string(kProgramName);
  view.detail = "Keyboard and mouse macros for Windows.";
  if (!macroFile.empty()) view.macroFile = "Macro file: " + std::string(macroFile);
  return view;
}

}  // namespace quindle::app
