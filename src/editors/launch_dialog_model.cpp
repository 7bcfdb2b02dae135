#include "editors/launch_dialog_model.h"

#include "editors/script_format.h"

namespace quindle::editors {
namespace {

constexpr int kButtonRowHeight = 24;

ActiveKind KindOfCommand(int command) noexcept {
  switch (command) {
    case kCmdActivateWindow:
      return ActiveKind::Activate;
    case kCmdLaunchProgram:
      return ActiveKind::Launch;
    case kCmdLaunchAndActivate:
      return ActiveKind::LaunchAndActivate;
    default:
      return ActiveKind::ActivateOrLaunch;
  }
}

}  // namespace

ActiveLayout LayoutOfActive(ActiveKind kind) noexcept {
  ActiveLayout layout;
  switch (kind) {
    case ActiveKind::Activate:
      layout = {true, false, 190, 0};
      break;
    case ActiveKind::Launch:
      layout = {false, true, 273, 0};
      break;
    case ActiveKind::LaunchAndActivate:
    case ActiveKind::ActivateOrLaunch:
      layout = {true, true, 341, 0};
      break;
  }
  layout.clientHeight = layout.buttonRowTop + kButtonRowHeight;
  return layout;
}

ActiveField FirstFocusOfActive(ActiveKind kind) noexcept {
  return kind == ActiveKind::Launch ? ActiveField::ProgPath : ActiveField::WinTitle;
}

ActiveForm DirectActiveForm() {
  return ActiveForm{};
}

ActiveForm ActiveFormForCommand(int command) {
  ActiveForm form;
  form.kind = KindOfCommand(command);
  return form;
}

ActiveForm ActiveFormOf(int command, const LaunchData& data) {
  ActiveForm form = ActiveFormForCommand(command);
  form.title = data.title;
  form.path = data.path;
  form.parameters = data.parameters;
  form.delay = FieldText(data.delay);
  return form;
}

int CommandOfActiveKind(ActiveKind kind) noexcept {
  switch (kind) {
    case ActiveKind::Activate:
      return kCmdActivateWindow;
    case ActiveKind::Launch:
      return kCmdLaunchProgram;
    case ActiveKind::LaunchAndActivate:
      return kCmdLaunchAndActivate;
    case ActiveKind::ActivateOrLaunch:
      break;
  }
  return kCmdActivateOrLaunch;
}

DialogOutcome<ActiveField> AcceptActive(const ActiveForm& form, IPathChecks& checks) {
  using F = ActiveField;
  LaunchData data;
  data.kind = static_cast<int>(form.kind);
  data.title = Trimmed(form.title);
  if (form.kind != ActiveKind::Launch) {
    if (data.title.empty()) return Refusal(kNoWindowTitleEntry, F::WinTitle);
    if (HoldsTagEnd(data.title)) return Refusal(kNoTagEndMessage, F::WinTitle);
    // The title of these two runs to the "<LAUNCH:" that follows it.
    if (form.kind != ActiveKind::Activate && data.title.find('<') != std::string::npos) {
      return Refusal(kNoTagStartMessage, F::WinTitle);
    }
  }
  if (form.kind != ActiveKind::Activate) {
    const std::optional<std::string> shortPath = ExistingShortPath(checks, Trimmed(form.path));
    if (!shortPath) return Refusal(kNoSuchProgram, F::ProgPath);
    data.path = *shortPath;
    data.parameters = Trimmed(form.parameters);
    if (HoldsTagEnd(data.parameters)) {
      return Refusal(kNoTagEndMessage, F::Params);
    }
    data.delay = LeadingInteger(Limited(form.delay, kActiveDelayLimit));
    if (data.delay < 0) return Refusal(kGreaterThanZero, F::DelaySecs);
  }
  CommandResult result;
  result.kind = data.kind;
  result.command = CommandOfActiveKind(form.kind);
  result.data = std::move(data);
  return Accepted<F>(std::move(result));
}

}  // namespace quindle::editors
