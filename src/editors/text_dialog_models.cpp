#include "editors/text_dialog_models.h"

#include "editors/script_format.h"
#include "engine/date_time_text.h"
#include "platform/text.h"

namespace quindle::editors {
namespace {

int DaysOf(std::string_view text) {
  std::size_t count = 0;
  while (count < text.size() && count < kDaysLimit && text[count] >= '0' && text[count] <= '9') {
    ++count;
  }
  return count == 0 ? 0 : LeadingInteger(text.substr(0, count));
}

}  // namespace

// ---- "Remark"

DialogOutcome<TextField> AcceptRemark(std::string_view comment) {
  std::string text = Trimmed(comment);
  if (HoldsTagEnd(text)) return Refusal(kNoTagEndMessage, TextField::Text);
  return Acceptance<TextField>(StringCommand(kCmdRemark, std::move(text)));
}

// ---- `TDoWebStuff`

WebTexts TextsOfWebMode(WebMode mode) noexcept {
  if (mode == WebMode::Ftp) return {"Internet FTP", "FTP URL", "Web FTP", "ftp://"};
  return {"Internet Web Site", "Web Site URL", "Web Site URL", "http://"};
}

DialogOutcome<TextField> AcceptWeb(WebMode mode, std::string_view address) {
  std::string text = Trimmed(address);
  if (HoldsTagEnd(text)) return Refusal(kNoTagEndMessage, TextField::Text);
  if (mode == WebMode::Ftp) {
    return Acceptance<TextField>(StringCommand(kCmdWebFtp, std::move(text)));
  }
  if (platform::UpperAToZ(std::string_view(text).substr(0, 3)) == "WWW") text.insert(0, "http://");
  return Acceptance<TextField>(StringCommand(kCmdWebSite, std::move(text)));
}

// ---- `TDateOrTime`

DateTimeForm DateTimeFormFor(bool date, const DateTimeMemory& memory) {
  DateTimeForm form;
  form.date = date;
  form.format = date ? memory.dateFormat : memory.timeFormat;
  form.noLeadingZeros = date ? memory.dateNoLeadingZeros : memory.timeNoLeadingZeros;
  if (form.format < 1 || form.format > FormatCount(date)) form.format = 1;
  if (date) form.days = "0";
  return form;
}

DateTimeForm DateTimeFormOf(const DateTimeData& data) {
  DateTimeForm form;
  form.date = data.isDate;
  form.format = data.format;
  form.noLeadingZeros = !data.zeros;
  if (data.isDate) {
    form.days = FieldText(data.days);
    form.past = !data.future;
  }
  return form;
}

int FormatCount(bool date) noexcept {
  return static_cast<int>(date ? engine::kDateFormatCount : engine::kTimeFormatCount);
}

std::string_view FormatName(bool date, int format) noexcept {
  if (format < 1 || format > FormatCount(date)) return {};
  const auto index = static_cast<std::size_t>(format - 1);
  return date ? engine::kDateFormatTable[index] : engine::kTimeFormatTable[index];
}

std::string FormatSample(bool date, int format) {
  return date ? DateSample(format) : TimeSample(format);
}

DialogOutcome<DateTimeField> AcceptDateTime(const DateTimeForm& form) {
  using F = DateTimeField;
  const std::string_view name = FormatName(form.date, form.format);
  if (name.empty()) return Refusal("", F::TheFormat);
  DateTimeData data;
  data.isDate = form.date;
  data.format = form.format;
  data.zeros = !form.noLeadingZeros;
  CommandResult result;
  result.kind = form.date ? 1 : 2;
  if (form.date) {
    data.future = !form.past;
    data.days = DaysOf(Trimmed(form.days));
    result.command = kCmdDate;
  } else {
    result.command = kCmdTime;
  }
  result.data = data;
  return Accepted<F>(std::move(result));
}

DateTimeMemory Remembered(DateTimeMemory memory, const DateTimeForm& form) noexcept {
  if (form.date) {
    memory.dateFormat = form.format;
    memory.dateNoLeadingZeros = form.noLeadingZeros;
  } else {
    memory.timeFormat = form.format;
    memory.timeNoLeadingZeros = form.noLeadingZeros;
  }
  return memory;
}

}  // namespace quindle::editors
