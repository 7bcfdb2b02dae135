// Template and control numbers of "Import Macros" (4600-4649) and "Export Macros" (4650-4699),
// shared by the dialog templates (read by the resource compiler, hence plain macros) and the
// dialog classes (platform/win32/resource_ranges.h).
#pragma once

/* TMyImport; "&Ok" and "&Cancel" are IDOK and IDCANCEL */
#define IDD_MY_IMPORT 4600
#define IDC_IMP_OPEN 4601
#define IDC_IMP_FILE 4602
#define IDC_IMP_LIST_LABEL 4603
#define IDC_IMP_LIST 4604

/* TMyExport; "Save" and "&Cancel" are IDOK and IDCANCEL */
#define IDD_MY_EXPORT 4650
#define IDC_EXP_LIST_LABEL 4651
#define IDC_EXP_LIST 4652
#define IDC_EXP_SELECT_ALL 4653
#define IDC_EXP_CLEAR 4654
