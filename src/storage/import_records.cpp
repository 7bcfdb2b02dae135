#include "storage/import_records.h"

#include <algorithm>
#include <cstring>

#include "storage/macro_tags.h"

namespace quindle::storage {
namespace {

// The old launch form: "<LAUNCH>", one separator, then the program; after "<PARAM>" the
// directory to start it in. The program starts at the tenth character.
constexpr std::string_view kOldLaunch = "<LAUNCH>";
constexpr std::size_t kOldLaunchProgramAt = 9;

template <typename Record>
std::optional<Record> RecordAt(std::span<const std::uint8_t> bytes, std::size_t index) {
  const std::size_t size = sizeof(Record);
  if (index >= bytes.size() / size) return std::nullopt;
  Record record{};
  std::memcpy(&record, bytes.data() + index * size, size);
  if (!IsSoundRecord(record)) return std::nullopt;
  return record;
}

template <std::size_t N>
bool FitsField(const PString<N>& field) noexcept {
  return field.length <= N;
}

template <std::size_t N>
bool Terminated(const char (&text)[N]) noexcept {
  return std::memchr(text, 0, N) != nullptr;
}

template <std::size_t N>
std::string_view TextOf(const char (&text)[N]) noexcept {
  const void* zero = std::memchr(text, 0, N);
  return {text, zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - text) : N - 1};
}

bool KnownScope(std::int16_t kind) noexcept {
  return kind >= ScopeGlobal && kind <= ScopeSystem;
}

bool KnownActivation(std::uint16_t hotkey) noexcept {
  return hotkey < kHotkeyCount || hotkey == kActivationTimed || hotkey == kActivationTyplet;
}

}  // namespace

std::optional<MacroRecord> MacroRecordAt(std::span<const std::uint8_t> bytes, std::size_t index) {
  return RecordAt<MacroRecord>(bytes, index);
}

std::optional<Vx2Record> Vx2RecordAt(std::span<const std::uint8_t> bytes, std::size_t index) {
  return RecordAt<Vx2Record>(bytes, index);
}

std::optional<TplRecord> TplRecordAt(std::span<const std::uint8_t> bytes, std::size_t index) {
  return RecordAt<TplRecord>(bytes, index);
}

bool IsSoundRecord(const MacroRecord& record) noexcept {
  if (!FitsField(record.Name) || !FitsField(record.ScopeText) || !FitsField(record.TypletName) ||
      !FitsField(record.IconName) || !KnownScope(record.ScopeKind) ||
      !KnownActivation(record.HotkeyNumber))
    return false;
  if (record.ScopeKind == ScopePopupMenu) {
    const std::size_t count =
        static_cast<std::uint8_t>(record.TextArea[0]) |
        static_cast<std::size_t>(static_cast<std::uint8_t>(record.TextArea[1])) << 8;
    return count <= kMaxPopupMembers;
  }
  return std::memchr(record.TextArea, 0, kMacroTextMax + 1) != nullptr;
}

bool IsSoundRecord(const Vx2Record& record) noexcept {
  return FitsField(record.Name) && FitsField(record.ScopeText) && KnownScope(record.ScopeKind) &&
         KnownActivation(record.HotkeyNumber) && Terminated(record.Text);
}

bool IsSoundRecord(const TplRecord& record) noexcept {
  return FitsField(record.Typlet) && Terminated(record.Text);
}

std::string WrapForClipboard(std::string_view text) {
  const std::size_t wrapping = tags::kBegClip.size() + tags::kEndClip.size() + tags::kClipP.size();
  std::string wrapped(tags::kBegClip);
  wrapped += text.substr(0, kMacroTextMax - wrapping);
  wrapped += tags::kEndClip;
  wrapped += tags::kClipP;
  return wrapped;
}

std::string ConvertVx2Text(std::string_view text, bool& clipboard) {
  std::string converted(text);
  if (text.find(kOldLaunch) != std::string_view::npos) {
    const std::size_t from = std::min(kOldLaunchProgramAt, text.size());
    const std::size_t param = text.find(tags::kParam);
    if (param == std::string_view::npos) {
      converted = std::string(tags::kLaunch) + std::string(text.substr(from)) + ">";
    } else {
      const std::size_t programEnd = std::max(param, from);
      converted =
          std::string(tags::kChDir) + std::string(text.substr(param + tags::kParam.size())) + ">" +
          std::string(tags::kLaunch) + std::string(text.substr(from, programEnd - from)) + ">";
    }
    clipboard = false;
  }
  if (clipboard) converted = WrapForClipboard(converted);
  return converted;
}

MacroRecord MacroFromVx2(const Vx2Record& old, double now) {
  MacroRecord record{};
  record.Name.Assign(old.Name.View());
  record.ScopeText.Assign(old.ScopeText.View());
  record.HotkeyNumber = old.HotkeyNumber.Get();
  record.ScopeKind = old.ScopeKind.Get();
  record.Enabled = static_cast<bool>(old.Enabled);
  record.Reserved98[0] = old.Reserved88;
  bool clipboard = old.Clipboard;
  record.SetMacroText(ConvertVx2Text(TextOf(old.Text), clipboard));
  record.IconName.Assign("MAIN");
  record.ScheduleKind = old.ScheduleKind.Get();
  for (std::size_t day = 0; day < 7; ++day)
    record.ScheduleDays[day] = static_cast<bool>(old.ScheduleDays[day]);
  record.ScheduleHour = old.ScheduleHour;
  record.ScheduleMinute = old.ScheduleMinute;
  record.ScheduleMonth = old.ScheduleMonth;
  record.ScheduleDay = old.ScheduleDay;
  record.HourlyMinute = old.HourlyMinute;
  record.IntervalMinutes = old.IntervalMinutes.Get();
  record.ScheduleWeekday = old.ScheduleWeekday;
  record.ScheduleYear = old.ScheduleYear.Get();
  record.SchedulePM = static_cast<bool>(old.SchedulePM);
  record.TopMostOnly = static_cast<bool>(old.TopMostOnly);
  record.LastModified = now;
  return record;
}

MacroRecord MacroFromTpl(const TplRecord& typlet, double now) {
  MacroRecord record{};
  record.TypletName.Assign(typlet.Typlet.View());
  record.HotkeyNumber = kActivationTyplet;
  record.ScopeKind = ScopeGlobal;
  record.Enabled = static_cast<bool>(typlet.Enabled);
  record.Reserved98[0] = typlet.Reserved15;
  const std::string_view text = TextOf(typlet.Text);
  record.SetMacroText(typlet.Clipboard ? WrapForClipboard(text) : std::string(text));
  record.IconName.Assign("MAIN");
  // A timed schedule of its own is what every new macro starts from, should it become one.
  record.ScheduleKind = 1;
  record.ScheduleMonth = 1;
  record.ScheduleDay = 1;
  record.HourlyMinute = 15;
  record.IntervalMinutes = 15;
  record.ScheduleWeekday = 1;
  record.ScheduleYear = 1998;
  record.SchedulePM = true;
  record.TopMostOnly = true;
  record.LastModified = now;
  return record;
}

}  // namespace quindle::storage
