#include "editors/window_dialog_models.h"

#include "editors/script_format.h"

namespace quindle::editors {
namespace {

constexpr int kLeastWidth = 10;
constexpr int kLeastHeight = 30;
constexpr int kMostWindowNumber = 9999;  // four digits in "<WSIZE:" and "<WPOS:"
constexpr int kMostMousePosition = 30000;
constexpr int kMostWheelClicks = 999;  // three digits in "<WFW:" and "<WBW:"
constexpr int kActionCount = 7;
constexpr int kMoveAction = 1;
constexpr int kWheelForward = 14;
constexpr int kWheelBackward = 15;
constexpr int kKeyCodeCount = 8;

// Why a window command's title is refused; nothing for the current window or a usable title.
std::optional<std::string_view> TitleRefusal(bool current, const std::string& title) {
  if (current) return std::nullopt;
  if (title.empty()) return kNoWindowTitle;
  if (HoldsTagEnd(title)) return kNoTagEndMessage;
  return std::nullopt;
}

std::optional<int> InRange(std::string_view text, int least, int most) {
  const std::optional<int> value = ReadInteger(Trimmed(text));
  if (!value || *value < least || *value > most) return std::nullopt;
  return value;
}

int SystemActionOfCommand(int command) noexcept {
  if (command == kCmdShutDownProgram) return kActionCount;
  if (command >= kCmdMaximizeWindow && command <= kCmdShowWindow) {
    return command - kCmdMaximizeWindow + 1;
  }
  return 1;
}

}  // namespace

// ---- "Size or Position a Window"

SizeItForm DirectSizeItForm() {
  return SizeItForm{};
}

SizeItForm SizeItFormForCommand(int command) {
  SizeItForm form;
  form.position = command == kCmdRepositionWindow;
  return form;
}

SizeItForm SizeItFormOf(int command, const WindowSizeData& data) {
  SizeItForm form = SizeItFormForCommand(command);
  form.current = data.current;
  form.title = data.title;
  form.first = FieldText(data.first);
  form.second = FieldText(data.second);
  return form;
}

SizeItLabels LabelsOfSizeIt(const SizeItForm& form) noexcept {
  if (form.position) return {"Left", "Top"};
  return {"Width", "Height"};
}

DialogOutcome<SizeItField> AcceptSizeIt(const SizeItForm& form) {
  using F = SizeItField;
  WindowSizeData data;
  data.current = form.current;
  data.kind = form.position ? 2 : 1;
  if (!form.current) data.title = Trimmed(form.title);
  if (const auto refusal = TitleRefusal(form.current, data.title)) {
    return Refusal(*refusal, F::WinTitle);
  }
  const int leastFirst = form.position ? 0 : kLeastWidth;
  const int leastSecond = form.position ? 0 : kLeastHeight;
  const std::optional<int> first = InRange(form.first, leastFirst, kMostWindowNumber);
  if (!first) return Refusal(form.position ? kInvalidLeft : kInvalidWidth, F::TheWidth);
  const std::optional<int> second = InRange(form.second, leastSecond, kMostWindowNumber);
  if (!second) return Refusal(form.position ? kInvalidTop : kInvalidHeight, F::TheHeight);
  data.first = *first;
  data.second = *second;
  CommandResult result;
  result.kind = data.kind;
  result.command = form.position ? kCmdRepositionWindow : kCmdResizeWindow;
  result.data = std::move(data);
  return Accepted<F>(std::move(result));
}

// ---- "System Commands"

SystemCommandForm DirectSystemCommandForm() {
  return SystemCommandForm{};
}

SystemCommandForm SystemCommandFormForCommand(int command) {
  SystemCommandForm form;
  form.action = SystemActionOfCommand(command);
  return form;
}

SystemCommandForm SystemCommandFormOf(int command, const WindowData& data) {
  SystemCommandForm form = SystemCommandFormForCommand(command);
  form.current = data.current;
  form.title = data.title;
  return form;
}

DialogOutcome<SystemCommandField> AcceptSystemCommand(const SystemCommandForm& form) {
  using F = SystemCommandField;
  if (form.action < 1 || form.action > kActionCount) return Refusal("", F::Action);
  WindowData data;
  data.action = form.action;
  data.current = form.current;
  if (!form.current) data.title = Trimmed(form.title);
  if (const auto refusal = TitleRefusal(form.current, data.title)) {
    return Refusal(*refusal, F::WinTitle);
  }
  CommandResult result;
  result.kind = form.action;
  result.command =
      form.action == kActionCount ? kCmdShutDownProgram : kCmdMaximizeWindow + form.action - 1;
  result.data = std::move(data);
  return Accepted<F>(std::move(result));
}

// ---- "Mouse Commands"

MouseForm DirectMouseForm() {
  return MouseForm{};
}

MouseForm MouseFormForCommand(int command) {
  MouseForm form;
  switch (command) {
    case kCmdLeftButton:
      form.action = 2;
      break;
    case kCmdRightButton:
      form.action = 6;
      break;
    case kCmdMiddleButton:
      form.action = 10;
      break;
    case kCmdMouseWheel:
      form.action = kWheelForward;
      break;
    default:
      form.action = kMoveAction;
      break;
  }
  return form;
}

MouseForm MouseFormOf(const MouseData& data) {
  MouseForm form;
  form.action = data.action;
  form.window = data.windowRelative;
  if (data.action == kMoveAction) {
    form.x = FieldText(data.x);
    form.y = FieldText(data.y);
  } else if (data.action >= kWheelForward) {
    form.clicks = FieldText(data.clicks);
  }
  return form;
}

MouseEnables EnablesOfMouse(int action) noexcept {
  const bool move = action == kMoveAction;
  return {move, move, action == kWheelForward || action == kWheelBackward};
}

int CommandOfMouseAction(int action) noexcept {
  if (action == kMoveAction) return kCmdMouseMove;
  if (action >= kWheelForward) return kCmdMouseWheel;
  if (action >= 10) return kCmdMiddleButton;
  if (action >= 6) return kCmdRightButton;
  return kCmdLeftButton;
}

DialogOutcome<MouseField> AcceptMouse(const MouseForm& form) {
  using F = MouseField;
  if (form.action < kMoveAction || form.action > kWheelBackward) return Refusal("", F::Action);
  MouseData data;
  data.action = form.action;
  CommandResult result;
  if (form.action >= kWheelForward) {
    const std::optional<int> clicks = InRange(form.clicks, 1, kMostWheelClicks);
    if (!clicks) return Refusal(kInvalidWheelClicks, F::NumClicks);
    data.clicks = *clicks;
  } else if (form.action == kMoveAction) {
    const std::optional<int> x = InRange(form.x, 0, kMostMousePosition);
    if (!x) return Refusal(kInvalidX, F::XPos);
    const std::optional<int> y = InRange(form.y, 0, kMostMousePosition);
    if (!y) return Refusal(kInvalidY, F::YPos);
    data.x = *x;
    data.y = *y;
    data.windowRelative = form.window;
  }
  result.kind = form.action;
  result.command = CommandOfMouseAction(form.action);
  result.data = data;
  return Accepted<F>(std::move(result));
}

// ---- "Keys Up Or Down"

int KeyCodeForCommand(int command) noexcept {
  if (command < kCmdControlKey || command > kCmdWinKey) return 0;
  return (command - kCmdControlKey) * 2 + 1;
}

DialogOutcome<KeyUpDownField> AcceptKeyUpDown(int code) {
  using F = KeyUpDownField;
  if (code < 1 || code > kKeyCodeCount) return Refusal("", F::Code);
  CommandResult result;
  result.kind = code;
  result.command = kCmdControlKey + (code - 1) / 2;
  result.data = KeyData{code};
  return Accepted<F>(std::move(result));
}

}  // namespace quindle::editors
