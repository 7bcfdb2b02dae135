// TDoScripting: "Macro Scripting Editor", a macro as a list of readable command lines. The
// window only shows the editor model (editors/script_editor.h) and opens the dialog of a line's
// command family; every decision is the model's. It never writes the macro file: on "&Ok" the
// working record holds the new text and header, and the caller saves it.
#pragma once

#include "platform/win32/win32_api.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editors/script_editor.h"
#include "editors/win32/editor_header_controls.h"
#include "editors/win32/mod_text_dialog.h"
#include "editors/win32/path_checks.h"
#include "editors/wizard_tasks.h"
#include "platform/win32/dialog_base.h"
#include "storage/macro_record.h"

namespace quindle::editors::win32 {

// The editor window's place on the screen, in pixels: read from the settings before it opens
// and written back when it closes.
struct EditorPlacement {
  int left = 0;
  int top = 0;
  int width = 606;
  int height = 446;
};

struct ScriptingEditorSetup : MacroEditorSetup {
  EditorPlacement placement;
};

class TDoScripting final : public platform::win32::DialogBase {
 public:
  TDoScripting(storage::MacroRecord& macro, ScriptingEditorSetup setup);

  // Runs the editor modally; true after "&Ok", when `macro` holds the edited macro.
  bool Run(HWND owner);
  const EditorPlacement& Placement() const { return setup_.placement; }
  const DateTimeMemory& DateTime() const { return setup_.dateTime; }

 protected:
  bool OnInit() override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override;
  void OnSize(UINT kind, int clientWidth, int clientHeight) override;
  void OnDestroy() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  void FillCommands();
  void RefreshScript();
  void UpdateButtons();
  void Add(InsertMode mode);
  void EditLine();
  void Complain(std::string_view message, int focus);
  std::optional<ScriptLine> RunFamily(int command, const ScriptLine* line);
  void OpenWizard();
  bool RunWizardTask(const WizardTask& task);
  void Accept();

  struct Anchored {
    int id;
    RECT rect;  // in the dialog's client area when it opened
  };

  storage::MacroRecord& macro_;
  ScriptingEditorSetup setup_;
  ScriptEditorModel model_;
  Win32PathChecks paths_;
  std::unique_ptr<EditorHeaderControls> header_;
  bool accepted_ = false;
  SIZE initialClient_{};
  std::vector<Anchored> anchored_;
};

}  // namespace quindle::editors::win32
