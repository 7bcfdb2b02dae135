// Template and control numbers of the command dialogs of clipboard, files, held keys, remark,
// web address, macro file, text file and date/time, of the symbol chooser with its keypad
// sequence and of the window/program chooser. They lie in 4100-4399, the part of the editors'
// range (platform/win32/resource_ranges.h) these dialogs own.
#pragma once

#define IDD_CLIPBOARD 4100
#define IDC_CB_GROUP 4101
/* The five kinds, in the order of editors::kClipboardKindTexts */
#define IDC_CB_KIND_FIRST 4102
#define IDC_CB_KIND_LAST 4106
#define IDC_CB_PATH_LABEL 4107
#define IDC_CB_PATH 4108
#define IDC_CB_BROWSE 4109
#define IDC_CB_HELP 4110

#define IDD_FILES 4120
#define IDC_FM_GROUP 4121
/* The four kinds, in the order of editors::kFilesKindTexts */
#define IDC_FM_KIND_FIRST 4122
#define IDC_FM_KIND_LAST 4125
#define IDC_FM_PATH_LABEL 4126
#define IDC_FM_PATH 4127
#define IDC_FM_BROWSE 4128
#define IDC_FM_NEW_NAME_LABEL 4129
#define IDC_FM_NEW_NAME 4130
#define IDC_FM_HELP 4131

#define IDD_KEYS 4140
#define IDC_KU_GROUP 4141
/* The eight codes, in the order of editors::kKeyUpDownTexts */
#define IDC_KU_FIRST 4142
#define IDC_KU_LAST 4149
#define IDC_KU_HELP 4150

#define IDD_REMARK 4160
#define IDC_RM_LABEL 4161
#define IDC_RM_TEXT 4162
#define IDC_RM_HELP 4163

#define IDD_WEB 4170
#define IDC_WB_LABEL 4171
#define IDC_WB_ADDRESS 4172
#define IDC_WB_HELP 4173

#define IDD_SWAP 4180
#define IDC_SW_GROUP 4181
#define IDC_SW_LABEL 4182
#define IDC_SW_PATH 4183
#define IDC_SW_BROWSE 4184
#define IDC_SW_HELP 4185

#define IDD_TEXT_FILE 4190
#define IDC_TF_GROUP 4191
#define IDC_TF_LABEL 4192
#define IDC_TF_PATH 4193
#define IDC_TF_BROWSE 4194
#define IDC_TF_EDIT 4195
#define IDC_TF_HELP 4196

#define IDD_DATE_TIME 4200
#define IDC_DT_GROUP 4201
#define IDC_DT_FORMATS 4202
#define IDC_DT_NO_ZEROS 4203
#define IDC_DT_SET_DATE 4204
#define IDC_DT_DAYS 4205
#define IDC_DT_DAYS_INTO 4206
#define IDC_DT_FUTURE 4207
#define IDC_DT_PAST 4208
#define IDC_DT_HELP 4209

#define IDD_SYMBOL 4220
#define IDC_SY_GRID 4221
#define IDC_SY_ALT 4222

#define IDD_ALT_KEYPAD 4240
#define IDC_AK_LABEL 4241
#define IDC_AK_VALUE 4242

#define IDD_SCOPE_CHOOSER 4260
#define IDC_SC_NAME_LABEL 4261
#define IDC_SC_NAME 4262
#define IDC_SC_LIST_LABEL 4263
#define IDC_SC_LIST 4264
#define IDC_SC_ON_TOP 4265
#define IDC_SC_RUNNING 4266
#define IDC_SC_HELP 4267

/* TDoDelay in its scheduler mode: "Timer Seconds" */
#define IDD_TIMER_INTERVAL 4280
#define IDC_TI_LABEL 4281
#define IDC_TI_VALUE 4282
#define IDC_TI_TRAILER 4283
