#include "editors/win32/scope_chooser_dialog.h"

#include <algorithm>

#include "editors/win32/command_dialog_support.h"
#include "editors/win32/command_dialogs_b_res.h"
#include "platform/help_topics.h"
#include "platform/win32/controls/check_box.h"
#include "platform/win32/controls/list_box.h"
#include "platform/win32/help.h"

namespace quindle::editors::win32 {
namespace {

static_assert(InFamilyRange(IDD_SCOPE_CHOOSER) && InFamilyRange(IDC_SC_HELP));
static_assert(platform::kTopicSetWindowTitle == "Set Window Title" &&
              platform::kTopicSetProgramName == "Set Program Name");

}  // namespace

std::optional<ScopeChoice> TDoSpecWind::Run(HWND owner) {
  result_.reset();
  if (!RunModal(owner, IDD_SCOPE_CHOOSER)) return std::nullopt;
  return result_;
}

bool TDoSpecWind::OnInit() {
  AnswerF1With(IDC_SC_HELP);
  const SpecWindTexts texts = TextsOfSpecWind(mode_);
  SetCaption(texts.caption);
  SetItemText(IDC_SC_NAME_LABEL, texts.nameLabel);
  SetItemText(IDC_SC_LIST_LABEL, texts.listLabel);
  SetItemText(IDC_SC_ON_TOP, texts.onTopText);
  SetItemText(IDC_SC_RUNNING, texts.runningText);
  LimitField(Handle(), IDC_SC_NAME, kSpecWindNameLimit);
  SetItemText(IDC_SC_NAME, current_);
  platform::win32::ListBox list(Handle(), IDC_SC_LIST);
  int widest = 0;
  for (const std::string& name : names_) {
    const bool listed =
        mode_ == SpecWindMode::Window ? ListsWindowTitle(name) : ListsProgramName(name);
    if (!listed) continue;
    list.Add(name);
    widest = std::max(widest, static_cast<int>(name.size()));
  }
  // Long titles scroll sideways; a rough width in average characters is enough for the bar.
  list.Send(LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest * 7));
  platform::win32::RadioGroup(Handle(), IDC_SC_ON_TOP, IDC_SC_RUNNING)
      .Check(onTop_ ? IDC_SC_ON_TOP : IDC_SC_RUNNING);
  FocusItem(IDC_SC_NAME);
  return false;
}

void TDoSpecWind::OnCommand(int id, int notifyCode) {
  if (id == IDC_SC_LIST && notifyCode == LBN_DBLCLK) {
    platform::win32::ListBox list(Handle(), IDC_SC_LIST);
    const int row = list.Selected();
    if (row >= 0) SetItemText(IDC_SC_NAME, NameOfListEntry(list.RowText(row)));
  } else if (id == IDC_SC_HELP) {
    if (mode_ == SpecWindMode::Window) {
      platform::win32::ShowHelpTopic(Handle(), platform::kTopicSetWindowTitle);
    } else {
      platform::win32::ShowHelpTopic(Handle(), platform::kTopicSetProgramName);
    }
  } else {
    DialogBase::OnCommand(id, notifyCode);
  }
}

void TDoSpecWind::OnOK() {
  SpecWindForm form;
  form.mode = mode_;
  form.name = ItemText(IDC_SC_NAME);
  platform::win32::ListBox list(Handle(), IDC_SC_LIST);
  if (const int row = list.Selected(); row >= 0) form.highlighted = list.RowText(row);
  form.onTop = platform::win32::RadioGroup(Handle(), IDC_SC_ON_TOP, IDC_SC_RUNNING).Checked() !=
               IDC_SC_RUNNING;
  auto outcome = Decide(Handle(), [&](Answer answer) { return AcceptSpecWind(form, answer); });
  if (!outcome.Accepted()) {
    ShowRefusal(Handle(), outcome.caption, outcome.message, IDC_SC_NAME);
    return;
  }
  result_ = std::move(outcome.result);
  End(IDOK);
}

std::optional<ScopeChoice> RunScopeChooser(HWND owner, bool windowMode, std::string current,
                                           bool onTop, std::vector<std::string> names) {
  return TDoSpecWind(windowMode ? SpecWindMode::Window : SpecWindMode::Program, std::move(current),
                     onTop, std::move(names))
      .Run(owner);
}

}  // namespace quindle::editors::win32
