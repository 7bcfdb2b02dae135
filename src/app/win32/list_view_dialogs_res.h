/* Template and control numbers of "Sort Order" (4400-4429), "Appearance" (4430-4459) and
   "Output Macros To File" (4460-4489), shared by the dialog templates (read by the resource
   compiler, hence plain macros) and the dialog classes, which check them against
   kListViewDialogIds (platform/win32/resource_ranges.h). "&Ok" and "&Cancel" are IDOK and
   IDCANCEL. */
#pragma once

/* TSortOrder */
#define IDD_SORT_ORDER 4400
#define IDC_SO_PRIMARY 4401
#define IDC_SO_ACTIVATION 4402
#define IDC_SO_SCOPE 4403
#define IDC_SO_UP 4404
#define IDC_SO_DOWN 4405

/* TDoAppear */
#define IDD_APPEARANCE 4430
#define IDC_AP_COL1 4431
#define IDC_AP_COL2 4432
#define IDC_AP_COL3 4433
#define IDC_AP_SPEED 4434
#define IDC_AP_LETTERED 4435
#define IDC_AP_TITLE_FONT 4436
#define IDC_AP_ROW_FONT 4437

/* TDoOutput: the six check boxes in the order of OutputField */
#define IDD_OUTPUT 4460
#define IDC_OUT_HOT_KEY 4461
#define IDC_OUT_NAME 4462
#define IDC_OUT_WINDOW 4463
#define IDC_OUT_TEXT 4464
#define IDC_OUT_SCHEDULE 4465
#define IDC_OUT_ICON 4466
