// The fields of a MacroRecord as its text form names them, in the order the text lists them; the
// writer and the parser of the text both walk this one table.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "storage/macro_record.h"

namespace quindle::storage::text_fields {

enum class Kind {
  String,    // length-prefixed characters, written quoted
  Unsigned,  // little-endian unsigned integer of `size` bytes
  Signed,    // little-endian signed integer of `size` bytes
  Numbers,   // `size` one-byte numbers (the seven day flags)
  Hex,       // `size` bytes in hex (the reserved areas)
  Double,    // a date-time
};

struct Field {
  const char* name;
  Kind kind;
  std::size_t offset;
  std::size_t size;
};

#define QNL_FIELD(m, k) (Field{#m, Kind::k, offsetof(MacroRecord, m), sizeof(MacroRecord::m)})

inline constexpr std::array<Field, 22> kFields = {
    QNL_FIELD(Name, String),
    QNL_FIELD(ScopeText, String),
    QNL_FIELD(TypletName, String),
    QNL_FIELD(HotkeyNumber, Unsigned),
    QNL_FIELD(ScopeKind, Signed),
    QNL_FIELD(Enabled, Unsigned),
    QNL_FIELD(Reserved98, Hex),
    QNL_FIELD(IconName, String),
    QNL_FIELD(ScheduleKind, Signed),
    QNL_FIELD(ScheduleDays, Numbers),
    QNL_FIELD(ScheduleHour, Unsigned),
    QNL_FIELD(ScheduleMinute, Unsigned),
    QNL_FIELD(ScheduleMonth, Unsigned),
    QNL_FIELD(ScheduleDay, Unsigned),
    QNL_FIELD(HourlyMinute, Unsigned),
    QNL_FIELD(IntervalMinutes, Unsigned),
    QNL_FIELD(ScheduleWeekday, Unsigned),
    QNL_FIELD(ScheduleYear, Unsigned),
    QNL_FIELD(SchedulePM, Unsigned),
    QNL_FIELD(TopMostOnly, Unsigned),
    QNL_FIELD(LastModified, Double),
    QNL_FIELD(Reserved5143, Hex),
};

#undef QNL_FIELD

// The text area, after the fixed fields: a macro text or, for a popup menu, its members.
inline constexpr const char* kMacroTextName = "MacroText";
inline constexpr const char* kMembersName = "Members";
inline constexpr const char* kPaddingName = "Padding";

inline const std::uint8_t* BytesOf(const MacroRecord& record) noexcept {
  return reinterpret_cast<const std::uint8_t*>(&record);
}
inline std::uint8_t* BytesOf(MacroRecord& record) noexcept {
  return reinterpret_cast<std::uint8_t*>(&record);
}

// A field's bytes as an unsigned little-endian number.
inline std::uint64_t UnsignedAt(const MacroRecord& record, const Field& field) noexcept {
  std::uint64_t value = 0;
  for (std::size_t i = 0; i < field.size; ++i)
    value |= static_cast<std::uint64_t>(BytesOf(record)[field.offset + i]) << (8 * i);
  return value;
}

inline void SetUnsignedAt(MacroRecord& record, const Field& field, std::uint64_t value) noexcept {
  for (std::size_t i = 0; i < field.size; ++i)
    BytesOf(record)[field.offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace quindle::storage::text_fields
