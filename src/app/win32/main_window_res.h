/* Resource numbers of the main window and the About box, shared by their resource script (read
   by the resource compiler, hence plain macros) and their classes. The main window's numbers
   lie in 3000-3099 and the About box's in 3100-3149 (platform/win32/resource_ranges.h). */
#pragma once

#define IDR_MAIN_MENU 3000
#define IDR_MAIN_ACCELERATORS 3001

/* "&File" */
#define IDM_FILE_TERMINATE 3010
/* "&Tools" */
#define IDM_TOOLS_RESTORE_KEYBOARD 3020
#define IDM_TOOLS_RESTORE_MOUSE 3021
/* "&Help" */
#define IDM_HELP_CONTENTS 3030
#define IDM_HELP_TUTORIAL 3031
#define IDM_HELP_ABOUT 3032

/* The list of macros */
#define IDC_MACRO_LIST 3050

/* TAboutBox; its "OK" button is IDOK */
#define IDD_ABOUT 3100
#define IDC_ABOUT_NAME 3101
#define IDC_ABOUT_VERSION 3102
#define IDC_ABOUT_ICON 3103
#define IDC_ABOUT_FILE 3104
