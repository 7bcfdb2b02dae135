#include "editors/win32/date_time_dialog.h"

#include <algorithm>
#include <string>

#include "editors/win32/command_dialog_support.h"
#include "editors/win32/command_dialogs_b_res.h"
#include "platform/help_topics.h"
#include "platform/win32/controls/check_box.h"
#include "platform/win32/controls/list_box.h"
#include "platform/win32/controls/owner_drawn_row.h"
#include "platform/win32/handles.h"
#include "platform/win32/help.h"

namespace quindle::editors::win32 {
namespace {

static_assert(InFamilyRange(IDD_DATE_TIME) && InFamilyRange(IDC_DT_HELP));
static_assert(platform::kTopicDateFormat == kDateHelpTopic);
static_assert(platform::kTopicTimeFormat == kTimeHelpTopic);

constexpr int kColumnGap = 16;
constexpr int kTextIndent = 3;

DateTimeForm FormOf(const CommandDialogRequest& request, const DateTimeMemory& memory) {
  if (const DateTimeData* data = EditedData<DateTimeData>(request)) return DateTimeFormOf(*data);
  return DateTimeFormFor(request.command != kCmdTime, memory);
}

// The width of the widest format name of a mode in the list's font; 0 when it cannot be
// measured.
int WidestName(HWND list, bool date) {
  const platform::win32::WindowDc dc(list);
  if (!dc) return 0;
  const platform::win32::SelectedObject font(
      dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageA(list, WM_GETFONT, 0, 0)));
  int widest = 0;
  for (int format = 1; format <= FormatCount(date); ++format) {
    const std::string_view name = FormatName(date, format);
    SIZE size{};
    if (GetTextExtentPoint32A(dc.Get(), name.data(), static_cast<int>(name.size()), &size) !=
        FALSE) {
      widest = std::max(widest, static_cast<int>(size.cx));
    }
  }
  return widest;
}

}  // namespace

TDateOrTime::TDateOrTime(const CommandDialogRequest& request, DateTimeMemory& memory)
    : request_(request), memory_(memory), form_(FormOf(request, memory)) {}

CommandOutcome TDateOrTime::Run(HWND owner) {
  result_.reset();
  if (!RunModal(owner, IDD_DATE_TIME)) return std::nullopt;
  return result_;
}

bool TDateOrTime::OnInit() {
  AnswerF1With(IDC_DT_HELP);
  SetCaption(form_.date ? kDateCaption : kTimeCaption);
  SetItemText(IDC_DT_GROUP, form_.date ? kDateGroup : kTimeGroup);
  FillFormats();
  platform::win32::CheckBox(Handle(), IDC_DT_NO_ZEROS).SetChecked(form_.noLeadingZeros);
  for (const int id :
       {IDC_DT_SET_DATE, IDC_DT_DAYS, IDC_DT_DAYS_INTO, IDC_DT_FUTURE, IDC_DT_PAST}) {
    ShowItem(id, form_.date);
  }
  if (form_.date) {
    LimitField(Handle(), IDC_DT_DAYS, kDaysLimit);
    SetItemText(IDC_DT_DAYS, form_.days);
    platform::win32::RadioGroup(Handle(), IDC_DT_FUTURE, IDC_DT_PAST)
        .Check(form_.past ? IDC_DT_PAST : IDC_DT_FUTURE);
  }
  FocusItem(IDC_DT_FORMATS);
  return false;
}

void TDateOrTime::FillFormats() {
  platform::win32::ListBox list(Handle(), IDC_DT_FORMATS);
  TEXTMETRICA metrics{};
  if (const platform::win32::WindowDc dc(list.Handle()); dc) {
    const platform::win32::SelectedObject font(dc.Get(),
                                               reinterpret_cast<HGDIOBJ>(list.Send(WM_GETFONT)));
    if (GetTextMetricsA(dc.Get(), &metrics) != FALSE) {
      list.Send(LB_SETITEMHEIGHT, 0, metrics.tmHeight + 2);
    }
  }
  sampleColumn_ = kTextIndent + WidestName(list.Handle(), form_.date) + kColumnGap;
  for (int format = 1; format <= FormatCount(form_.date); ++format) {
    list.Add(FormatName(form_.date, format));
  }
  list.Select(form_.format - 1);
}

bool TDateOrTime::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlID != IDC_DT_FORMATS) return false;
  const int format = static_cast<int>(item.itemID) + 1;
  const std::string sample = format > 0 ? FormatSample(form_.date, format) : std::string();
  platform::win32::DrawTwoColumnRow(item, FormatName(form_.date, format), sample, kTextIndent,
                                    sampleColumn_);
  return true;
}

void TDateOrTime::OnCommand(int id, int notifyCode) {
  if (id == IDC_DT_FORMATS && notifyCode == LBN_DBLCLK) {
    OnOK();
  } else if (id == IDC_DT_HELP) {
    if (form_.date) {
      platform::win32::ShowHelpTopic(Handle(), platform::kTopicDateFormat);
    } else {
      platform::win32::ShowHelpTopic(Handle(), platform::kTopicTimeFormat);
    }
  } else {
    DialogBase::OnCommand(id, notifyCode);
  }
}

void TDateOrTime::OnOK() {
  DateTimeForm form = form_;
  form.format = platform::win32::ListBox(Handle(), IDC_DT_FORMATS).Selected() + 1;
  form.noLeadingZeros = platform::win32::CheckBox(Handle(), IDC_DT_NO_ZEROS).IsChecked();
  if (form.date) {
    form.days = ItemText(IDC_DT_DAYS);
    form.past =
        platform::win32::RadioGroup(Handle(), IDC_DT_FUTURE, IDC_DT_PAST).Checked() == IDC_DT_PAST;
  }
  DialogOutcome<DateTimeField> outcome = AcceptDateTime(form);
  if (!outcome.Accepted()) {
    ShowRefusal(Handle(), outcome.caption, outcome.message,
                outcome.focus == DateTimeField::Days ? IDC_DT_DAYS : IDC_DT_FORMATS);
    return;
  }
  memory_ = Remembered(memory_, form);
  result_ = std::move(outcome.result);
  End(IDOK);
}

CommandOutcome RunDateTimeDialog(HWND owner, const CommandDialogRequest& request,
                                 DateTimeMemory& memory) {
  return TDateOrTime(request, memory).Run(owner);
}

}  // namespace quindle::editors::win32
