/* Numbers of "Choose A Macro", "Build Macro Menu" and the popup-menu icon; inside
   kPopupMenuIds (platform/win32/resource_ranges.h). */
#pragma once

#define IDI_POPUP_MENU 5200

#define IDD_CHOOSE_MENU 5210
#define IDC_CH_TITLE1 5211
#define IDC_CH_SCOPE1 5212
#define IDC_CH_TITLE2 5213
#define IDC_CH_SCOPE2 5214
#define IDC_CH_LIST1 5215
#define IDC_CH_LIST2 5216
#define IDC_CH_HINT 5217
/* The icon buttons of the icon layout are made at run time, one per member, from this number. */
#define IDC_CH_ICON_FIRST 5300
#define IDC_CH_ICON_LAST 5799

#define IDD_BUILD_MENU 5250
#define IDC_BM_HOTKEY 5251
#define IDC_BM_NAME 5252
#define IDC_BM_TRAY 5253
#define IDC_BM_TEXT 5254
#define IDC_BM_ICONS 5255
#define IDC_BM_NAMES 5256
#define IDC_BM_SIZE 5257
#define IDC_BM_ICON 5258
#define IDC_BM_MEMBERS 5259
#define IDC_BM_AVAILABLE 5260
#define IDC_BM_ADD 5261
#define IDC_BM_BEFORE 5262
#define IDC_BM_AFTER 5263
#define IDC_BM_REMOVE 5264
#define IDC_BM_UP 5265
#define IDC_BM_DOWN 5266
#define IDC_BM_HELP 5267
#define IDC_BM_MEMBERS_HEAD1 5270
#define IDC_BM_MEMBERS_HEAD2 5271
#define IDC_BM_MEMBERS_HEAD3 5272
#define IDC_BM_AVAILABLE_HEAD1 5273
#define IDC_BM_AVAILABLE_HEAD2 5274
#define IDC_BM_AVAILABLE_HEAD3 5275
