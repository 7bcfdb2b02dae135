// Template and control numbers of "Capture Defaults" (3400-3449), "Capture Macro" (3450-3499)
// and "Capture Complete" (3500-3549), shared by the dialog templates (read by the resource
// compiler, hence plain macros) and the dialog classes (platform/win32/resource_ranges.h). The
// capture options have the same numbers in the first two, so one piece of code shows them in
// both.
#pragma once

/* The capture options of TCaptureDefaults and TCaptureKeys */
#define IDC_CAP_KEYS 3401
#define IDC_CAP_DOUBLE_ALT 3402
#define IDC_CAP_MOUSE 3403
#define IDC_CAP_SCREEN 3404
#define IDC_CAP_WINDOW 3405
#define IDC_CAP_WINDOW_SIZE 3406
#define IDC_CAP_TIMING 3407
#define IDC_CAP_SPEED_ACTUAL 3408
#define IDC_CAP_SPEED_HALF 3409
#define IDC_CAP_SPEED_DOUBLE 3410
#define IDC_CAP_SPEED_QUADRUPLE 3411
#define IDC_CAP_GLOBAL 3412
#define IDC_CAP_PROGRAM 3413
#define IDC_CAP_HELP 3414

/* TCaptureDefaults; "&Ok" and "&Cancel" are IDOK and IDCANCEL */
#define IDD_CAPTURE_DEFAULTS 3420
#define IDC_CAP_PROMPT 3421

/* TCaptureKeys; "&Start Capture" and "&Cancel" are IDOK and IDCANCEL */
#define IDD_CAPTURE_KEYS 3450
#define IDC_CAP_STOP_TEXT_1 3451
#define IDC_CAP_STOP_TEXT_2 3452
#define IDC_CAP_NICKNAME_LABEL 3453
#define IDC_CAP_NICKNAME 3454

/* TCapComplete; "&Ok" is IDOK */
#define IDD_CAP_COMPLETE 3500
#define IDC_CC_HOT_KEYS 3501
#define IDC_CC_TYPLETS 3502
#define IDC_CC_HOT_KEY_LABEL 3503
#define IDC_CC_HOT_KEY_ENTRY 3504
#define IDC_CC_KEY_LIST 3505
#define IDC_CC_TYPLET_LABEL 3506
#define IDC_CC_TYPLET_NAME 3507
#define IDC_CC_NICKNAME_LABEL 3508
#define IDC_CC_NICKNAME 3509
#define IDC_CC_GLOBAL 3510
#define IDC_CC_PROGRAM 3511
#define IDC_CC_HELP 3512
#define IDC_CC_SCOPE_GROUP 3513
