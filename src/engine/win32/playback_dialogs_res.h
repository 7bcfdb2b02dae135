// Template and control numbers of the playback prompts, shared by the dialog templates (read by
// the resource compiler, hence plain macros) and the dialog classes. They lie in 2600-2699
// (platform/win32/resource_ranges.h).
#pragma once

#define IDD_PAUSE_MACRO 2601
#define IDD_REPEAT_PROMPT 2602
#define IDD_ON_TOP_MESSAGE 2603

/* TPauseMacro */
#define IDC_PAUSE_LABEL1 2611 /* "Label1" */
#define IDC_MACRO_TITLE_LABEL 2612
#define IDC_MESSAGE_LABEL 2613
#define IDC_RESUME_BUTTON 2614
#define IDC_ABORT_BUTTON 2615

/* TRepeatPrompt; its "&Ok" button is IDOK */
#define IDC_REPEAT_LABEL 2621
#define IDC_NUM_REPS 2622

/* TOnTopMessage; its "&Ok" button is IDOK */
#define IDC_THE_MESSAGE 2631
