#include "qnl/list_show.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "activation/macro_names.h"
#include "platform/date_time.h"
#include "storage/cp1252.h"
#include "storage/record_reader.h"

namespace quindle::tool {
namespace {

using storage::Cp1252ToUtf8;
using storage::MacroFileContents;
using storage::MacroRecord;

constexpr const char* kListHelp =
    "List the macros of a macro file, one line per macro, under a header line. "
    "Columns, "
    "separated by two spaces and each as wide as its longest entry: No. (the "
    "macro number, "
    "right-aligned), Activation (hotkey name, Typlet abbreviation or \"Timed "
    "Macro\"), Nickname, "
    "Scope (GLOBAL, Window: title, Program: name, Popup Menu or SYSTEM). Texts "
    "are printed as "
    "UTF-8; control characters appear as \\xHH. The file is only read.";

constexpr const char* kShowHelp =
    "Show every field of macro N (1 = the first record) of a macro file, one "
    "field per line, "
    "the macro text (or the popup menu's member list) last. The file is only "
    "read.";

// Reads the file for a subcommand; on failure reports one line and gives nothing back.
std::optional<MacroFileContents> Load(const std::string& file, std::ostream& err) {
  MacroFileContents contents = storage::ReadMacroFile(file);
  if (!contents.Ok()) {
    err << "qnl: " << contents.error << '\n';
    return std::nullopt;
  }
  if (contents.HasPartialTail())
    err << "qnl: note: the file ends in a partial record of " << contents.tailBytes
        << " bytes, which is not a macro\n";
  if (contents.recordsBeyondLimit > 0)
    err << "qnl: note: " << contents.recordsBeyondLimit << " more record(s) after macro "
        << storage::kMaxMacros << " are not read (a macro file holds at most "
        << storage::kMaxMacros << ")\n";
  return contents;
}

std::string Hex2(unsigned value) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%02X", value & 0xFFu);
  return buffer;
}

// Windows-1252 text with control characters made visible, still in Windows-1252, so that its length
// is its width on screen.
std::string Visible(std::string_view text) {
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F)
      out += "\\x" + Hex2(byte);
    else
      out += c;
  }
  return out;
}

std::string Utf8(std::string_view text) {
  return Cp1252ToUtf8(Visible(text));
}

std::string PadRight(std::string text1252, std::size_t width) {
  if (text1252.size() < width) text1252.append(width - text1252.size(), ' ');
  return text1252;
}

std::string PadLeft(std::string text, std::size_t width) {
  if (text.size() < width) text.insert(0, width - text.size(), ' ');
  return text;
}

std::string ScopeLabel(const MacroRecord& record) {
  std::string name = activation::ScopeName(record);
  if (name.empty()) name = "unknown scope " + std::to_string(record.ScopeKind.Get());
  return name;
}

std::string ActivationLabel(const MacroRecord& record) {
  const std::string name = activation::ActivationName(record);
  if (name.empty() && record.HotkeyNumber.Get() != storage::kActivationTyplet)
    return "unknown " + std::to_string(record.HotkeyNumber.Get());
  return name;
}

int RunList(const std::string& file, std::ostream& out, std::ostream& err) {
  const auto contents = Load(file, err);
  if (!contents) return 2;
  struct Row {
    std::string number, activation, nickname, scope;
  };
  std::vector<Row> rows;
  Row header{"No.", "Activation", "Nickname", "Scope"};
  std::size_t numberWidth = header.number.size();
  std::size_t activationWidth = header.activation.size();
  std::size_t nicknameWidth = header.nickname.size();
  for (std::size_t i = 0; i < contents->records.size(); ++i) {
    const MacroRecord& record = contents->records[i];
    Row row{std::to_string(i + 1), Visible(ActivationLabel(record)), Visible(record.Name.View()),
            Visible(ScopeLabel(record))};
    numberWidth = std::max(numberWidth, row.number.size());
    activationWidth = std::max(activationWidth, row.activation.size());
    nicknameWidth = std::max(nicknameWidth, row.nickname.size());
    rows.push_back(std::move(row));
  }
  const auto print = [&](const Row& row) {
    out << PadLeft(row.number, numberWidth) << "  "
        << Cp1252ToUtf8(PadRight(row.activation, activationWidth)) << "  "
        << Cp1252ToUtf8(PadRight(row.nickname, nicknameWidth)) << "  " << Cp1252ToUtf8(row.scope)
        << '\n';
  };
  print(header);
  for (const Row& row : rows) print(row);
  return 0;
}

void Field(std::ostream& out, std::string_view label, const std::string& valueUtf8) {
  out << PadRight(std::string(label) + ":", 18) << valueUtf8 << '\n';
}

std::string YesNo(storage::Flag flag) {
  if (flag.byte == 0) return "no";
  if (flag.byte == 1) return "yes";
  return "yes (byte " + std::to_string(flag.byte) + ")";
}

std::string HexBytes(const std::uint8_t* bytes, std::size_t count) {
  std::string out;
  for (std::size_t i = 0; i < count; ++i) out += (i ? " " : "") + Hex2(bytes[i]);
  return out;
}

std::string ScheduleKindName(int kind) {
  static constexpr const char* kNames[] = {"at start-up", "once",    "hourly",         "daily",
                                           "weekly",      "monthly", "every N minutes"};
  if (kind < 0 || kind > 6) return std::to_string(kind) + " (unknown)";
  return std::to_string(kind) + " (" + kNames[kind] + ")";
}

std::string WeekdayName(int day) {
  static constexpr const char* kNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                           "Thursday", "Friday", "Saturday"};
  if (day < 1 || day > 7) return std::to_string(day) + " (not a weekday)";
  return std::to_string(day) + " (" + kNames[day - 1] + ")";
}

std::string DateTimeText(double value) {
  char raw[64];
  std::snprintf(raw, sizeof raw, "%.6f", value);
  // Years 1 to 9999; anything else is a damaged field, not a date.
  if (!std::isfinite(value) || value < -693593.0 || value >= 2958466.0)
    return std::string(std::isfinite(value) ? raw : "not a number") + " (not a valid date-time)";
  const platform::CivilDateTime t = platform::FromDateTime(value);
  char text[96];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d (%s)", t.year, t.month, t.day,
                t.hour, t.minute, t.second, raw);
  return text;
}

// The three option characters a popup menu keeps in its TypletName field.
std::string PopupOptions(std::string_view options) {
  if (options.size() != 3) return "(not three option characters)";
  std::string text = options[0] == 'Y' ? "tray icon, " : "no tray icon, ";
  switch (options[1]) {
    case '1':
      text += "shows text, ";
      break;
    case '2':
      text += "shows icons, ";
      break;
    case '3':
      text += "shows nickname and scope, ";
      break;
    default:
      text += "shows ?, ";
      break;
  }
  static constexpr int kSizes[] = {16, 24, 32, 48, 64};
  if (options[2] >= '0' && options[2] <= '4')
    text += "icon size " + std::to_string(kSizes[options[2] - '0']);
  else
    text += "icon size ?";
  return text;
}

void ShowMembers(std::ostream& out, const MacroRecord& record, const MacroFileContents& file) {
  const std::size_t claimed =
      static_cast<std::uint8_t>(record.TextArea[0]) |
      (static_cast<std::size_t>(static_cast<std::uint8_t>(record.TextArea[1])) << 8);
  const std::size_t count = record.MemberCount();
  std::string label = std::to_string(count);
  if (claimed != count) label += " (the record claims " + std::to_string(claimed) + ")";
  Field(out, "Members", label);
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint16_t member = record.Member(i);
    std::string line = "  " + std::to_string(i + 1) + ". macro " + std::to_string(member);
    if (member >= 1 && member <= file.records.size())
      line += ": " + Utf8(file.records[member - 1u].Name.View());
    else
      line += " (no such macro)";
    out << line << '\n';
  }
}

void ShowText(std::ostream& out, std::string_view text) {
  Field(out, "Text", std::to_string(text.size()) + " characters");
  if (text.empty()) return;
  // CR LF ends a line as playback types it; any other control character is shown as \xHH.
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = text.find("\r\n", start);
    const std::string_view line =
        text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    out << "  " << Utf8(line) << '\n';
    if (end == std::string_view::npos) break;
    start = end + 2;
  }
}

int RunShow(const std::string& file, const std::string& number, std::ostream& out,
            std::ostream& err) {
  std::size_t n = 0;
  const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), n);
  if (number.empty() || ec != std::errc() || end != number.data() + number.size() || n == 0) {
    err << "qnl: not a macro number: '" << number << "'\n";
    return 2;
  }
  const auto contents = Load(file, err);
  if (!contents) return 2;
  const std::size_t count = contents->records.size();
  if (n > count) {
    err << "qnl: there is no macro " << n << ": the file holds "
        << (count == 0 ? std::string("no macros") : "macros 1 to " + std::to_string(count)) << '\n';
    return 2;
  }
  const MacroRecord& r = contents->records[n - 1];
  const int code = r.HotkeyNumber.Get();
  const bool popup = r.ScopeKind.Get() == storage::ScopePopupMenu;

  Field(out, "Macro", std::to_string(n) + " of " + std::to_string(count));
  Field(out, "Name", Utf8(r.Name.View()));
  Field(out, "ScopeKind", std::to_string(r.ScopeKind.Get()) + " (" + Utf8(ScopeLabel(r)) + ")");
  Field(out, "ScopeText", Utf8(r.ScopeText.View()));
  Field(out, "TypletName", Utf8(r.TypletName.View()));
  if (popup) Field(out, "Menu options", PopupOptions(r.TypletName.View()));
  Field(out, "HotkeyNumber", std::to_string(code) + " (" + Utf8(ActivationLabel(r)) + ")");
  Field(out, "Enabled", YesNo(r.Enabled));
  Field(out, "Reserved98", HexBytes(r.Reserved98, sizeof r.Reserved98));
  Field(out, "IconName", Utf8(r.IconName.View()));
  Field(out, "ScheduleKind", ScheduleKindName(r.ScheduleKind.Get()));
  static constexpr const char* kDays[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
  std::string days;
  for (std::size_t i = 0; i < 7; ++i)
    days += std::string(i ? "  " : "") + kDays[i] + " " + YesNo(r.ScheduleDays[i]);
  Field(out, "ScheduleDays", days);
  Field(out, "ScheduleHour", std::to_string(r.ScheduleHour));
  Field(out, "ScheduleMinute", std::to_string(r.ScheduleMinute));
  Field(out, "SchedulePM", YesNo(r.SchedulePM));
  Field(out, "ScheduleMonth", std::to_string(r.ScheduleMonth));
  Field(out, "ScheduleDay", std::to_string(r.ScheduleDay));
  Field(out, "ScheduleYear", std::to_string(r.ScheduleYear.Get()));
  Field(out, "ScheduleWeekday", WeekdayName(r.ScheduleWeekday));
  Field(out, "HourlyMinute", std::to_string(r.HourlyMinute));
  Field(out, "IntervalMinutes", std::to_string(r.IntervalMinutes.Get()));
  Field(out, "TopMostOnly", YesNo(r.TopMostOnly));
  Field(out, "LastModified", DateTimeText(r.LastModified.Get()));
  Field(out, "Reserved5143", HexBytes(r.Reserved5143, sizeof r.Reserved5143));
  if (popup)
    ShowMembers(out, r, *contents);
  else
    ShowText(out, r.MacroText());
  return 0;
}

}  // namespace

Subcommand AddListCommand(CLI::App& parent) {
  auto file = std::make_shared<std::string>();
  CLI::App* app = parent.add_subcommand("list", kListHelp);
  app->add_option("FILE", *file, "the macro file (.QNL)")->required();
  return {app, [file](std::ostream& out, std::ostream& err) { return RunList(*file, out, err); }};
}

Subcommand AddShowCommand(CLI::App& parent) {
  auto file = std::make_shared<std::string>();
  auto number = std::make_shared<std::string>();
  CLI::App* app = parent.add_subcommand("show", kShowHelp);
  app->add_option("FILE", *file, "the macro file (.QNL)")->required();
  app->add_option("N", *number, "the macro number, 1 for the first macro")->required();
  return {app, [file, number](std::ostream& out, std::ostream& err) {
            return RunShow(*file, *number, out, err);
          }};
}

}  // namespace quindle::tool
