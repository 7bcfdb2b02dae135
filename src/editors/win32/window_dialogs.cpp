#include "editors/win32/window_dialogs.h"

#include "editors/win32/command_dialogs_a_res.h"
#include "platform/help_topics.h"
#include "platform/win32/help.h"
#include "platform/win32/resource_ranges.h"

namespace quindle::editors::win32 {
namespace {

using platform::win32::InRange;
using platform::win32::kEditorDialogIds;
constexpr bool InFirstPart(int id) {
  return InRange(kEditorDialogIds, id) && id >= 3800 && id < 4100;
}
static_assert(InFirstPart(IDD_DO_SIZEIT) && InFirstPart(IDC_SIZ_SECOND));
static_assert(InFirstPart(IDD_DO_SYSTEM) && InFirstPart(IDC_SYS_TITLE_NOTE));
static_assert(InFirstPart(IDD_DO_MOUSE) && InFirstPart(IDC_MOU_CLICKS));
static_assert(IDC_SYS_ACTION_LAST - IDC_SYS_ACTION_FIRST + 1 == std::size(kSystemCommandTexts));
static_assert(IDC_MOU_ACTION_FIRST == IDC_MOU_ACTION_BASE + 1 &&
              IDC_MOU_ACTION_LAST == IDC_MOU_ACTION_BASE + 15);
static_assert(platform::kTopicSizeOrPosition == kSizeItHelpTopic);
static_assert(platform::kTopicSystemCommands == kSystemCommandHelpTopic);
static_assert(platform::kTopicMouseCommands == kMouseHelpTopic);

int ControlOf(SizeItField field) {
  switch (field) {
    case SizeItField::WinTitle:
      return IDC_SIZ_TITLE;
    case SizeItField::TheWidth:
      return IDC_SIZ_FIRST;
    case SizeItField::TheHeight:
      return IDC_SIZ_SECOND;
    default:
      return IDC_SIZ_RESIZE;
  }
}

int ControlOf(MouseField field, int action) {
  switch (field) {
    case MouseField::XPos:
      return IDC_MOU_X;
    case MouseField::YPos:
      return IDC_MOU_Y;
    case MouseField::NumClicks:
      return IDC_MOU_CLICKS;
    default:
      return IDC_MOU_ACTION_BASE + action;
  }
}

}  // namespace

// ---- "Size or Position a Window"

CommandOutcome TDoSizeIt::Run(HWND owner) {
  return RunCommand(owner, IDD_DO_SIZEIT);
}

bool TDoSizeIt::OnInit() {
  SetLimit(IDC_SIZ_FIRST, kSizeItNumberLimit);
  SetLimit(IDC_SIZ_SECOND, kSizeItNumberLimit);
  SetItemText(IDC_SIZ_TITLE, form_.title);
  SetItemText(IDC_SIZ_FIRST, form_.first);
  SetItemText(IDC_SIZ_SECOND, form_.second);
  CheckRadio(IDC_SIZ_CURRENT, IDC_SIZ_SPECIFIC, form_.current ? IDC_SIZ_CURRENT : IDC_SIZ_SPECIFIC);
  CheckRadio(IDC_SIZ_RESIZE, IDC_SIZ_POSITION, form_.position ? IDC_SIZ_POSITION : IDC_SIZ_RESIZE);
  FollowChoices();
  FocusItem(WindowTitleEnabled(form_.current) ? IDC_SIZ_TITLE : IDC_SIZ_FIRST);
  return false;
}

SizeItForm TDoSizeIt::ReadForm() const {
  SizeItForm form;
  form.current = IsChecked(IDC_SIZ_CURRENT);
  form.title = ItemText(IDC_SIZ_TITLE);
  form.position = IsChecked(IDC_SIZ_POSITION);
  form.first = ItemText(IDC_SIZ_FIRST);
  form.second = ItemText(IDC_SIZ_SECOND);
  return form;
}

void TDoSizeIt::FollowChoices() {
  const SizeItForm form = ReadForm();
  const bool title = WindowTitleEnabled(form.current);
  for (const int id : {IDC_SIZ_TITLE_LABEL, IDC_SIZ_TITLE, IDC_SIZ_TITLE_NOTE}) Enable(id, title);
  const SizeItLabels labels = LabelsOfSizeIt(form);
  SetItemText(IDC_SIZ_FIRST_LABEL, labels.first);
  SetItemText(IDC_SIZ_SECOND_LABEL, labels.second);
}

void TDoSizeIt::OnCommand(int id, int notifyCode) {
  if (id == IDC_SIZ_CURRENT || id == IDC_SIZ_SPECIFIC || id == IDC_SIZ_RESIZE ||
      id == IDC_SIZ_POSITION) {
    if (notifyCode == BN_CLICKED) FollowChoices();
    return;
  }
  CommandDialog::OnCommand(id, notifyCode);
}

void TDoSizeIt::OnOK() {
  const DialogOutcome<SizeItField> outcome = AcceptSizeIt(ReadForm());
  Settle(outcome, ControlOf(outcome.focus));
}

void TDoSizeIt::ShowHelp() {
  platform::win32::ShowHelpTopic(Handle(), platform::kTopicSizeOrPosition);
}

CommandOutcome RunSizeItDialog(HWND owner, const CommandDialogRequest& request) {
  SizeItForm form =
      OpeningForm<WindowSizeData>(request, SizeItFormOf, DirectSizeItForm, SizeItFormForCommand);
  TDoSizeIt dialog(std::move(form));
  return dialog.Run(owner);
}

// ---- "System Commands"

CommandOutcome TDoSystemCommand::Run(HWND owner) {
  return RunCommand(owner, IDD_DO_SYSTEM);
}

bool TDoSystemCommand::OnInit() {
  SetItemText(IDC_SYS_TITLE, form_.title);
  const int action = IDC_SYS_ACTION_FIRST + form_.action - 1;
  CheckRadio(IDC_SYS_ACTION_FIRST, IDC_SYS_ACTION_LAST, action);
  CheckRadio(IDC_SYS_CURRENT, IDC_SYS_SPECIFIC, form_.current ? IDC_SYS_CURRENT : IDC_SYS_SPECIFIC);
  FollowWindowChoice();
  FocusItem(action);
  return false;
}

void TDoSystemCommand::FollowWindowChoice() {
  const bool title = WindowTitleEnabled(IsChecked(IDC_SYS_CURRENT));
  for (const int id : {IDC_SYS_TITLE_LABEL, IDC_SYS_TITLE, IDC_SYS_TITLE_NOTE}) Enable(id, title);
}

void TDoSystemCommand::OnCommand(int id, int notifyCode) {
  if (id == IDC_SYS_CURRENT || id == IDC_SYS_SPECIFIC) {
    if (notifyCode == BN_CLICKED) FollowWindowChoice();
    return;
  }
  CommandDialog::OnCommand(id, notifyCode);
}

void TDoSystemCommand::OnOK() {
  SystemCommandForm form;
  const int action = CheckedRadio(IDC_SYS_ACTION_FIRST, IDC_SYS_ACTION_LAST);
  form.action = action == 0 ? form_.action : action;
  form.current = IsChecked(IDC_SYS_CURRENT);
  form.title = ItemText(IDC_SYS_TITLE);
  const DialogOutcome<SystemCommandField> outcome = AcceptSystemCommand(form);
  Settle(outcome, outcome.focus == SystemCommandField::WinTitle
                      ? IDC_SYS_TITLE
                      : IDC_SYS_ACTION_FIRST + form.action - 1);
}

void TDoSystemCommand::ShowHelp() {
  platform::win32::ShowHelpTopic(Handle(), platform::kTopicSystemCommands);
}

CommandOutcome RunSystemDialog(HWND owner, const CommandDialogRequest& request) {
  SystemCommandForm form = OpeningForm<WindowData>(
      request, SystemCommandFormOf, DirectSystemCommandForm, SystemCommandFormForCommand);
  TDoSystemCommand dialog(std::move(form));
  return dialog.Run(owner);
}

// ---- "Mouse Commands"

CommandOutcome TDoMouse::Run(HWND owner) {
  return RunCommand(owner, IDD_DO_MOUSE);
}

bool TDoMouse::OnInit() {
  SetLimit(IDC_MOU_X, kMousePositionLimit);
  SetLimit(IDC_MOU_Y, kMousePositionLimit);
  SetLimit(IDC_MOU_CLICKS, kWheelClicksLimit);
  SetItemText(IDC_MOU_X, form_.x);
  SetItemText(IDC_MOU_Y, form_.y);
  SetItemText(IDC_MOU_CLICKS, form_.clicks);
  CheckRadio(IDC_MOU_ACTION_FIRST, IDC_MOU_ACTION_LAST, IDC_MOU_ACTION_BASE + form_.action);
  CheckRadio(IDC_MOU_SCREEN, IDC_MOU_WINDOW, form_.window ? IDC_MOU_WINDOW : IDC_MOU_SCREEN);
  FollowAction();
  FocusItem(IDC_MOU_ACTION_BASE + form_.action);
  return false;
}

int TDoMouse::CheckedAction() const {
  const int action = CheckedRadio(IDC_MOU_ACTION_FIRST, IDC_MOU_ACTION_LAST);
  return action == 0 ? form_.action : action;
}

void TDoMouse::FollowAction() {
  const MouseEnables enables = EnablesOfMouse(CheckedAction());
  Enable(IDC_MOU_SCREEN, enables.relative);
  Enable(IDC_MOU_WINDOW, enables.relative);
  for (const int id : {IDC_MOU_X_LABEL, IDC_MOU_X, IDC_MOU_Y_LABEL, IDC_MOU_Y})
    Enable(id, enables.position);
  Enable(IDC_MOU_CLICKS_LABEL, enables.clicks);
  Enable(IDC_MOU_CLICKS, enables.clicks);
}

void TDoMouse::OnCommand(int id, int notifyCode) {
  if (id >= IDC_MOU_ACTION_FIRST && id <= IDC_MOU_ACTION_LAST) {
    if (notifyCode == BN_CLICKED) FollowAction();
    return;
  }
  CommandDialog::OnCommand(id, notifyCode);
}

void TDoMouse::OnOK() {
  MouseForm form;
  form.action = CheckedAction();
  form.window = IsChecked(IDC_MOU_WINDOW);
  form.x = ItemText(IDC_MOU_X);
  form.y = ItemText(IDC_MOU_Y);
  form.clicks = ItemText(IDC_MOU_CLICKS);
  const DialogOutcome<MouseField> outcome = AcceptMouse(form);
  Settle(outcome, ControlOf(outcome.focus, form.action));
}

void TDoMouse::ShowHelp() {
  platform::win32::ShowHelpTopic(Handle(), platform::kTopicMouseCommands);
}

CommandOutcome RunMouseDialog(HWND owner, const CommandDialogRequest& request) {
  MouseForm form =
      OpeningForm<MouseData>(request, MouseFormOf, DirectMouseForm, MouseFormForCommand);
  TDoMouse dialog(std::move(form));
  return dialog.Run(owner);
}

}  // namespace quindle::editors::win32
