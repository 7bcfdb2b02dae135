#include "editors/win32/scripting_editor.h"

#include <algorithm>

#include "editors/win32/editor_dialogs_res.h"
#include "editors/win32/family_dialogs.h"
#include "editors/win32/scope_chooser_dialog.h"
#include "editors/win32/wizard_dialog.h"
#include "platform/help_topics.h"
#include "platform/win32/controls/check_box.h"
#include "platform/win32/controls/edit_field.h"
#include "platform/win32/controls/field_focus.h"
#include "platform/win32/controls/list_box.h"
#include "platform/win32/handles.h"
#include "platform/win32/help.h"
#include "platform/win32/prompts.h"
#include "platform/win32/resource_ranges.h"
#include "platform/win32/window_handle.h"

namespace quindle::editors::win32 {
namespace {

using platform::win32::InRange;
using platform::win32::kEditorDialogIds;
using platform::win32::ListBox;
static_assert(InRange(kEditorDialogIds, IDD_SCRIPTING_EDITOR) &&
              InRange(kEditorDialogIds, IDC_SE_HELP));

constexpr int kMinimumWidth = 320;

// How each control follows the window's size: the lists grow, the buttons beside the script
// keep their distance to the right edge, the header and the middle buttons stay.
enum class Follow { Stay, Grow, GrowDown, MoveRight };

struct Anchor {
  int id;
  Follow follow;
};

constexpr Anchor kAnchors[] = {
    {IDC_SE_COMMANDS, Follow::GrowDown}, {IDC_SE_SCRIPT, Follow::Grow},
    {IDC_SE_UP, Follow::MoveRight},      {IDC_SE_DOWN, Follow::MoveRight},
    {IDC_SE_EDIT, Follow::MoveRight},    {IDC_SE_COPY, Follow::MoveRight},
    {IDC_SE_DELETE, Follow::MoveRight},  {IDOK, Follow::MoveRight},
    {IDCANCEL, Follow::MoveRight},       {IDC_SE_HELP, Follow::MoveRight},
};

constexpr HeaderIds kHeaderIds{IDC_SE_ACTIVATION, IDC_SE_TYPLET, IDC_SE_SCHEDULE,
                               IDC_SE_NICKNAME,   IDC_SE_GLOBAL, IDC_SE_WINDOW,
                               IDC_SE_PROGRAM,    IDC_SE_SELECT, IDC_SE_ICON};

Follow FollowOf(int id) {
  for (const Anchor& anchor : kAnchors) {
    if (anchor.id == id) return anchor.follow;
  }
  return Follow::Stay;
}

}  // namespace

TDoScripting::TDoScripting(storage::MacroRecord& macro, ScriptingEditorSetup setup)
    : macro_(macro), setup_(std::move(setup)), model_(setup_.kind, setup_.existing) {}

bool TDoScripting::Run(HWND owner) {
  accepted_ = false;
  if (!RunModal(owner, IDD_SCRIPTING_EDITOR)) return false;
  return accepted_;
}

bool TDoScripting::OnInit() {
  AnswerF1With(IDC_SE_HELP);
  model_.Open(macro_);
  RECT client{};
  GetClientRect(Handle(), &client);
  initialClient_ = {client.right, client.bottom};
  for (const Anchor& anchor : kAnchors) {
    RECT rect{};
    if (GetWindowRect(Item(anchor.id), &rect)) {
      MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&rect), 2);
      anchored_.push_back({anchor.id, rect});
    }
  }
  header_ = std::make_unique<EditorHeaderControls>(Handle(), kHeaderIds, setup_, model_.Header());
  header_->Show();
  FillCommands();
  RefreshScript();
  SetCaption(model_.Caption());
  // The size the user left it at, centred on the screen.
  const EditorPlacement& p = setup_.placement;
  const int width = std::max(p.width, kMinimumWidth);
  const int height = std::max(p.height, 200);
  PlaceWindow((GetSystemMetrics(SM_CXSCREEN) - width) / 2,
              (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height);
  FocusItem(IDC_SE_NICKNAME);
  return false;
}

void TDoScripting::FillCommands() {
  ListBox commands(Handle(), IDC_SE_COMMANDS);
  for (const auto& [name, number] : SortedCommands()) {
    const int row = commands.Add(name);
    if (row >= 0) commands.Send(LB_SETITEMDATA, static_cast<WPARAM>(row), number);
  }
}

void TDoScripting::RefreshScript() {
  ListBox script(Handle(), IDC_SE_SCRIPT);
  SendMessageA(script.Handle(), WM_SETREDRAW, FALSE, 0);
  script.Clear();
  int widest = 0;
  {
    const platform::win32::WindowDc dc(script.Handle());
    const platform::win32::SelectedObject font(dc.Get(),
                                               reinterpret_cast<HGDIOBJ>(script.Send(WM_GETFONT)));
    for (const ScriptLine& line : model_.Lines()) {
      script.Add(line.text);
      SIZE size{};
      if (dc && GetTextExtentPoint32A(dc.Get(), line.text.data(),
                                      static_cast<int>(line.text.size()), &size)) {
        widest = std::max(widest, static_cast<int>(size.cx));
      }
    }
  }
  script.Send(LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 8));
  script.Select(model_.Selected());
  SendMessageA(script.Handle(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(script.Handle(), nullptr, TRUE);
  UpdateButtons();
}

void TDoScripting::UpdateButtons() {
  const EditorButtons buttons = model_.Buttons();
  platform::win32::Control(Handle(), IDC_SE_UP).Enable(buttons.up);
  platform::win32::Control(Handle(), IDC_SE_DOWN).Enable(buttons.down);
  platform::win32::Control(Handle(), IDC_SE_EDIT).Enable(buttons.edit);
  platform::win32::Control(Handle(), IDC_SE_COPY).Enable(buttons.copy);
  platform::win32::Control(Handle(), IDC_SE_DELETE).Enable(buttons.remove);
}

void TDoScripting::OnCommand(int id, int notifyCode) {
  switch (id) {
    case IDC_SE_COMMANDS:
      if (notifyCode == LBN_DBLCLK) Add(InsertMode::Append);
      return;
    case IDC_SE_SCRIPT:
      if (notifyCode == LBN_SELCHANGE) {
        model_.Select(ListBox(Handle(), IDC_SE_SCRIPT).Selected());
        UpdateButtons();
      } else if (notifyCode == LBN_DBLCLK) {
        EditLine();
      }
      return;
    case IDC_SE_INSERT_BEFORE:
      Add(InsertMode::Before);
      return;
    case IDC_SE_INSERT_AFTER:
      Add(InsertMode::After);
      return;
    case IDC_SE_ADD:
      Add(InsertMode::Append);
      return;
    case IDC_SE_EDIT:
      EditLine();
      return;
    case IDC_SE_UP:
      if (model_.MoveUp()) RefreshScript();
      return;
    case IDC_SE_DOWN:
      if (model_.MoveDown()) RefreshScript();
      return;
    case IDC_SE_COPY:
      if (const auto refused = model_.Copy()) return Complain(*refused, IDC_SE_SCRIPT);
      RefreshScript();
      return;
    case IDC_SE_DELETE:
      if (const auto refused = model_.Delete()) return Complain(*refused, IDC_SE_SCRIPT);
      RefreshScript();
      return;
    case IDC_SE_SELECT:
      // "&Select" and "Macro &Script" share Alt+S, and the editor's keys give it to the script
      // list; the dialog manager would press the button whenever it is enabled.
      if (GetKeyState(VK_MENU) < 0) {
        platform::win32::FocusFieldInError(Handle(), IDC_SE_SCRIPT);
        return;
      }
      break;
    case IDC_SE_WIZARD:
      OpenWizard();
      return;
    case IDC_SE_HELP:
      platform::win32::ShowHelpTopic(Handle(), platform::kTopicScriptingEditor);
      return;
    default:
      break;
  }
  if (header_ && header_->OnCommand(id, notifyCode, macro_)) {
    SetCaption(model_.Caption());
    return;
  }
  DialogBase::OnCommand(id, notifyCode);
}

// The Enter key adds the chosen command in the command list and edits the chosen line in the
// script; anywhere else, and "&Ok" itself however it is pressed, accepts the editor.
void TDoScripting::OnOK() {
  const bool enterKey = (GetKeyState(VK_RETURN) & 0x8000) != 0;
  const HWND focus = GetFocus();
  if (enterKey && focus == Item(IDC_SE_COMMANDS)) return Add(InsertMode::Append);
  if (enterKey && focus == Item(IDC_SE_SCRIPT)) return EditLine();
  Accept();
}

void TDoScripting::Add(InsertMode mode) {
  ListBox commands(Handle(), IDC_SE_COMMANDS);
  const int row = commands.Selected();
  const int command = row < 0 ? 0 : static_cast<int>(commands.Send(LB_GETITEMDATA, row));
  if (const auto refused = model_.BeginAdd(command, mode)) {
    return Complain(*refused, IDC_SE_COMMANDS);
  }
  std::optional<ScriptLine> line = RunFamily(command, nullptr);
  if (!line) return;
  model_.InsertLine(std::move(*line));
  RefreshScript();
  FocusItem(IDC_SE_SCRIPT);
}

void TDoScripting::EditLine() {
  int command = 0;
  if (const auto refused = model_.BeginEdit(command)) return Complain(*refused, IDC_SE_SCRIPT);
  const ScriptLine& current = model_.Lines()[static_cast<std::size_t>(model_.Selected())];
  std::optional<ScriptLine> line = RunFamily(command, &current);
  if (!line) return;
  model_.ReplaceSelected(std::move(*line));
  RefreshScript();
  FocusItem(IDC_SE_SCRIPT);
}

std::optional<ScriptLine> TDoScripting::RunFamily(int command, const ScriptLine* line) {
  FamilyDialogContext context{setup_.keyboardHook, paths_, setup_.dateTime};
  return RunFamilyDialog(Handle(), command, line, context);
}

void TDoScripting::OpenWizard() {
  TDoWizard wizard([this](const WizardTask& task) { return RunWizardTask(task); });
  wizard.Run(Handle());
  FocusItem(IDC_SE_SCRIPT);
}

// A task appends at the end of the list, whatever line is selected.
bool TDoScripting::RunWizardTask(const WizardTask& task) {
  if (model_.BeginAdd(task.command, InsertMode::Append)) return false;
  const std::optional<CommandData> preset = WizardPreset(task);
  const ScriptLine presetLine{std::string(), preset.value_or(CommandData{})};
  std::optional<ScriptLine> line = RunFamily(task.command, preset ? &presetLine : nullptr);
  if (!line) return false;
  model_.InsertLine(std::move(*line));
  RefreshScript();
  return true;
}

void TDoScripting::Complain(std::string_view message, int focus) {
  platform::win32::Win32Prompts(platform::win32::FromHwnd(Handle()))
      .ShowMessage(kEditorError, message);
  FocusItem(focus);
}

void TDoScripting::Accept() {
  const bool accepted =
      header_->AcceptInto(macro_, [this](storage::MacroRecord& macro, double now, bool& truncated) {
        return model_.Accept(macro, now, truncated);
      });
  if (!accepted) return;
  accepted_ = true;
  End(IDOK);
}

void TDoScripting::OnSize(UINT kind, int clientWidth, int clientHeight) {
  if (kind == SIZE_MINIMIZED || anchored_.empty()) return;
  const int dx = clientWidth - initialClient_.cx;
  const int dy = clientHeight - initialClient_.cy;
  for (const Anchored& control : anchored_) {
    RECT r = control.rect;
    switch (FollowOf(control.id)) {
      case Follow::Grow:
        r.right += dx;
        r.bottom += dy;
        break;
      case Follow::GrowDown:
        r.bottom += dy;
        break;
      case Follow::MoveRight:
        r.left += dx;
        r.right += dx;
        break;
      case Follow::Stay:
        break;
    }
    MoveItem(control.id, r.left, r.top, std::max<int>(r.right - r.left, 20),
             std::max<int>(r.bottom - r.top, 20));
  }
  InvalidateRect(Handle(), nullptr, TRUE);
}

bool TDoScripting::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  // The right button released on the icon offers the program's own icon again.
  if (message == WM_CONTEXTMENU && header_ &&
      header_->OnContextMenu(reinterpret_cast<HWND>(wParam))) {
    result = 0;
    return true;
  }
  if (message != WM_GETMINMAXINFO) return false;
  auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
  info->ptMinTrackSize.x = kMinimumWidth;
  info->ptMinTrackSize.y = 200;
  result = 0;
  return true;
}

void TDoScripting::OnDestroy() {
  RECT rect{};
  if (GetWindowRect(Handle(), &rect)) {
    setup_.placement = {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
  }
}

}  // namespace quindle::editors::win32
