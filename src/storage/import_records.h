// The two foreign record layouts that "Import Macros" reads besides macro files: the macro file of
// the earlier product generation (".VX2") and the Typlet file (".TPL"). Both are flat, headerless
// sequences of fixed-size records. They are read only through the helpers below, which copy a
// record out of a byte span only when the span holds all of it and tell a damaged record (a
// length byte beyond its field, a text without its terminating zero) from a sound one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "storage/le_types.h"
#include "storage/macro_record.h"

namespace quindle::storage {

#pragma pack(push, 1)

struct Vx2Record {
  PString<50> Name;              // 0
  PString<30> ScopeText;         // 51
  LeU16 HotkeyNumber;            // 82
  LeI16 ScopeKind;               // 84
  Flag Enabled;                  // 86
  Flag Clipboard;                // 87: the text is pasted through the clipboard
  std::uint8_t Reserved88;       // 88: goes into the new record's byte 98
  std::uint8_t Unused89;         // 89
  char Text[5001];               // 90, zero-terminated
  LeI16 ScheduleKind;            // 5091
  Flag ScheduleDays[7];          // 5093, Monday first
  std::uint8_t ScheduleHour;     // 5100
  std::uint8_t ScheduleMinute;   // 5101
  std::uint8_t ScheduleMonth;    // 5102
  std::uint8_t ScheduleDay;      // 5103
  std::uint8_t HourlyMinute;     // 5104
  LeU16 IntervalMinutes;         // 5105
  std::uint8_t ScheduleWeekday;  // 5107
  LeU16 ScheduleYear;            // 5108
  Flag SchedulePM;               // 5110
  Flag TopMostOnly;              // 5111
  std::uint8_t Unused5112[29];   // 5112
};

struct TplRecord {
  std::uint8_t Unused0[3];  // 0
  PString<10> Typlet;       // 3
  Flag Enabled;             // 14
  std::uint8_t Reserved15;  // 15: goes into the new record's byte 98
  std::uint8_t Unused16;    // 16
  char Text[3001];          // 17, zero-terminated
  Flag Clipboard;           // 3018
  std::uint8_t Unused3019[20];
};

#pragma pack(pop)

static_assert(sizeof(Vx2Record) == 5141);
static_assert(offsetof(Vx2Record, Name) == 0);
static_assert(offsetof(Vx2Record, ScopeText) == 51);
static_assert(offsetof(Vx2Record, HotkeyNumber) == 82);
static_assert(offsetof(Vx2Record, ScopeKind) == 84);
static_assert(offsetof(Vx2Record, Enabled) == 86);
static_assert(offsetof(Vx2Record, Clipboard) == 87);
static_assert(offsetof(Vx2Record, Reserved88) == 88);
static_assert(offsetof(Vx2Record, Text) == 90);
static_assert(offsetof(Vx2Record, ScheduleKind) == 5091);
static_assert(offsetof(Vx2Record, ScheduleDays) == 5093);
static_assert(offsetof(Vx2Record, ScheduleHour) == 5100);
static_assert(offsetof(Vx2Record, ScheduleMinute) == 5101);
static_assert(offsetof(Vx2Record, ScheduleMonth) == 5102);
static_assert(offsetof(Vx2Record, ScheduleDay) == 5103);
static_assert(offsetof(Vx2Record, HourlyMinute) == 5104);
static_assert(offsetof(Vx2Record, IntervalMinutes) == 5105);
static_assert(offsetof(Vx2Record, ScheduleWeekday) == 5107);
static_assert(offsetof(Vx2Record, ScheduleYear) == 5108);
static_assert(offsetof(Vx2Record, SchedulePM) == 5110);
static_assert(offsetof(Vx2Record, TopMostOnly) == 5111);

static_assert(sizeof(TplRecord) == 3039);
static_assert(offsetof(TplRecord, Typlet) == 3);
static_assert(offsetof(TplRecord, Enabled) == 14);
static_assert(offsetof(TplRecord, Reserved15) == 15);
static_assert(offsetof(TplRecord, Text) == 17);
static_assert(offsetof(TplRecord, Clipboard) == 3018);

// Record `index` (0-based) of `bytes`, or nothing when `bytes` does not hold all of it: a record
// cut short at the end of a file is not a record. Nothing either when the record is damaged.
std::optional<MacroRecord> MacroRecordAt(std::span<const std::uint8_t> bytes, std::size_t index);
std::optional<Vx2Record> Vx2RecordAt(std::span<const std::uint8_t> bytes, std::size_t index);
std::optional<TplRecord> TplRecordAt(std::span<const std::uint8_t> bytes, std::size_t index);

// Whether a record holds what its format allows: lengths within their fields, a terminated text
// (for a popup menu: a member count the text area can hold), a known scope and activation.
bool IsSoundRecord(const MacroRecord& record) noexcept;
bool IsSoundRecord(const Vx2Record& record) noexcept;
bool IsSoundRecord(const TplRecord& record) noexcept;

// The text of an earlier-generation macro in today's language: its old launch form rewritten to
// "<LAUNCH:" (and "<CHDIR:" for its directory after "<PARAM>"), which also ends pasting through
// the clipboard; a text still to be pasted is wrapped in "<BEGCLIP>" ... "<ENDCLIP><CLIPP>".
// `clipboard` is the record's flag in, and what is left of it out.
std::string ConvertVx2Text(std::string_view text, bool& clipboard);
// A text to be pasted through the clipboard, wrapped so that it is. A text too long to be wrapped
// within 5000 characters keeps its wrapping and loses its last characters.
std::string WrapForClipboard(std::string_view text);

// The new macros built from the foreign records, stamped `now`.
MacroRecord MacroFromVx2(const Vx2Record& old, double now);
MacroRecord MacroFromTpl(const TplRecord& typlet, double now);

}  // namespace quindle::storage
