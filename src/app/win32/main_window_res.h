/* Resource numbers of the main window and the About box, shared by their resource script (read
   by the resource compiler, hence plain macros) and their classes. The main window's numbers
   lie in 3000-3099 and the About box's in 3100-3149 (platform/win32/resource_ranges.h). */
#pragma once

#define IDR_MAIN_MENU 3000
#define IDR_MAIN_ACCELERATORS 3001
#define IDR_TRAY_MENU 3002

/* "&File" */
#define IDM_FILE_TERMINATE 3010
#define IDM_FILE_HIDE 3011
#define IDM_FILE_NEW 3012
#define IDM_FILE_OPEN 3013
#define IDM_FILE_OUTPUT 3014
#define IDM_FILE_PRINT 3015
#define IDM_FILE_PRINTER_FONT 3016
#define IDM_FILE_PRINTER_SETUP 3017
/* "&1".."&5": the last files, IDM_FILE_LAST + 0..4 */
#define IDM_FILE_LAST 3090
/* "&Tools" */
#define IDM_TOOLS_RESTORE_KEYBOARD 3020
#define IDM_TOOLS_RESTORE_MOUSE 3021
#define IDM_TOOLS_MOUSE_LOCATOR 3022
/* "&Remap" */
#define IDM_REMAP 3023
/* "&Help" */
#define IDM_HELP_CONTENTS 3030
#define IDM_HELP_TUTORIAL 3031
#define IDM_HELP_ABOUT 3032

/* "&Macros" */
#define IDM_MACROS_RECAPTURE 3040
#define IDM_MACROS_END_CAPTURE 3041
#define IDM_MACROS_SCRIPTING 3042
#define IDM_MACROS_ADD 3043
#define IDM_MACROS_COPY 3044
#define IDM_MACROS_MODIFY 3045
#define IDM_MACROS_RENAME 3046
#define IDM_MACROS_ACTIVATE 3047
#define IDM_MACROS_REMOVE 3048
#define IDM_MACROS_QUICK_INFO 3049
#define IDM_MACROS_IMPORT 3051
#define IDM_MACROS_EXPORT 3052
#define IDM_MACROS_SORT 3053

/* "&Options" */
#define IDM_OPTIONS_TYPLETS 3060
#define IDM_OPTIONS_CAPTURE 3061
#define IDM_OPTIONS_SHOW_DATE 3062
#define IDM_OPTIONS_ALARM 3063
#define IDM_OPTIONS_TIMER_INTERVAL 3064
#define IDM_OPTIONS_DISABLE_SCREEN_SAVER 3065
#define IDM_OPTIONS_USE_TRAY 3066
#define IDM_OPTIONS_APPEARANCE 3067
#define IDM_OPTIONS_NETWORK 3068

/* MyPopUp, the tray icon's menu */
#define IDM_TRAY_OPEN 3070
#define IDM_TRAY_HELP 3071
#define IDM_TRAY_TERMINATE 3072

/* The list of macros, the large-button panel and the tool-button bar; the buttons send the
   command of their menu entry */
#define IDC_MACRO_LIST 3050
#define IDC_LETTER_PANEL 3080
#define IDC_SPEED_PANEL 3081

/* TAboutBox; its "OK" button is IDOK */
#define IDD_ABOUT 3100
#define IDC_ABOUT_NAME 3101
#define IDC_ABOUT_VERSION 3102
#define IDC_ABOUT_ICON 3103
#define IDC_ABOUT_FILE 3104
