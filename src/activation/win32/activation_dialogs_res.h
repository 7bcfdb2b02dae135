// Template and control numbers of "Typlet Options" (3200-3249) and "System Hot Keys"
// (3250-3299), shared by the dialog templates (read by the resource compiler, hence plain
// macros) and the dialog classes (platform/win32/resource_ranges.h).
#pragma once

/* TTypletOptions; "&Ok" and "&Cancel" are IDOK and IDCANCEL */
#define IDD_TYPLET_OPTIONS 3200
#define IDC_SOLITARY_USAGE 3201
#define IDC_CASE_SENSITIVE 3202
#define IDC_USE_PREFIX 3203
#define IDC_PREFIX_LABEL 3204
#define IDC_PREFIX_KEYS 3205

/* TSystemKeys; "&Ok" and "&Cancel" are IDOK and IDCANCEL */
#define IDD_SYSTEM_KEYS 3250
#define IDC_ACT_PROG_LABEL 3251
#define IDC_ACT_PROG 3252
#define IDC_START_CAP_LABEL 3253
#define IDC_START_CAP 3254
#define IDC_RESUME_LABEL 3255
#define IDC_RESUME 3256
#define IDC_MENU_TOP_LABEL 3257
#define IDC_MENU_TOP 3258
#define IDC_SYSTEM_MENU_GROUP 3259
#define IDC_SYSTEM_MENU_FIRST_PART 3260
#define IDC_SYSTEM_MENU_ICONS 3261
#define IDC_SYSTEM_MENU_NICKNAME 3262
#define IDC_SYSTEM_KEYS_HINT 3263
#define IDC_SYSTEM_KEYS_HELP 3264
