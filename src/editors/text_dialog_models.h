// The dialogs whose commands carry a typed text or a format, apart from any window system:
// "Remark" (`TDoRemark`), the web address dialog (`TDoWebStuff`) and the date and time format
// chooser (`TDateOrTime`).
#pragma once

#include <string>
#include <string_view>

#include "editors/command_dialog.h"

namespace quindle::editors {

// ---- "Remark" (`TDoRemark`)
inline constexpr std::string_view kRemarkCaption = "Remark";
inline constexpr std::string_view kRemarkHelpTopic = "Remarks";
inline constexpr std::string_view kRemarkLabel = "Comment";
inline constexpr std::size_t kRemarkLimit = 240;

enum class TextField { Text };
// An empty comment is a remark too.
DialogOutcome<TextField> AcceptRemark(std::string_view comment);

// ---- `TDoWebStuff`: a web site or an FTP address, as the caller chooses.
enum class WebMode { Site, Ftp };
struct WebTexts {
  std::string_view caption;
  std::string_view label;
  std::string_view helpTopic;
  std::string_view preset;  // the field of a new command
};
WebTexts TextsOfWebMode(WebMode mode) noexcept;
// An address that begins with "www" in any case gets "http://" in front; FTP addresses stay.
DialogOutcome<TextField> AcceptWeb(WebMode mode, std::string_view address);

// ---- `TDateOrTime`: a date or a time format, as the caller chooses.
inline constexpr std::string_view kDateCaption = "Dates";
inline constexpr std::string_view kTimeCaption = "Times";
inline constexpr std::string_view kDateGroup = "Select Date Format";
inline constexpr std::string_view kTimeGroup = "Select Time Format";
inline constexpr std::string_view kDateHelpTopic = "Date Format";
inline constexpr std::string_view kTimeHelpTopic = "Time Format";
inline constexpr std::string_view kNoLeadingZerosText = "Do not show leading zeros";
inline constexpr std::string_view kSetDateText = "Set date";
inline constexpr std::string_view kDaysIntoText = "days into";
inline constexpr std::string_view kFutureText = "&future";
inline constexpr std::string_view kPastText = "&past";
inline constexpr std::size_t kDaysLimit = 3;

enum class DateTimeField { TheFormat, Days };
struct DateTimeForm {
  bool date = true;
  int format = 1;  // 1-based: the row of `TheFormat` + 1
  bool noLeadingZeros = false;
  std::string days;  // date mode only
  bool past = false;
};
// The choices the dialog remembers between uses (kept in the settings by the caller).
struct DateTimeMemory {
  int dateFormat = 1;
  int timeFormat = 1;
  bool dateNoLeadingZeros = false;
  bool timeNoLeadingZeros = false;
};
// A new command opens on the remembered choices; an edited one on its line's data.
DateTimeForm DateTimeFormFor(bool date, const DateTimeMemory& memory);
DateTimeForm DateTimeFormOf(const DateTimeData& data);
// The number of formats the list holds in a mode, and the text of one row.
int FormatCount(bool date) noexcept;
std::string_view FormatName(bool date, int format) noexcept;
std::string FormatSample(bool date, int format);
// The days field reads its leading digits (0 when there are none): a sign is no digit, so
// neither a negative offset nor a wider field reaches the tag's three digits.
DialogOutcome<DateTimeField> AcceptDateTime(const DateTimeForm& form);
// The memory after an accepted form.
DateTimeMemory Remembered(DateTimeMemory memory, const DateTimeForm& form) noexcept;

}  // namespace quindle::editors
