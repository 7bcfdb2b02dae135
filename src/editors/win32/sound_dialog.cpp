#include "editors/win32/sound_dialog.h"

#include "editors/win32/command_dialogs_a_res.h"
#include "platform/help_topics.h"
#include "platform/win32/help.h"
#include "platform/win32/resource_ranges.h"
#include "platform/win32/sound.h"

namespace quindle::editors::win32 {
namespace {

using platform::win32::InRange;
using platform::win32::kEditorDialogIds;
static_assert(InRange(kEditorDialogIds, IDD_DO_SOUND) && InRange(kEditorDialogIds, IDC_SND_TEST) &&
              IDD_DO_SOUND >= 3800 && IDC_SND_TEST < 4100);
static_assert(platform::kTopicSetSound == kSoundHelpTopic);

int ControlOf(SoundField field) {
  return field == SoundField::ProgPath ? IDC_SND_PATH : IDC_SND_BEEP;
}

}  // namespace

CommandOutcome TDoSound::Run(HWND owner) {
  return RunCommand(owner, IDD_DO_SOUND);
}

bool TDoSound::OnInit() {
  SetLimit(IDC_SND_PATH, kPathFieldLimit);
  SetItemText(IDC_SND_PATH, form_.path);
  SetChecked(IDC_SND_WAIT, form_.wait);
  const int choice = form_.wave ? IDC_SND_WAVE : IDC_SND_BEEP;
  CheckRadio(IDC_SND_BEEP, IDC_SND_WAVE, choice);
  EnableWaveControls();
  FocusItem(form_.wave ? IDC_SND_PATH : choice);
  return false;
}

SoundForm TDoSound::ReadForm() const {
  SoundForm form;
  form.wave = IsChecked(IDC_SND_WAVE);
  form.path = ItemText(IDC_SND_PATH);
  form.wait = IsChecked(IDC_SND_WAIT);
  return form;
}

void TDoSound::EnableWaveControls() {
  const bool wave = SoundWaveControlsEnabled(ReadForm());
  for (const int id : {IDC_SND_PATH, IDC_CDA_BROWSE, IDC_SND_WAIT, IDC_SND_TEST}) Enable(id, wave);
}

void TDoSound::OnCommand(int id, int notifyCode) {
  if (notifyCode == BN_CLICKED) {
    switch (id) {
      case IDC_SND_BEEP:
      case IDC_SND_WAVE:
        EnableWaveControls();
        return;
      case IDC_CDA_BROWSE:
        Browse(IDC_SND_PATH, kSoundBrowseTitle, kSoundBrowseFilter, kSoundBrowseExtension);
        return;
      case IDC_SND_TEST:
        TestClick();
        return;
      default:
        break;
    }
  }
  CommandDialog::OnCommand(id, notifyCode);
}

void TDoSound::TestClick() {
  const DialogOutcome<SoundField, std::string> outcome = TestSound(ReadForm(), paths_);
  if (!outcome.Accepted()) {
    Refuse(outcome.caption, outcome.message, ControlOf(outcome.focus));
    return;
  }
  // Played once, without waiting: the dialog stays usable while it sounds.
  sound_.PlayWave(*outcome.result, false);
}

void TDoSound::OnOK() {
  const DialogOutcome<SoundField> outcome = AcceptSound(ReadForm(), paths_);
  Settle(outcome, ControlOf(outcome.focus));
}

void TDoSound::ShowHelp() {
  platform::win32::ShowHelpTopic(Handle(), platform::kTopicSetSound);
}

CommandOutcome RunSoundDialog(HWND owner, const CommandDialogRequest& request, IPathChecks& paths) {
  SoundForm form =
      OpeningForm<SoundData>(request, SoundFormOf, DirectSoundForm, SoundFormForCommand);
  platform::win32::Win32Sound sound;
  TDoSound dialog(std::move(form), paths, sound);
  return dialog.Run(owner);
}

}  // namespace quindle::editors::win32
