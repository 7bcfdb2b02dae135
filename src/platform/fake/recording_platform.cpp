#include "platform/fake/recording_platform.h"

#include <charconv>
#include <utility>

#include "platform/date_time.h"
#include "platform/virtual_keys.h"

namespace quindle::platform::fake {
namespace {

// VkKeyScanA of the US English layout for 7-bit characters: low byte virtual key, high byte
// shift state (1 = Shift). Characters the layout cannot type answer -1.
constexpr std::array<std::int16_t, 128> UsKeyScanTable() {
  std::array<std::int16_t, 128> table{};
  for (auto& entry : table) entry = -1;
  for (int c = 'a'; c <= 'z'; ++c) table[c] = static_cast<std::int16_t>(c - 'a' + 'A');
  for (int c = 'A'; c <= 'Z'; ++c) table[c] = static_cast<std::int16_t>(0x100 + c);
  for (int c = '0'; c <= '9'; ++c) table[c] = static_cast<std::int16_t>(c);
  const char shiftedDigits[] = ")!@#$%^&*(";
  for (int d = 0; d < 10; ++d)
    table[static_cast<unsigned char>(shiftedDigits[d])] =
        static_cast<std::int16_t>(0x100 + '0' + d);
  // Plain and shifted character of each punctuation key, with its virtual key.
  struct Oem {
    char plain;
    char shifted;
    std::int16_t vk;
  };
  const Oem oem[] = {{';', ':', 0xBA},  {'=', '+', 0xBB}, {',', '<', 0xBC}, {'-', '_', 0xBD},
                     {'.', '>', 0xBE},  {'/', '?', 0xBF}, {'`', '~', 0xC0}, {'[', '{', 0xDB},
                     {'\\', '|', 0xDC}, {']', '}', 0xDD}, {'\'', '"', 0xDE}};
  for (const Oem& key : oem) {
    table[static_cast<unsigned char>(key.plain)] = key.vk;
    table[static_cast<unsigned char>(key.shifted)] = static_cast<std::int16_t>(0x100 + key.vk);
  }
  table[' '] = 0x20;
  table['\t'] = 0x09;
  table['\r'] = 0x0D;
  table['\b'] = 0x08;
  table['\n'] = 0x020D;  // Ctrl+Enter, as Windows answers for LF
  return table;
}

// MapVirtualKeyA mode 0: set-1 scan codes of the US keyboard.
constexpr std::array<std::uint8_t, 256> ScanCodeTable() {
  std::array<std::uint8_t, 256> scan{};
  const char letters[] = "QWERTYUIOP";
  for (int i = 0; i < 10; ++i) scan[static_cast<unsigned char>(letters[i])] = 0x10 + i;
  const char home[] = "ASDFGHJKL";
  for (int i = 0; i < 9; ++i) scan[static_cast<unsigned char>(home[i])] = 0x1E + i;
  const char bottom[] = "ZXCVBNM";
  for (int i = 0; i < 7; ++i) scan[static_cast<unsigned char>(bottom[i])] = 0x2C + i;
  for (int d = 1; d <= 9; ++d) scan['0' + d] = static_cast<std::uint8_t>(0x01 + d);
  scan['0'] = 0x0B;
  const std::pair<int, int> keys[] = {
      {0x08, 0x0E}, {0x09, 0x0F}, {0x0D, 0x1C}, {0x10, 0x2A}, {0x11, 0x1D}, {0x12, 0x38},
      {0x13, 0x45}, {0x14, 0x3A}, {0x1B, 0x01}, {0x20, 0x39}, {0x21, 0x49}, {0x22, 0x51},
      {0x23, 0x4F}, {0x24, 0x47}, {0x25, 0x4B}, {0x26, 0x48}, {0x27, 0x4D}, {0x28, 0x50},
      {0x2C, 0x54}, {0x2D, 0x52}, {0x2E, 0x53}, {0x5B, 0x5B}, {0x5C, 0x5C}, {0x5D, 0x5D},
      {0x60, 0x52}, {0x61, 0x4F}, {0x62, 0x50}, {0x63, 0x51}, {0x64, 0x4B}, {0x65, 0x4C},
      {0x66, 0x4D}, {0x67, 0x47}, {0x68, 0x48}, {0x69, 0x49}, {0x6A, 0x37}, {0x6B, 0x4E},
      {0x6D, 0x4A}, {0x6E, 0x53}, {0x6F, 0x35}, {0x90, 0x45}, {0x91, 0x46}, {0xA0, 0x2A},
      {0xA1, 0x36}, {0xA2, 0x1D}, {0xA3, 0x1D}, {0xA4, 0x38}, {0xA5, 0x38}, {0xBA, 0x27},
      {0xBB, 0x0D}, {0xBC, 0x33}, {0xBD, 0x0C}, {0xBE, 0x34}, {0xBF, 0x35}, {0xC0, 0x29},
      {0xDB, 0x1A}, {0xDC, 0x2B}, {0xDD, 0x1B}, {0xDE, 0x28}};
  for (const auto& [vk, code] : keys) scan[vk] = static_cast<std::uint8_t>(code);
  for (int f = 0; f < 10; ++f) scan[0x70 + f] = static_cast<std::uint8_t>(0x3B + f);  // F1-F10
  scan[0x7A] = 0x57;                                                                  // F11
  scan[0x7B] = 0x58;                                                                  // F12
  for (int f = 0; f < 11; ++f) scan[0x7C + f] = static_cast<std::uint8_t>(0x64 + f);  // F13-F23
  scan[0x87] = 0x76;                                                                  // F24
  return scan;
}

constexpr std::array<std::int16_t, 128> kUsKeyScan = UsKeyScanTable();
constexpr std::array<std::uint8_t, 256> kScanCodes = ScanCodeTable();

void AppendNumber(std::string& out, std::int64_t value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, result.ptr);
}

void AppendQuoted(std::string& out, std::string_view text) {
  out += '"';
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '"':
        out += "\\\"";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (u < 0x20 || u == 0x7F) {
          constexpr char kHex[] = "0123456789ABCDEF";
          out += "\\x";
          out += kHex[u >> 4];
          out += kHex[u & 0x0F];
        } else {
          out += c;
        }
    }
  }
  out += '"';
}

}  // namespace

RecordingPlatform::RecordingPlatform() : vkKeyScan_(kUsKeyScan) {
  logText_.reserve(256 * 1024);
  keyEvents_.reserve(16 * 1024);
}

void RecordingPlatform::SetScreenSize(int width, int height) {
  screenWidth_ = width;
  screenHeight_ = height;
}

void RecordingPlatform::SetVkKeyScan(char c, std::int16_t result) {
  const auto index = static_cast<unsigned char>(c);
  if (index < vkKeyScan_.size()) vkKeyScan_[index] = result;
}

void RecordingPlatform::SetStartDateTime(double dateTime) {
  startDateTime_ = dateTime;
}
void RecordingPlatform::SetTickBase(std::uint32_t tickBase) {
  tickBase_ = tickBase;
}
void RecordingPlatform::AdvanceClock(std::uint32_t ms) {
  virtualMs_ += ms;
}

const std::vector<std::string>& RecordingPlatform::Log() const {
  while (logSplitAt_ < logText_.size()) {
    const std::size_t end = logText_.find('\n', logSplitAt_);
    logLines_.emplace_back(logText_, logSplitAt_, end - logSplitAt_);
    logSplitAt_ = end + 1;
  }
  return logLines_;
}

void RecordingPlatform::ClearLog() {
  logText_.clear();
  logLines_.clear();
  logSplitAt_ = 0;
  calls_.clear();
  keyEvents_.clear();
  pauses_.clear();
}

void RecordingPlatform::AddLine(std::string_view verb,
                                std::initializer_list<std::string_view> arguments) {
  logText_ += verb;
  for (const std::string_view argument : arguments) {
    logText_ += ' ';
    AppendQuoted(logText_, argument);
  }
  EndLine();
}

// ---- Input ----

void RecordingPlatform::KeyEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags) {
  keyEvents_.push_back({vk, scan, flags});
  const bool up = (flags & kKeyEventKeyUp) != 0;
  if (!up && vk == kVkCapital && keyDown_[vk] == 0) keyToggled_[vk] ^= 1;
  keyDown_[vk] = up ? 0 : 1;
  char buffer[16] = "key ";
  char* end = std::to_chars(buffer + 4, buffer + 8, vk).ptr;
  const std::string_view suffix = up ? " up\n" : " down\n";
  for (const char c : suffix) *end++ = c;
  logText_.append(buffer, end);
  if (++keyEventTotal_ == keyEventCallbackAt_ && atKeyEvent_) {
    const Callback callback = std::move(atKeyEvent_);
    atKeyEvent_ = nullptr;
    callback();
  }
}

void RecordingPlatform::AtKeyEvent(std::uint64_t n, Callback callback) {
  keyEventCallbackAt_ = n;
  atKeyEvent_ = std::move(callback);
}

void RecordingPlatform::MouseEvent(std::uint32_t flags, std::int32_t dx, std::int32_t dy,
                                   std::int32_t data) {
  logText_ += "mouse ";
  AppendNumber(logText_, flags);
  logText_ += ' ';
  AppendNumber(logText_, dx);
  logText_ += ' ';
  AppendNumber(logText_, dy);
  logText_ += ' ';
  AppendNumber(logText_, data);
  EndLine();
}

std::int16_t RecordingPlatform::VkKeyScan(char c) {
  const auto index = static_cast<unsigned char>(c);
  return index < vkKeyScan_.size() ? vkKeyScan_[index] : std::int16_t{-1};
}

std::uint32_t RecordingPlatform::MapVirtualKey(std::uint32_t code, std::uint32_t mapType) {
  switch (mapType) {
    case kMapVkToScan:
      return code < kScanCodes.size() ? kScanCodes[code] : 0;
    case 1:  // scan code to virtual key
      for (std::uint32_t vk = 1; vk < kScanCodes.size(); ++vk) {
        if (kScanCodes[vk] == code && code != 0) return vk;
      }
      return 0;
    case kMapVkToChar:
      if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9') || code == ' ') {
        return code;
      }
      return 0;
    default:
      return 0;
  }
}

std::int16_t RecordingPlatform::GetKeyState(int vk) {
  if (vk < 0 || vk > 255) return 0;
  const auto index = static_cast<std::size_t>(vk);
  return static_cast<std::int16_t>((keyDown_[index] != 0 ? 0x8000 : 0) | (keyToggled_[index] & 1));
}

// ---- Clock and message pump ----

double RecordingPlatform::Now() {
  return startDateTime_ + static_cast<double>(virtualMs_) / static_cast<double>(kMsPerDay);
}

std::uint32_t RecordingPlatform::TickCount() {
  return tickBase_ + static_cast<std::uint32_t>(virtualMs_);
}

void RecordingPlatform::PostCallback(Callback callback) {
  posted_.push_back(std::move(callback));
}

void RecordingPlatform::AtVirtualTime(std::int64_t ms, Callback callback) {
  timed_.push_back({ms, std::move(callback)});
}

void RecordingPlatform::AtProcessMessagesCall(std::uint64_t n, Callback callback) {
  counted_.push_back({n, std::move(callback)});
}

void RecordingPlatform::ProcessMessages() {
  ++processCalls_;
  if (posted_.empty() && timed_.empty() && counted_.empty()) return;
  RunDueCallbacks();
}

// A callback may pump messages itself (a macro started from it plays nested), so each is taken
// out of its list before it runs.
void RecordingPlatform::RunDueCallbacks() {
  for (;;) {
    Callback next;
    if (!posted_.empty()) {
      next = std::move(posted_.front());
      posted_.erase(posted_.begin());
    } else {
      for (auto it = timed_.begin(); it != timed_.end() && !next; ++it) {
        if (it->at <= virtualMs_) {
          next = std::move(it->callback);
          timed_.erase(it);
          break;
        }
      }
      for (auto it = counted_.begin(); it != counted_.end() && !next; ++it) {
        if (it->at <= processCalls_) {
          next = std::move(it->callback);
          counted_.erase(it);
          break;
        }
      }
    }
    if (!next) return;
    next();
  }
}

void RecordingPlatform::WaitForMessage(std::uint32_t timeoutMs) {
  logText_ += "wait ";
  AppendNumber(logText_, timeoutMs);
  EndLine();
  virtualMs_ += timeoutMs;
}

// ---- Playback prompts ----

bool RecordingPlatform::ShowPause(const PauseRequest& request) {
  std::string top;
  std::string left;
  AppendNumber(top, request.top);
  AppendNumber(left, request.left);
  AddLine("pause", {top, left, request.message});
  pauses_.push_back({request.left, request.top, std::string(request.message),
                     std::string(request.macroName), request.hotkeyNumber});
  if (onPause_) onPause_();
  if (pauseAnswers_.empty()) return true;
  const bool resume = pauseAnswers_.front();
  pauseAnswers_.pop_front();
  return resume;
}

std::uint16_t RecordingPlatform::AskRepeatCount() {
  std::uint16_t count = 1;
  if (!repeatAnswers_.empty()) {
    count = repeatAnswers_.front();
    repeatAnswers_.pop_front();
  }
  std::string text;
  AppendNumber(text, count);
  AddLine("prompt", {text});
  return count;
}

void RecordingPlatform::DoAMessage(std::string_view caption, std::string_view text) {
  AddLine("message", {caption, text});
}

// ---- The program's own windows ----

void RecordingPlatform::RestoreApplication() {
  calls_.emplace_back("RestoreApplication");
  appMinimized_ = false;
}
void RecordingPlatform::MinimizeApplication() {
  calls_.emplace_back("MinimizeApplication");
  appMinimized_ = true;
}
void RecordingPlatform::ShowApplication() {
  calls_.emplace_back("ShowApplication");
}
void RecordingPlatform::HideApplication() {
  calls_.emplace_back("HideApplication");
}
void RecordingPlatform::ShowMainWindow() {
  calls_.emplace_back("ShowMainWindow");
  mainVisible_ = true;
}
void RecordingPlatform::HideMainWindow() {
  calls_.emplace_back("HideMainWindow");
  mainVisible_ = false;
}

void RecordingPlatform::SwapMacroFile(std::string_view path) {
  AddLine("swap", {path});
}

void RecordingPlatform::ShowMessage(std::string_view title, std::string_view text) {
  AddLine("msgbox", {title, text});
}

bool RecordingPlatform::AskYesNo(std::string_view title, std::string_view text) {
  AddLine("ask", {title, text});
  if (yesNoAnswers_.empty()) return true;
  const bool yes = yesNoAnswers_.front();
  yesNoAnswers_.pop_front();
  return yes;
}

Services MakePlayerServices(RecordingPlatform& platform) {
  return Services{platform, platform, platform, platform, platform, platform, platform,
                  platform, platform, platform, platform, platform, platform, platform};
}

}  // namespace quindle::platform::fake
