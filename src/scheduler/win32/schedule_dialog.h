// TDoSchedule: the "Set Schedule" dialog on a timed macro's record. The radio buttons choose the
// kind and show its panel; "&Update" checks the panel through the model (scheduler/
// schedule_model.h) and stores the schedule into the record, or shows the model's message and
// puts the focus on the field in error. Writing the record and rebuilding the timed-macro table
// are the caller's.
#pragma once

#include "platform/win32/win32_api.h"

#include "platform/win32/dialog_base.h"
#include "scheduler/schedule_model.h"
#include "storage/macro_record.h"

namespace quindle::scheduler::win32 {

class TDoSchedule final : public platform::win32::DialogBase {
 public:
  TDoSchedule(storage::MacroRecord& record, const Today& today) : record_(record), today_(today) {}

  // Runs the dialog modally; true when the schedule was updated, false after Cancel or when the
  // dialog could not be shown (the user has then been told).
  bool Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override { UpdateClick(); }

 private:
  void ShowPanel(int kind);
  ScheduleFields ReadFields();
  void UpdateClick();

  storage::MacroRecord& record_;
  Today today_;
};

}  // namespace quindle::scheduler::win32
