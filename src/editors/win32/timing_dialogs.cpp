#include "editors/win32/timing_dialogs.h"

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
static_assert(InFirstPart(IDD_DO_DELAY2) && InFirstPart(IDC_DLY_MILLISECONDS));
static_assert(InFirstPart(IDD_DO_PAUSE) && InFirstPart(IDC_PAU_MESSAGE));
static_assert(InFirstPart(IDD_DO_REPEAT) && InFirstPart(IDC_REP_COUNT));
static_assert(InFirstPart(IDD_DO_SPEED) && InFirstPart(IDC_SPD_COUNT));
static_assert(IDC_REP_KIND_LAST - IDC_REP_KIND_FIRST + 1 == std::size(kRepeatKindTexts));
static_assert(IDC_SPD_KIND_LAST - IDC_SPD_KIND_FIRST + 1 == std::size(kSpeedKindTexts));
static_assert(platform::kTopicDelays == kDelay2HelpTopic);
static_assert(platform::kTopicMacroPause == kPauseHelpTopic);
static_assert(platform::kTopicRepeatOptions == kRepeatHelpTopic);
static_assert(platform::kTopicKeyboardAndMouseSpeed == kSpeedHelpTopic);

int ControlOf(PauseField field) {
  switch (field) {
    case PauseField::TopCoord:
      return IDC_PAU_TOP;
    case PauseField::LeftCoord:
      return IDC_PAU_LEFT;
    case PauseField::PauseMessage:
      return IDC_PAU_MESSAGE;
    default:
      return IDC_PAU_BASIC;
  }
}

}  // namespace

// ---- "Set Delay"

CommandOutcome TDoDelay2::Run(HWND owner) {
  return RunCommand(owner, IDD_DO_DELAY2);
}

bool TDoDelay2::OnInit() {
  SetLimit(IDC_DLY_AMOUNT, kDelay2Limit);
  SetItemText(IDC_DLY_AMOUNT, form_.amount);
  CheckRadio(IDC_DLY_SECONDS, IDC_DLY_MILLISECONDS,
             form_.milliseconds ? IDC_DLY_MILLISECONDS : IDC_DLY_SECONDS);
  FocusItem(IDC_DLY_AMOUNT);
  return false;
}

void TDoDelay2::OnOK() {
  Delay2Form form;
  form.milliseconds = IsChecked(IDC_DLY_MILLISECONDS);
  form.amount = ItemText(IDC_DLY_AMOUNT);
  Settle(AcceptDelay2(form), IDC_DLY_AMOUNT);
}

void TDoDelay2::ShowHelp() {
  platform::win32::ShowHelpTopic(Handle(), platform::kTopicDelays);
}

CommandOutcome RunDelayDialog(HWND owner, const CommandDialogRequest& request) {
  Delay2Form form;
  if (const DelayData* data = EditedData<DelayData>(request))
    form = Delay2FormOf(*data);
  else
    form = DirectDelay2Form();  // a new delay, from either editor, counts in seconds
  TDoDelay2 dialog(std::move(form));
  return dialog.Run(owner);
}

// ---- "Pause Window"

CommandOutcome TDoPausePos::Run(HWND owner) {
  return RunCommand(owner, IDD_DO_PAUSE);
}

bool TDoPausePos::OnInit() {
  SetLimit(IDC_PAU_TOP, kPauseCoordLimit);
  SetLimit(IDC_PAU_LEFT, kPauseCoordLimit);
  SetLimit(IDC_PAU_MESSAGE, kPauseMessageLimit);
  SetItemText(IDC_PAU_TOP, form_.top);
  SetItemText(IDC_PAU_LEFT, form_.left);
  SetItemText(IDC_PAU_MESSAGE, form_.message);
  const int choice = form_.complex ? IDC_PAU_COMPLEX : IDC_PAU_BASIC;
  CheckRadio(IDC_PAU_BASIC, IDC_PAU_COMPLEX, choice);
  EnableFields();
  FocusItem(choice);
  return false;
}

PauseForm TDoPausePos::ReadForm() const {
  PauseForm form;
  form.complex = IsChecked(IDC_PAU_COMPLEX);
  form.top = ItemText(IDC_PAU_TOP);
  form.left = ItemText(IDC_PAU_LEFT);
  form.message = ItemText(IDC_PAU_MESSAGE);
  return form;
}

void TDoPausePos::EnableFields() {
  const bool enabled = PauseFieldsEnabled(ReadForm());
  for (const int id : {IDC_PAU_LOCATION, IDC_PAU_TOP_LABEL, IDC_PAU_TOP, IDC_PAU_LEFT_LABEL,
                       IDC_PAU_LEFT, IDC_PAU_MESSAGE_LABEL, IDC_PAU_MESSAGE})
    Enable(id, enabled);
}

void TDoPausePos::OnCommand(int id, int notifyCode) {
  if (id == IDC_PAU_BASIC || id == IDC_PAU_COMPLEX) {
    if (notifyCode == BN_CLICKED) EnableFields();
    return;
  }
  CommandDialog::OnCommand(id, notifyCode);
}

void TDoPausePos::OnOK() {
  const DialogOutcome<PauseField> outcome = AcceptPause(ReadForm());
  Settle(outcome, ControlOf(outcome.focus));
}

void TDoPausePos::ShowHelp() {
  platform::win32::ShowHelpTopic(Handle(), platform::kTopicMacroPause);
}

CommandOutcome RunPauseDialog(HWND owner, const CommandDialogRequest& request) {
  PauseForm form =
      OpeningForm<PauseData>(request, PauseFormOf, DirectPauseForm, PauseFormForCommand);
  TDoPausePos dialog(std::move(form));
  return dialog.Run(owner);
}

// ---- "Repeat Options"

CommandOutcome TDoRepeat::Run(HWND owner) {
  return RunCommand(owner, IDD_DO_REPEAT);
}

bool TDoRepeat::OnInit() {
  SetLimit(IDC_REP_COUNT, kRepeatCountLimit);
  SetItemText(IDC_REP_COUNT, form_.count);
  const int choice = IDC_REP_KIND_FIRST + static_cast<int>(form_.kind) - 1;
  CheckRadio(IDC_REP_KIND_FIRST, IDC_REP_KIND_LAST, choice);
  FollowKind();
  FocusItem(RepeatCountEnabled(form_.kind) ? IDC_REP_COUNT : choice);
  return false;
}

RepeatKind TDoRepeat::CheckedKind() const {
  const int kind = CheckedRadio(IDC_REP_KIND_FIRST, IDC_REP_KIND_LAST);
  return kind == 0 ? form_.kind : static_cast<RepeatKind>(kind);
}

// `Count` is a repeat count or a counter's width, and nothing for the other two.
void TDoRepeat::FollowKind() {
  const RepeatKind kind = CheckedKind();
  SetItemText(IDC_REP_COUNT_LABEL, RepeatCountLabel(kind));
  Enable(IDC_REP_COUNT_LABEL, RepeatCountEnabled(kind));
  Enable(IDC_REP_COUNT, RepeatCountEnabled(kind));
}

void TDoRepeat::OnCommand(int id, int notifyCode) {
  if (id >= IDC_REP_KIND_FIRST && id <= IDC_REP_KIND_LAST) {
    if (notifyCode == BN_CLICKED) FollowKind();
    return;
  }
  CommandDialog::OnCommand(id, notifyCode);
}

void TDoRepeat::OnOK() {
  RepeatForm form;
  form.kind = CheckedKind();
  form.count = ItemText(IDC_REP_COUNT);
  const DialogOutcome<RepeatField> outcome = AcceptRepeat(form);
  Settle(outcome, outcome.focus == RepeatField::Count ? IDC_REP_COUNT : IDC_REP_KIND_FIRST);
}

void TDoRepeat::ShowHelp() {
  platform::win32::ShowHelpTopic(Handle(), platform::kTopicRepeatOptions);
}

CommandOutcome RunRepeatDialog(HWND owner, const CommandDialogRequest& request) {
  RepeatForm form =
      OpeningForm<RepeatData>(request, RepeatFormOf, DirectRepeatForm, RepeatFormForCommand);
  TDoRepeat dialog(std::move(form));
  return dialog.Run(owner);
}

// ---- "Speed"

CommandOutcome TDoSpeed::Run(HWND owner) {
  return RunCommand(owner, IDD_DO_SPEED);
}

bool TDoSpeed::OnInit() {
  SetLimit(IDC_SPD_COUNT, kSpeedCountLimit);
  SetItemText(IDC_SPD_COUNT, form_.count);
  CheckRadio(IDC_SPD_KIND_FIRST, IDC_SPD_KIND_LAST,
             IDC_SPD_KIND_FIRST + static_cast<int>(form_.kind) - 1);
  SetItemText(IDC_SPD_COUNT_LABEL, SpeedCountLabel(form_.kind));
  FocusItem(IDC_SPD_COUNT);
  return false;
}

SpeedKind TDoSpeed::CheckedKind() const {
  const int kind = CheckedRadio(IDC_SPD_KIND_FIRST, IDC_SPD_KIND_LAST);
  return kind == 0 ? form_.kind : static_cast<SpeedKind>(kind);
}

void TDoSpeed::OnCommand(int id, int notifyCode) {
  if (id >= IDC_SPD_KIND_FIRST && id <= IDC_SPD_KIND_LAST) {
    if (notifyCode == BN_CLICKED) SetItemText(IDC_SPD_COUNT_LABEL, SpeedCountLabel(CheckedKind()));
    return;
  }
  CommandDialog::OnCommand(id, notifyCode);
}

void TDoSpeed::OnOK() {
  SpeedForm form;
  form.kind = CheckedKind();
  form.count = ItemText(IDC_SPD_COUNT);
  const DialogOutcome<SpeedField> outcome = AcceptSpeed(form);
  Settle(outcome, outcome.focus == SpeedField::Count ? IDC_SPD_COUNT : IDC_SPD_KIND_FIRST);
}

void TDoSpeed::ShowHelp() {
  platform::win32::ShowHelpTopic(Handle(), platform::kTopicKeyboardAndMouseSpeed);
}

CommandOutcome RunSpeedDialog(HWND owner, const CommandDialogRequest& request) {
  SpeedForm form =
      OpeningForm<SpeedData>(request, SpeedFormOf, DirectSpeedForm, SpeedFormForCommand);
  TDoSpeed dialog(std::move(form));
  return dialog.Run(owner);
}

}  // namespace quindle::editors::win32
