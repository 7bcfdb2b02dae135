// TDoSpecWind: "Set Title" / "Set Program", the window title or program name of a macro's scope
// and whether the macro runs only while that window or program is on top. The caller lists the
// windows or programs that are running; the dialog shows those the model lists (titles that are
// not blank, names with ".EXE"), sorted, and a double click copies an entry into the name.
#pragma once

#include "platform/win32/win32_api.h"

#include <optional>
#include <string>
#include <vector>

#include "editors/chooser_dialog_models.h"
#include "platform/win32/dialog_base.h"

namespace quindle::editors::win32 {

class TDoSpecWind final : public platform::win32::DialogBase {
 public:
  TDoSpecWind(SpecWindMode mode, std::string current, bool onTop, std::vector<std::string> names)
      : mode_(mode), current_(std::move(current)), onTop_(onTop), names_(std::move(names)) {}

  // The name and the on-top choice after "&Ok"; nothing after "&Cancel".
  std::optional<ScopeChoice> Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override;

 private:
  SpecWindMode mode_;
  std::string current_;
  bool onTop_;
  std::vector<std::string> names_;
  std::optional<ScopeChoice> result_;
};

// Window mode (`windowMode`) chooses a title, program mode a program name; `current` and `onTop`
// are the scope's present values, `names` the running windows' titles or programs' names.
std::optional<ScopeChoice> RunScopeChooser(HWND owner, bool windowMode, std::string current,
                                           bool onTop, std::vector<std::string> names);

}  // namespace quindle::editors::win32
