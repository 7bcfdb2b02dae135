// The parser of the text form of a macro file (see macro_text_format.h).
#include <array>
#include <bit>
#include <charconv>
#include <optional>
#include <string>

#include "storage/cp1252.h"
#include "storage/macro_text_fields.h"
#include "storage/macro_text_format.h"

namespace quindle::storage {
namespace {

using text_fields::BytesOf;
using text_fields::Field;
using text_fields::kFields;
using text_fields::Kind;

// The fields after the fixed ones, numbered after them for the "given twice" check.
constexpr std::size_t kMacroTextSlot = kFields.size();
constexpr std::size_t kMembersSlot = kFields.size() + 1;

// Thrown inside the parser only, caught at its entry: the message for `line`, 0 for the line
// being read.
struct LineError {
  std::string message;
  std::size_t line = 0;
};

std::string_view Trim(std::string_view s) {
  const std::size_t first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") + 1 - first);
}

std::vector<std::string_view> Words(std::string_view s) {
  std::vector<std::string_view> words;
  for (std::size_t at = 0; at < s.size();) {
    const std::size_t start = s.find_first_not_of(" \t", at);
    if (start == std::string_view::npos) break;
    const std::size_t end = std::min(s.find_first_of(" \t", start), s.size());
    words.push_back(s.substr(start, end - start));
    at = end;
  }
  return words;
}

template <typename T>
std::optional<T> Number(std::string_view word, int base = 10) {
  T value{};
  const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value, base);
  if (word.empty() || word[0] == '+' || ec != std::errc() || end != word.data() + word.size())
    return std::nullopt;
  return value;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

void AppendUtf8Run(std::string_view run, std::string& out) {
  if (run.empty()) return;
  Cp1252Conversion converted = Utf8ToCp1252(run);
  if (!converted.ok) throw LineError{converted.problem};
  out += converted.text;
}

// A quoted value as Windows-1252 bytes.
std::string Unquoted(std::string_view value) {
  if (value.empty() || value[0] != '"')
    throw LineError{"expected a quoted text, such as \"Hello\""};
  std::string out;
  std::size_t run = 1;
  for (std::size_t i = 1; i < value.size(); ++i) {
    if (value[i] == '"') {
      AppendUtf8Run(value.substr(run, i - run), out);
      if (i + 1 != value.size()) throw LineError{"text after the closing quote"};
      return out;
    }
    if (value[i] != '\\') continue;
    AppendUtf8Run(value.substr(run, i - run), out);
    const char e = i + 1 < value.size() ? value[i + 1] : '\0';
    static constexpr std::string_view kSimple = "\"\\rnt", kBytes = "\"\\\r\n\t";
    if (const std::size_t k = kSimple.find(e); e != '\0' && k != std::string_view::npos) {
      out += kBytes[k];
      i += 1;
    } else if (e == 'x' && i + 3 < value.size() && HexDigit(value[i + 2]) >= 0 &&
               HexDigit(value[i + 3]) >= 0) {
      out += static_cast<char>(HexDigit(value[i + 2]) * 16 + HexDigit(value[i + 3]));
      i += 3;
    } else {
      throw LineError{"unknown escape: use \\\", \\\\, \\r, \\n, \\t or \\xHH"};
    }
    run = i + 1;
  }
  throw LineError{"the closing quote is missing"};
}

std::uint64_t UnsignedValue(std::string_view value, const char* name, std::uint64_t max) {
  const auto number = Number<std::uint64_t>(value);
  if (!number || *number > max)
    throw LineError{std::string(name) + " must be a whole number from 0 to " + std::to_string(max)};
  return *number;
}

void SetField(MacroRecord& record, const Field& field, std::string_view value) {
  std::uint8_t* bytes = BytesOf(record) + field.offset;
  const std::string name = field.name;
  switch (field.kind) {
    case Kind::String: {
      const std::string text = Unquoted(value);
      if (text.size() >= field.size)
        throw LineError{name + " holds at most " + std::to_string(field.size - 1) +
                        " characters, not " + std::to_string(text.size())};
      bytes[0] = static_cast<std::uint8_t>(text.size());
      std::memcpy(bytes + 1, text.data(), text.size());
      return;
    }
    case Kind::Unsigned:
      text_fields::SetUnsignedAt(record, field,
                                 UnsignedValue(value, field.name, (1ull << (8 * field.size)) - 1));
      return;
    case Kind::Signed: {
      const auto number = Number<std::int16_t>(value);
      if (!number) throw LineError{name + " must be a whole number from -32768 to 32767"};
      text_fields::SetUnsignedAt(record, field, static_cast<std::uint16_t>(*number));
      return;
    }
    case Kind::Numbers:
    case Kind::Hex: {
      const bool hex = field.kind == Kind::Hex;
      const std::vector<std::string_view> words = Words(value);
      const std::string wanted = name + " must be " + std::to_string(field.size) +
                                 (hex ? " bytes in hex, such as 00" : " numbers from 0 to 255");
      if (words.size() != field.size) throw LineError{wanted};
      for (std::size_t i = 0; i < field.size; ++i) {
        const auto byte = Number<std::uint8_t>(words[i], hex ? 16 : 10);
        if (!byte || (hex && words[i].size() != 2)) throw LineError{wanted};
        bytes[i] = *byte;
      }
      return;
    }
    case Kind::Double: {
      std::optional<double> number;
      if (value.starts_with("0x") && value.size() == 18) {
        if (const auto bits = Number<std::uint64_t>(value.substr(2), 16))
          number = std::bit_cast<double>(*bits);
      } else {
        double parsed = 0;
        const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), parsed);
        if (!value.empty() && ec == std::errc() && end == value.data() + value.size())
          number = parsed;
      }
      if (!number) throw LineError{name + " must be a number, such as 36000.5"};
      record.LastModified = *number;
      return;
    }
  }
}

void SetMembers(MacroRecord& record, std::string_view value) {
  std::vector<std::uint16_t> members;
  for (const std::string_view word : Words(value)) {
    const auto member = Number<std::uint16_t>(word);
    if (!member) throw LineError{"Members must be macro numbers from 0 to 65535"};
    members.push_back(*member);
  }
  if (members.size() > kMaxPopupMembers)
    throw LineError{"a popup menu holds at most " + std::to_string(kMaxPopupMembers) + " members"};
  record.SetMembers(members);
}

// "OFFSET: HH HH ..." over bytes of `record` that no field uses.
void ApplyPadding(MacroRecord& record, std::string_view value) {
  const std::size_t colon = value.find(':');
  const auto offset = Number<std::size_t>(Trim(value.substr(0, colon)));
  const std::vector<std::string_view> words = colon == std::string_view::npos
                                                  ? std::vector<std::string_view>{}
                                                  : Words(value.substr(colon + 1));
  if (!offset || words.empty())
    throw LineError{"Padding must be an offset and bytes in hex, such as 52: 41 49 4E"};
  // Padding lies outside every field, so writing it never moves a field's extent.
  const FieldUse use(record);
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::size_t at = *offset + i;
    const auto byte = Number<std::uint8_t>(words[i], 16);
    if (!byte || words[i].size() != 2)
      throw LineError{"Padding must be an offset and bytes in hex, such as 52: 41 49 4E"};
    if (at >= sizeof(MacroRecord))
      throw LineError{"Padding byte " + std::to_string(at) + " lies beyond the record's " +
                      std::to_string(sizeof(MacroRecord)) + " bytes"};
    if (const char* field = use.At(at))
      throw LineError{"Padding byte " + std::to_string(at) + " is part of " + field};
    BytesOf(record)[at] = *byte;
  }
}

struct PendingLine {
  std::size_t line = 0;
  std::string value;
};

// One [Macro N] block while it is read: the fields go straight into the record; what depends on
// other fields (the text area, the padding) waits for the block's end.
struct Block {
  std::size_t headerLine = 0;
  MacroRecord record{};
  std::array<std::size_t, kFields.size() + 2> seenAt{};  // the line of each field, 0 when missing
  std::string text;
  std::vector<PendingLine> padding;
};

class Parser {
 public:
  ParsedMacroFile Run(std::string_view text);

 private:
  void Line(std::string_view line);
  void Header(std::string_view line);
  void FieldLine(std::string_view name, std::string_view value);
  void Finish();

  ParsedMacroFile result_;
  std::optional<Block> block_;
  std::size_t line_ = 0;
  bool inText_ = false;
};

ParsedMacroFile Parser::Run(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  try {
    for (std::size_t start = 0; start < text.size();) {
      const std::size_t end = std::min(text.find('\n', start), text.size());
      std::string_view line = text.substr(start, end - start);
      if (line.ends_with('\r')) line.remove_suffix(1);
      ++line_;
      Line(Trim(line));
      start = end + 1;
    }
    if (block_) Finish();
  } catch (const LineError& error) {
    result_.records.clear();
    result_.line = error.line != 0 ? error.line : line_;
    result_.error = "line " + std::to_string(result_.line) + ": " + error.message;
  }
  return std::move(result_);
}

void Parser::Line(std::string_view line) {
  if (line.empty() || line[0] == '#') return;
  if (line[0] == '[') return Header(line);
  if (line[0] == '"') {
    if (!inText_) throw LineError{"a quoted line belongs under MacroText"};
    block_->text += Unquoted(line);
    if (block_->text.size() > kMacroTextMax)
      throw LineError{"the macro text is longer than " + std::to_string(kMacroTextMax) +
                      " characters"};
    return;
  }
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos)
    throw LineError{"expected a field, such as Name = \"Hello\""};
  inText_ = false;
  FieldLine(Trim(line.substr(0, equals)), Trim(line.substr(equals + 1)));
}

void Parser::Header(std::string_view line) {
  const std::string_view inside = line.ends_with(']') ? line.substr(1, line.size() - 2) : "";
  const std::vector<std::string_view> words = Words(inside);
  const auto number = words.size() == 2 ? Number<std::size_t>(words[1]) : std::nullopt;
  if (words.size() != 2 || words[0] != "Macro" || !number || *number == 0)
    throw LineError{"expected a macro's heading, such as [Macro 1]"};
  if (block_) Finish();
  if (result_.records.size() == kMaxMacros)
    throw LineError{"a macro file holds at most " + std::to_string(kMaxMacros) + " macros"};
  block_.emplace();
  block_->headerLine = line_;
  inText_ = false;
}

void Parser::FieldLine(std::string_view name, std::string_view value) {
  if (!block_)
    throw LineError{std::string(name) + " comes before the first heading, such as [Macro 1]"};
  if (name == text_fields::kPaddingName) {
    block_->padding.push_back({line_, std::string(value)});
    return;
  }
  std::size_t slot = 0;
  while (slot < kFields.size() && name != kFields[slot].name) ++slot;
  if (slot == kFields.size()) {
    if (name == text_fields::kMacroTextName)
      slot = kMacroTextSlot;
    else if (name == text_fields::kMembersName)
      slot = kMembersSlot;
    else
      throw LineError{"unknown field '" + std::string(name) + "'"};
  }
  if (block_->seenAt[slot] != 0)
    throw LineError{std::string(name) + " is given twice in this macro (first on line " +
                    std::to_string(block_->seenAt[slot]) + ")"};
  block_->seenAt[slot] = line_;
  if (slot < kFields.size()) {
    SetField(block_->record, kFields[slot], value);
  } else if (slot == kMembersSlot) {
    SetMembers(block_->record, value);
  } else {
    if (!value.empty()) throw LineError{"MacroText stands alone: its text goes on the lines below"};
    inText_ = true;
  }
}

// Checks the block as a whole and adds its record.
void Parser::Finish() {
  Block& block = *block_;
  const std::size_t number = result_.records.size() + 1;
  const auto missing = [&](const char* field) {
    return LineError{"macro " + std::to_string(number) + " lacks " + field, block.headerLine};
  };
  for (std::size_t slot = 0; slot < kFields.size(); ++slot)
    if (block.seenAt[slot] == 0) throw missing(kFields[slot].name);
  const bool popup = block.record.ScopeKind.Get() == ScopePopupMenu;
  const std::size_t areaSlot = popup ? kMembersSlot : kMacroTextSlot;
  const std::size_t otherSlot = popup ? kMacroTextSlot : kMembersSlot;
  if (block.seenAt[otherSlot] != 0)
    throw LineError{popup ? "a popup menu (ScopeKind 4) lists Members, not a MacroText"
                          : "only a popup menu (ScopeKind 4) lists Members",
                    block.seenAt[otherSlot]};
  if (block.seenAt[areaSlot] == 0) throw missing(popup ? "Members" : "MacroText");
  if (!popup) {
    if (block.text.find('\0') != std::string::npos)
      throw LineError{"a macro text cannot hold a zero byte (\\x00)", block.seenAt[kMacroTextSlot]};
    block.record.SetMacroText(block.text);
  }
  for (const PendingLine& padding : block.padding) {
    try {
      ApplyPadding(block.record, padding.value);
    } catch (LineError& error) {
      error.line = padding.line;
      throw;
    }
  }
  result_.records.push_back(block.record);
  block_.reset();
}

}  // namespace

ParsedMacroFile ParseMacroFileText(std::string_view text) {
  return Parser().Run(text);
}

}  // namespace quindle::storage
