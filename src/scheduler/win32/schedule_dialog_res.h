// Template and control numbers of the "Set Schedule" dialog, shared by its template (read by the
// resource compiler, hence plain macros) and TDoSchedule. They lie in 3300-3399
// (platform/win32/resource_ranges.h).
#pragma once

#define IDD_SET_SCHEDULE 3301

/* The kinds, in ScheduleKind order: at start-up .. other (every N minutes) */
#define IDC_KIND_STARTUP 3310
#define IDC_KIND_ONCE 3311
#define IDC_KIND_HOURLY 3312
#define IDC_KIND_DAILY 3313
#define IDC_KIND_WEEKLY 3314
#define IDC_KIND_MONTHLY 3315
#define IDC_KIND_OTHER 3316
#define IDC_HELP_BUTTON 3317

#define IDC_STARTUP_TEXT 3320

#define IDC_ONCE_YEAR_LABEL 3330
#define IDC_ONCE_YEAR 3331
#define IDC_ONCE_YEAR_SPIN 3332
#define IDC_ONCE_MONTH_LABEL 3333
#define IDC_ONCE_MONTH 3334
#define IDC_ONCE_DAY_LABEL 3335
#define IDC_ONCE_DAY 3336
#define IDC_ONCE_DAY_SPIN 3337
#define IDC_ONCE_TIME_LABEL 3338
#define IDC_ONCE_TIME 3339

#define IDC_HOURLY_LABEL 3340
#define IDC_HOURLY_MINUTES 3341
#define IDC_HOURLY_SPIN 3342

#define IDC_DAILY_TIME_LABEL 3345
#define IDC_DAILY_TIME 3346
#define IDC_DAY_MONDAY 3350 /* .. 3356 Sunday, the record's order */
#define IDC_DAY_SUNDAY 3356

#define IDC_WEEKLY_DAY_LABEL 3360
#define IDC_WEEKLY_DAY 3361
#define IDC_WEEKLY_TIME_LABEL 3362
#define IDC_WEEKLY_TIME 3363

#define IDC_MONTHLY_DAY_LABEL 3370
#define IDC_MONTHLY_DAY 3371
#define IDC_MONTHLY_SPIN 3372
#define IDC_MONTHLY_TIME_LABEL 3373
#define IDC_MONTHLY_TIME 3374

#define IDC_EVERY_LABEL 3380
#define IDC_EVERY_MINUTES 3381
#define IDC_EVERY_SPIN 3382
#define IDC_EVERY_UNIT 3383
