#include "storage/macro_text_format.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

#include "platform/date_time.h"
#include "storage/cp1252.h"
#include "storage/macro_text_fields.h"

namespace quindle::storage {
namespace {

using text_fields::BytesOf;
using text_fields::Field;
using text_fields::kFields;
using text_fields::Kind;

// A Padding line carries at most this many bytes, so that a change stays within one line.
constexpr std::size_t kPaddingPerLine = 32;

constexpr std::size_t kTextAreaAt = offsetof(MacroRecord, TextArea);

bool IsPopup(const MacroRecord& record) noexcept {
  return record.ScopeKind.Get() == ScopePopupMenu;
}

std::string Hex2(unsigned value) {
  char buffer[4];
  std::snprintf(buffer, sizeof buffer, "%02X", value & 0xFFu);
  return buffer;
}

// Bytes that are shown as \xHH: control characters, the five bytes Windows-1252 leaves undefined,
// and the two that look like nothing (no-break space and soft hyphen).
bool Escaped(std::uint8_t byte) noexcept {
  return byte < 0x20 || byte == 0x7F || byte == 0x81 || byte == 0x8D || byte == 0x8F ||
         byte == 0x90 || byte == 0x9D || byte == 0xA0 || byte == 0xAD;
}

// Windows-1252 bytes as a quoted UTF-8 line.
std::string Quoted(std::string_view bytes) {
  std::string out = "\"";
  for (const char c : bytes) {
    const auto byte = static_cast<std::uint8_t>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (Escaped(byte)) {
      out += "\\x" + Hex2(byte);
    } else {
      out += Cp1252ToUtf8({&c, 1});
    }
  }
  return out + '"';
}

// The macro text in pieces: each tag on its own, and a piece ends after each line feed.
std::vector<std::string_view> TextPieces(std::string_view text) {
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size();) {
    if (text[i] == '<') {
      const std::size_t close = text.find('>', i + 1);
      if (close != std::string_view::npos) {
        if (i > start) pieces.push_back(text.substr(start, i - start));
        pieces.push_back(text.substr(i, close + 1 - i));
        start = i = close + 1;
        continue;
      }
    }
    if (text[i] == '\n') {
      pieces.push_back(text.substr(start, i + 1 - start));
      start = i + 1;
    }
    ++i;
  }
  if (start < text.size()) pieces.push_back(text.substr(start));
  return pieces;
}

std::string DoubleText(double value) {
  if (std::isnan(value)) {
    // A NaN's payload does not survive a decimal form: its bits are written instead.
    char bits[24];
    std::snprintf(bits, sizeof bits, "0x%016llX",
                  static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(value)));
    return bits;
  }
  char buffer[64];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return ec == std::errc() ? std::string(buffer, end) : std::string("0");
}

// A comment that shows a date-time as a date, for the reader; years 1 to 9999 only.
std::string DateComment(double value) {
  if (!std::isfinite(value) || value < -693593.0 || value >= 2958466.0) return {};
  const platform::CivilDateTime t = platform::FromDateTime(value);
  char text[64];
  std::snprintf(text, sizeof text, "# %04d-%02d-%02d %02d:%02d:%02d\n", t.year, t.month, t.day,
                t.hour, t.minute, t.second);
  return text;
}

std::string FieldValue(const MacroRecord& record, const Field& field) {
  const std::uint8_t* bytes = BytesOf(record) + field.offset;
  std::string value;
  switch (field.kind) {
    case Kind::String: {
      const std::size_t size = std::min<std::size_t>(bytes[0], field.size - 1);
      return Quoted({reinterpret_cast<const char*>(bytes + 1), size});
    }
    case Kind::Unsigned:
      return std::to_string(text_fields::UnsignedAt(record, field));
    case Kind::Signed: {
      const auto raw = static_cast<std::uint16_t>(text_fields::UnsignedAt(record, field));
      return std::to_string(static_cast<std::int16_t>(raw));
    }
    case Kind::Numbers:
    case Kind::Hex:
      for (std::size_t i = 0; i < field.size; ++i) {
        if (i > 0) value += ' ';
        value += field.kind == Kind::Hex ? Hex2(bytes[i]) : std::to_string(bytes[i]);
      }
      return value;
    case Kind::Double:
      return DoubleText(record.LastModified.Get());
  }
  return value;
}

void WriteTextArea(const MacroRecord& record, std::string& out) {
  if (IsPopup(record)) {
    out += text_fields::kMembersName;
    out += " =";
    for (std::size_t i = 0; i < record.MemberCount(); ++i)
      out += ' ' + std::to_string(record.Member(i));
    out += '\n';
    return;
  }
  out += text_fields::kMacroTextName;
  out += " =\n";
  for (const std::string_view piece : TextPieces(record.MacroText()))
    out += "  " + Quoted(piece) + '\n';
}

// The unused bytes that are not zero, as Padding lines; a used byte that the fields cannot give
// back (a damaged length) goes to `losses`.
void WritePadding(const MacroRecord& record, std::size_t number, std::string& out,
                  std::vector<std::string>& losses) {
  const MacroRecord plain = WithoutPadding(record);
  const FieldUse use(plain);
  const std::uint8_t* have = BytesOf(record);
  const std::uint8_t* want = BytesOf(plain);
  for (std::size_t at = 0; at < sizeof(MacroRecord);) {
    if (have[at] == want[at]) {
      ++at;
      continue;
    }
    if (const char* field = use.At(at)) {
      losses.push_back("macro " + std::to_string(number) + ": the length or count of " + field +
                       " (byte " + std::to_string(at) +
                       ") is more than the field holds; the text keeps what fits");
      while (at < sizeof(MacroRecord) && use.At(at) == field) ++at;
      continue;
    }
    std::string line = std::string(text_fields::kPaddingName) + " = " + std::to_string(at) + ":";
    for (std::size_t n = 0;
         n < kPaddingPerLine && at < sizeof(MacroRecord) && have[at] != want[at] && !use.At(at);
         ++n, ++at)
      line += ' ' + Hex2(have[at]);
    out += line + '\n';
  }
}

}  // namespace

FieldUse::FieldUse(const MacroRecord& record) noexcept : record_(record) {
  if (IsPopup(record)) {
    textAreaUsed_ = 2 + 2 * record.MemberCount();
    textAreaName_ = text_fields::kMembersName;
    return;
  }
  // The terminating zero is part of a text that ends before the area does.
  const std::size_t size = record.MacroText().size();
  textAreaUsed_ = size < kMacroTextMax ? size + 1 : size;
  textAreaName_ = text_fields::kMacroTextName;
}

const char* FieldUse::At(std::size_t offset) const noexcept {
  if (offset >= sizeof(MacroRecord)) return nullptr;
  // Most of a record is its text area, which no field overlaps.
  if (offset - kTextAreaAt < sizeof(MacroRecord::TextArea))
    return offset - kTextAreaAt < textAreaUsed_ ? textAreaName_ : nullptr;
  for (const Field& field : kFields) {
    if (offset < field.offset || offset >= field.offset + field.size) continue;
    if (field.kind != Kind::String) return field.name;
    const std::size_t size = std::min<std::size_t>(BytesOf(record_)[field.offset], field.size - 1);
    return offset - field.offset <= size ? field.name : nullptr;
  }
  return nullptr;
}

const char* FieldUsingByte(const MacroRecord& record, std::size_t offset) noexcept {
  return FieldUse(record).At(offset);
}

MacroRecord WithoutPadding(const MacroRecord& record) noexcept {
  MacroRecord plain{};
  for (const Field& field : kFields) {
    const std::uint8_t* from = BytesOf(record) + field.offset;
    std::uint8_t* to = BytesOf(plain) + field.offset;
    const std::size_t size = field.kind == Kind::String
                                 ? 1 + std::min<std::size_t>(from[0], field.size - 1)
                                 : field.size;
    std::memcpy(to, from, size);
    if (field.kind == Kind::String) to[0] = static_cast<std::uint8_t>(size - 1);
  }
  if (IsPopup(record)) {
    std::uint16_t members[kMaxPopupMembers];
    for (std::size_t i = 0; i < record.MemberCount(); ++i) members[i] = record.Member(i);
    plain.SetMembers({members, record.MemberCount()});
  } else {
    plain.SetMacroText(record.MacroText());
  }
  return plain;
}

MacroFileText WriteMacroFileText(std::span<const MacroRecord> records) {
  MacroFileText result;
  std::string& out = result.text;
  out += "# A macro file as text: " + std::to_string(records.size()) +
         (records.size() == 1 ? " macro" : " macros") +
         ", each a [Macro N] block of the record's fields.\n"
         "# The macro text is the quoted lines under MacroText, joined without line breaks.\n";
  for (std::size_t i = 0; i < records.size(); ++i) {
    const MacroRecord& record = records[i];
    out += "\n[Macro " + std::to_string(i + 1) + "]\n";
    for (const Field& field : kFields) {
      if (field.kind == Kind::Double) out += DateComment(record.LastModified.Get());
      out += std::string(field.name) + " = " + FieldValue(record, field) + '\n';
    }
    WriteTextArea(record, out);
    WritePadding(record, i + 1, out, result.losses);
  }
  return result;
}

}  // namespace quindle::storage
