// Template and control numbers of the scripting editor and the keystroke editor, shared by
// their template (read by the resource compiler, hence plain macros) and their classes. They
// lie in 3600-4399 (platform/win32/resource_ranges.h).
#pragma once

#define IDD_SCRIPTING_EDITOR 3601
#define IDC_SE_ACTIVATION 3610
#define IDC_SE_TYPLET 3611
#define IDC_SE_SCHEDULE 3612
#define IDC_SE_NICKNAME_LABEL 3613
#define IDC_SE_NICKNAME 3614
#define IDC_SE_GLOBAL 3615
#define IDC_SE_WINDOW 3616
#define IDC_SE_PROGRAM 3617
#define IDC_SE_SELECT 3618
#define IDC_SE_COMMANDS_LABEL 3619
#define IDC_SE_COMMANDS 3620
#define IDC_SE_INSERT_BEFORE 3621
#define IDC_SE_INSERT_AFTER 3622
#define IDC_SE_ADD 3623
#define IDC_SE_SCRIPT_LABEL 3624
#define IDC_SE_SCRIPT 3625
#define IDC_SE_UP 3626
#define IDC_SE_DOWN 3627
#define IDC_SE_EDIT 3628
#define IDC_SE_COPY 3629
#define IDC_SE_DELETE 3630
#define IDC_SE_HELP 3631
#define IDC_SE_WIZARD 3632
#define IDC_SE_ICON 3633

#define IDD_MOD_TEXT 3651
#define IDR_MOD_TEXT_MENU 3652
#define IDC_MT_LABEL 3660
#define IDC_MT_MEMO 3661
#define IDC_MT_MISC_LABEL 3662
#define IDC_MT_MISC 3663
#define IDC_MT_MISC_OK 3664
#define IDC_MT_HELP 3665
#define IDC_MT_SYMBOLS 3666
/* The 30 key buttons, in the order of editors::kKeyButtons, and their menu entries */
#define IDC_MT_KEY_FIRST 3700
#define IDC_MT_KEY_LAST 3729
#define IDM_MT_KEY_FIRST 3740
#define IDM_MT_KEY_LAST 3769
#define IDM_MT_CUT 3770
#define IDM_MT_COPY 3771
#define IDM_MT_PASTE 3772
#define IDM_MT_DELETE 3773

#define IDD_WIZARD 3780
#define IDC_WZ_QUESTION 3781
/* The 16 tasks, in the order of editors::kWizardTasks */
#define IDC_WZ_TASK_FIRST 3782
#define IDC_WZ_TASK_LAST 3797
#define IDC_WZ_HELP 3798
