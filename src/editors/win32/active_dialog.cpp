#include "editors/win32/active_dialog.h"

#include <cmath>

#include "editors/win32/command_dialogs_a_res.h"
#include "platform/help_topics.h"
#include "platform/win32/help.h"
#include "platform/win32/resource_ranges.h"

namespace quindle::editors::win32 {
namespace {

using platform::win32::InRange;
using platform::win32::kEditorDialogIds;
static_assert(InRange(kEditorDialogIds, IDD_DO_ACTIVE) &&
              InRange(kEditorDialogIds, IDC_ACT_FOLDER_NOTE) && IDD_DO_ACTIVE >= 3800 &&
              IDC_ACT_FOLDER_NOTE < 4100);
static_assert(IDC_ACT_KIND_LAST - IDC_ACT_KIND_FIRST + 1 == std::size(kActiveKindTexts));
static_assert(platform::kTopicActivatingWindows == kActiveHelpTopic);

constexpr std::array<int, 9> kProgramPanel{
    IDC_ACT_PROGRAM_GROUP, IDC_ACT_PATH_LABEL,   IDC_ACT_PATH,
    IDC_CDA_BROWSE,        IDC_ACT_PARAMS_LABEL, IDC_ACT_PARAMS,
    IDC_ACT_DELAY_LABEL,   IDC_ACT_DELAY,        IDC_ACT_FOLDER_NOTE};
constexpr std::array<int, 4> kWindowPanel{IDC_ACT_WINDOW_GROUP, IDC_ACT_TITLE_LABEL, IDC_ACT_TITLE,
                                          IDC_ACT_TITLE_NOTE};
constexpr std::array<int, 3> kButtons{IDOK, IDCANCEL, IDC_CDA_HELP};

// The model's layout is in pixels of a form whose dialog font is 13 pixels high, that is 8
// dialog units; in dialog units the dialog grows with the font, as the screen scale asks.
int UnitsOfFormPixels(int pixels) {
  return static_cast<int>(std::lround(pixels * 8.0 / 13.0));
}

int ControlOf(ActiveField field) {
  switch (field) {
    case ActiveField::WinTitle:
      return IDC_ACT_TITLE;
    case ActiveField::ProgPath:
      return IDC_ACT_PATH;
    case ActiveField::Params:
      return IDC_ACT_PARAMS;
    case ActiveField::DelaySecs:
      return IDC_ACT_DELAY;
    default:
      return IDC_ACT_KIND_FIRST;
  }
}

RECT ClientRectOf(HWND dialog, HWND control) {
  RECT rect{};
  static_cast<void>(::GetWindowRect(control, &rect));
  static_cast<void>(::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2));
  return rect;
}

}  // namespace

CommandOutcome TDoActive::Run(HWND owner) {
  return RunCommand(owner, IDD_DO_ACTIVE);
}

bool TDoActive::OnInit() {
  for (std::size_t i = 0; i < kProgramPanel.size(); ++i)
    programPanel_[i] = ClientRectOf(Handle(), Item(kProgramPanel[i]));
  for (std::size_t i = 0; i < kButtons.size(); ++i)
    buttons_[i] = ClientRectOf(Handle(), Item(kButtons[i]));
  RECT client{};
  static_cast<void>(::GetClientRect(Handle(), &client));
  clientWidth_ = client.right;

  SetLimit(IDC_ACT_TITLE, kActiveTitleLimit);
  SetLimit(IDC_ACT_PATH, kPathFieldLimit);
  SetLimit(IDC_ACT_DELAY, kActiveDelayLimit);
  SetItemText(IDC_ACT_TITLE, form_.title);
  SetItemText(IDC_ACT_PATH, form_.path);
  SetItemText(IDC_ACT_PARAMS, form_.parameters);
  SetItemText(IDC_ACT_DELAY, form_.delay);
  CheckRadio(IDC_ACT_KIND_FIRST, IDC_ACT_KIND_LAST,
             IDC_ACT_KIND_FIRST + static_cast<int>(form_.kind) - 1);
  Enabledisable(form_.kind, true);
  FocusItem(ControlOf(FirstFocusOfActive(form_.kind)));
  return false;
}

ActiveKind TDoActive::CheckedKind() const {
  const int kind = CheckedRadio(IDC_ACT_KIND_FIRST, IDC_ACT_KIND_LAST);
  return kind == 0 ? form_.kind : static_cast<ActiveKind>(kind);
}

void TDoActive::Enabledisable(ActiveKind kind, bool centre) {
  const ActiveLayout layout = LayoutOfActive(kind);
  const ActiveLayout full = LayoutOfActive(ActiveKind::LaunchAndActivate);
  for (const int id : kWindowPanel) ShowItem(id, layout.windowPanel);
  for (const int id : kProgramPanel) ShowItem(id, layout.programPanel);

  // Dialog units to client pixels, as the template's own numbers are turned.
  const auto pixels = [this](int units) {
    RECT rect{0, 0, 0, units};
    static_cast<void>(::MapDialogRect(Handle(), &rect));
    return static_cast<int>(rect.bottom);
  };
  const int fullRow = pixels(UnitsOfFormPixels(full.buttonRowTop));
  const int row = pixels(UnitsOfFormPixels(layout.buttonRowTop));
  // Without the window panel the program panel moves up by as much as the buttons do.
  const int panelShift = layout.windowPanel ? 0 : fullRow - row;
  for (std::size_t i = 0; i < kProgramPanel.size(); ++i) {
    const RECT& r = programPanel_[i];
    MoveItem(kProgramPanel[i], r.left, r.top - panelShift, r.right - r.left, r.bottom - r.top);
  }
  for (std::size_t i = 0; i < kButtons.size(); ++i) {
    const RECT& r = buttons_[i];
    MoveItem(kButtons[i], r.left, r.top - (buttons_[0].top - row), r.right - r.left,
             r.bottom - r.top);
  }
  // Moved controls leave their old places unpainted beneath the transparent group boxes.
  static_cast<void>(
      ::RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN));
  const int height = pixels(UnitsOfFormPixels(layout.clientHeight));
  if (centre) {
    CentreWithClientSize(clientWidth_, height);
    return;
  }
  RECT frame{0, 0, clientWidth_, height};
  const auto style = static_cast<DWORD>(::GetWindowLongPtrA(Handle(), GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(::GetWindowLongPtrA(Handle(), GWL_EXSTYLE));
  if (::AdjustWindowRectEx(&frame, style, FALSE, exStyle) == FALSE) return;
  static_cast<void>(::SetWindowPos(Handle(), nullptr, 0, 0, frame.right - frame.left,
                                   frame.bottom - frame.top,
                                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE));
}

void TDoActive::OnCommand(int id, int notifyCode) {
  if (id >= IDC_ACT_KIND_FIRST && id <= IDC_ACT_KIND_LAST) {
    if (notifyCode == BN_CLICKED) Enabledisable(CheckedKind(), false);
    return;
  }
  if (id == IDC_CDA_BROWSE) {
    if (notifyCode == BN_CLICKED)
      Browse(IDC_ACT_PATH, "", kActiveBrowseFilter, kActiveBrowseExtension);
    return;
  }
  CommandDialog::OnCommand(id, notifyCode);
}

void TDoActive::OnOK() {
  ActiveForm form;
  form.kind = CheckedKind();
  form.title = ItemText(IDC_ACT_TITLE);
  form.path = ItemText(IDC_ACT_PATH);
  form.parameters = ItemText(IDC_ACT_PARAMS);
  form.delay = ItemText(IDC_ACT_DELAY);
  const DialogOutcome<ActiveField> outcome = AcceptActive(form, paths_);
  Settle(outcome, ControlOf(outcome.focus));
}

void TDoActive::ShowHelp() {
  platform::win32::ShowHelpTopic(Handle(), platform::kTopicActivatingWindows);
}

CommandOutcome RunActiveDialog(HWND owner, const CommandDialogRequest& request,
                               IPathChecks& paths) {
  ActiveForm form =
      OpeningForm<LaunchData>(request, ActiveFormOf, DirectActiveForm, ActiveFormForCommand);
  TDoActive dialog(std::move(form), paths);
  return dialog.Run(owner);
}

}  // namespace quindle::editors::win32
