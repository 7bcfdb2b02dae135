// Template, menu and control numbers of the direct editor ("Modify Hot Key"), shared by its
// template (read by the resource compiler, hence plain macros) and its class. They lie in
// 4700-4799 (platform/win32/resource_ranges.h). A key button and its menu entry share a
// number, and so do a command button and its "&Actions" entry: both do the same.
#pragma once

#define IDD_MOD_HOTKEYS 4700
#define IDR_MOD_HOTKEYS_MENU 4701
#define IDC_MH_ACTIVATION 4702
#define IDC_MH_TYPLET 4703
#define IDC_MH_SCHEDULE 4704
#define IDC_MH_NICKNAME_LABEL 4705
#define IDC_MH_NICKNAME 4706
#define IDC_MH_GLOBAL 4707
#define IDC_MH_WINDOW 4708
#define IDC_MH_PROGRAM 4709
#define IDC_MH_SELECT 4710
#define IDC_MH_ICON 4711
#define IDC_MH_MEMO_LABEL 4712
#define IDC_MH_MEMO 4713
#define IDC_MH_MISC_LABEL 4714
#define IDC_MH_MISC 4715
#define IDC_MH_MISC_OK 4716
#define IDC_MH_SYMBOLS 4717
#define IDC_MH_HELP 4718
#define IDM_MH_CUT 4719
#define IDM_MH_COPY 4720
#define IDM_MH_PASTE 4721
#define IDM_MH_DELETE 4722
/* The 30 key buttons and their menu entries, in the order of editors::kKeyButtons */
#define IDC_MH_KEY_FIRST 4730
#define IDC_MH_KEY_LAST 4759
/* The 19 command buttons and their menu entries, in the order of editors::kDirectCommands */
#define IDC_MH_COMMAND_FIRST 4760
#define IDC_MH_COMMAND_LAST 4778
