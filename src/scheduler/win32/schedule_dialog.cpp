#include "scheduler/win32/schedule_dialog.h"

#include <commctrl.h>

#include <array>
#include <climits>
#include <initializer_list>
#include <string>

#include "engine/date_time_text.h"
#include "platform/help_topics.h"
#include "platform/win32/controls/check_box.h"
#include "platform/win32/controls/combo_box.h"
#include "platform/win32/controls/edit_field.h"
#include "platform/win32/controls/field_focus.h"
#include "platform/win32/help.h"
#include "platform/win32/prompts.h"
#include "platform/win32/resource_ranges.h"
#include "platform/win32/window_handle.h"
#include "scheduler/schedule_text.h"
#include "scheduler/win32/schedule_dialog_res.h"

namespace quindle::scheduler::win32 {
namespace {

using platform::win32::InRange;
using platform::win32::kScheduleDialogIds;
static_assert(InRange(kScheduleDialogIds, IDD_SET_SCHEDULE) &&
              InRange(kScheduleDialogIds, IDC_KIND_STARTUP) &&
              InRange(kScheduleDialogIds, IDC_KIND_OTHER) &&
              InRange(kScheduleDialogIds, IDC_HELP_BUTTON) &&
              InRange(kScheduleDialogIds, IDC_STARTUP_TEXT) &&
              InRange(kScheduleDialogIds, IDC_ONCE_YEAR_LABEL) &&
              InRange(kScheduleDialogIds, IDC_DAY_SUNDAY) &&
              InRange(kScheduleDialogIds, IDC_EVERY_UNIT));
static_assert(IDC_KIND_OTHER - IDC_KIND_STARTUP == ScheduleEveryMinutes);
static_assert(IDC_DAY_SUNDAY - IDC_DAY_MONDAY == 6);

constexpr std::size_t kTimeFieldMax = 7;  // "hh:mmAM"

// The controls of each kind's panel, by ScheduleKind.
using Panel = std::initializer_list<int>;
const std::array<Panel, 7> kPanels{{
    {IDC_STARTUP_TEXT},
    {IDC_ONCE_YEAR_LABEL, IDC_ONCE_YEAR, IDC_ONCE_YEAR_SPIN, IDC_ONCE_MONTH_LABEL, IDC_ONCE_MONTH,
     IDC_ONCE_DAY_LABEL, IDC_ONCE_DAY, IDC_ONCE_DAY_SPIN, IDC_ONCE_TIME_LABEL, IDC_ONCE_TIME},
    {IDC_HOURLY_LABEL, IDC_HOURLY_MINUTES, IDC_HOURLY_SPIN},
    {IDC_DAILY_TIME_LABEL, IDC_DAILY_TIME, IDC_DAY_MONDAY, IDC_DAY_MONDAY + 1, IDC_DAY_MONDAY + 2,
     IDC_DAY_MONDAY + 3, IDC_DAY_MONDAY + 4, IDC_DAY_MONDAY + 5, IDC_DAY_SUNDAY},
    {IDC_WEEKLY_DAY_LABEL, IDC_WEEKLY_DAY, IDC_WEEKLY_TIME_LABEL, IDC_WEEKLY_TIME},
    {IDC_MONTHLY_DAY_LABEL, IDC_MONTHLY_DAY, IDC_MONTHLY_SPIN, IDC_MONTHLY_TIME_LABEL,
     IDC_MONTHLY_TIME},
    {IDC_EVERY_LABEL, IDC_EVERY_MINUTES, IDC_EVERY_SPIN, IDC_EVERY_UNIT},
}};

int ControlOfField(ScheduleField field) {
  switch (field) {
    case ScheduleField::OnceYear:
      return IDC_ONCE_YEAR;
    case ScheduleField::OnceMonth:
      return IDC_ONCE_MONTH;
    case ScheduleField::OnceDay:
      return IDC_ONCE_DAY;
    case ScheduleField::OnceTime:
      return IDC_ONCE_TIME;
    case ScheduleField::HourlyMinutes:
      return IDC_HOURLY_MINUTES;
    case ScheduleField::DailyTime:
      return IDC_DAILY_TIME;
    case ScheduleField::WeeklyDay:
      return IDC_WEEKLY_DAY;
    case ScheduleField::WeeklyTime:
      return IDC_WEEKLY_TIME;
    case ScheduleField::MonthlyDay:
      return IDC_MONTHLY_DAY;
    case ScheduleField::MonthlyTime:
      return IDC_MONTHLY_TIME;
    case ScheduleField::EveryMinutes:
      return IDC_EVERY_MINUTES;
    default:
      return IDC_KIND_STARTUP;
  }
}

// Names from the date tags' tables: the full month (format 45) and weekday (format 50).
std::string MonthName(int month) {
  platform::CivilDateTime date;
  date.month = month;
  return engine::FormatDate(45, false, date);
}

std::string WeekdayName(int weekday0) {
  platform::CivilDateTime date;
  date.weekday = weekday0;
  return engine::FormatDate(50, false, date);
}

}  // namespace

bool TDoSchedule::Run(HWND owner) {
  const std::optional<INT_PTR> result = RunModal(owner, IDD_SET_SCHEDULE);
  if (!result) {
    platform::win32::Win32Prompts(platform::win32::FromHwnd(owner))
        .ShowMessage("System Error", "The Set Schedule dialog could not be opened.");
    return false;
  }
  return *result == IDOK;
}

bool TDoSchedule::OnInit() {
  AnswerF1With(IDC_HELP_BUTTON);
  const ScheduleFields f = FieldsOfRecord(record_);
  const auto spin = [this](int id, int low, int high) {
    SendItem(id, UDM_SETRANGE32, static_cast<WPARAM>(low), static_cast<LPARAM>(high));
  };
  // The year's field is 16 bits wide: "up without limit" ends there.
  spin(IDC_ONCE_YEAR_SPIN, 1, 65535);
  spin(IDC_ONCE_DAY_SPIN, 1, 31);
  spin(IDC_HOURLY_SPIN, 0, 59);
  spin(IDC_MONTHLY_SPIN, 1, 31);
  spin(IDC_EVERY_SPIN, 1, kMaxIntervalMinutes);

  platform::win32::ComboBox months(Handle(), IDC_ONCE_MONTH);
  for (int m = 1; m <= 12; ++m) months.Add(MonthName(m));
  months.Select(f.onceMonth - 1);
  platform::win32::ComboBox weekdays(Handle(), IDC_WEEKLY_DAY);
  for (int d = 0; d < 7; ++d) weekdays.Add(WeekdayName(d));
  weekdays.Select(f.weeklyDay - 1);

  for (const int id : {IDC_ONCE_TIME, IDC_DAILY_TIME, IDC_WEEKLY_TIME, IDC_MONTHLY_TIME})
    platform::win32::EditField(Handle(), id).SetLimit(kTimeFieldMax);
  platform::win32::EditField(Handle(), IDC_ONCE_YEAR).SetLimit(5);
  for (const int id : {IDC_ONCE_DAY, IDC_HOURLY_MINUTES, IDC_MONTHLY_DAY})
    platform::win32::EditField(Handle(), id).SetLimit(2);
  platform::win32::EditField(Handle(), IDC_EVERY_MINUTES).SetLimit(3);

  SetItemText(IDC_ONCE_YEAR, f.onceYear);
  SetItemText(IDC_ONCE_DAY, f.onceDay);
  SetItemText(IDC_ONCE_TIME, f.onceTime);
  SetItemText(IDC_HOURLY_MINUTES, f.hourlyMinutes);
  SetItemText(IDC_DAILY_TIME, f.dailyTime);
  SetItemText(IDC_WEEKLY_TIME, f.weeklyTime);
  SetItemText(IDC_MONTHLY_DAY, f.monthlyDay);
  SetItemText(IDC_MONTHLY_TIME, f.monthlyTime);
  SetItemText(IDC_EVERY_MINUTES, f.everyMinutes);
  for (int i = 0; i < 7; ++i)
    platform::win32::CheckBox(Handle(), IDC_DAY_MONDAY + i).SetChecked(f.days[i]);

  const int radio = IDC_KIND_STARTUP + f.kind;
  platform::win32::RadioGroup(Handle(), IDC_KIND_STARTUP, IDC_KIND_OTHER).Check(radio);
  ShowPanel(f.kind);
  FocusItem(radio);
  return false;
}

void TDoSchedule::ShowPanel(int kind) {
  for (std::size_t k = 0; k < kPanels.size(); ++k)
    for (const int id : kPanels[k]) ShowItem(id, static_cast<int>(k) == kind);
}

void TDoSchedule::OnCommand(int id, int notifyCode) {
  if (id >= IDC_KIND_STARTUP && id <= IDC_KIND_OTHER) {
    if (notifyCode == BN_CLICKED) ShowPanel(id - IDC_KIND_STARTUP);
    return;
  }
  if (id == IDC_HELP_BUTTON) {
    platform::win32::ShowHelpTopic(Handle(), platform::kTopicSetSchedule);
    return;
  }
  DialogBase::OnCommand(id, notifyCode);
}

ScheduleFields TDoSchedule::ReadFields() {
  ScheduleFields f;
  const int radio =
      platform::win32::RadioGroup(Handle(), IDC_KIND_STARTUP, IDC_KIND_OTHER).Checked();
  f.kind = radio == 0 ? ScheduleDaily : radio - IDC_KIND_STARTUP;
  for (int i = 0; i < 7; ++i)
    f.days[static_cast<std::size_t>(i)] =
        platform::win32::CheckBox(Handle(), IDC_DAY_MONDAY + i).IsChecked();
  f.onceYear = ItemText(IDC_ONCE_YEAR);
  f.onceMonth = platform::win32::ComboBox(Handle(), IDC_ONCE_MONTH).Selected() + 1;
  if (f.onceMonth < 1) f.onceMonth = 1;
  f.onceDay = ItemText(IDC_ONCE_DAY);
  f.onceTime = ItemText(IDC_ONCE_TIME);
  f.hourlyMinutes = ItemText(IDC_HOURLY_MINUTES);
  f.dailyTime = ItemText(IDC_DAILY_TIME);
  f.weeklyDay = platform::win32::ComboBox(Handle(), IDC_WEEKLY_DAY).Selected() + 1;
  if (f.weeklyDay < 1) f.weeklyDay = 1;
  f.weeklyTime = ItemText(IDC_WEEKLY_TIME);
  f.monthlyDay = ItemText(IDC_MONTHLY_DAY);
  f.monthlyTime = ItemText(IDC_MONTHLY_TIME);
  f.everyMinutes = ItemText(IDC_EVERY_MINUTES);
  return f;
}

void TDoSchedule::UpdateClick() {
  const ScheduleCheck check = UpdateSchedule(ReadFields(), today_, record_);
  if (check.ok) {
    End(IDOK);
    return;
  }
  platform::win32::Win32Prompts(platform::win32::FromHwnd(Handle()))
      .ShowMessage(kScheduleErrorTitle, check.message);
  platform::win32::FocusFieldInError(Handle(), ControlOfField(check.focus));
}

}  // namespace quindle::scheduler::win32
