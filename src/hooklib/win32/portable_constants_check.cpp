// The Win32 numbers that the portable headers define for themselves, so that they compile without
// <windows.h>, checked here against <windows.h>: a wrong number fails the Windows build instead
// of sending the wrong message, flag or key. The check sits in the hook library's Win32 folder,
// the lowest that sees both the platform's values and the contract with the main program.
#include "platform/win32/win32_api.h"

#include "hooklib/hook_logic.h"
#include "hooklib/hook_messages.h"
#include "platform/desktop.h"
#include "platform/input.h"
#include "platform/virtual_keys.h"

namespace quindle::hooklib::win32 {

using namespace platform;
namespace {

// Show-window codes, window positions and system commands (platform/desktop.h).
static_assert(kSwHide == SW_HIDE);
static_assert(kSwShowNormal == SW_SHOWNORMAL);
static_assert(kSwShow == SW_SHOW);
static_assert(kSwRestore == SW_RESTORE);
static_assert(kSwpNoSize == SWP_NOSIZE);
static_assert(kSwpNoMove == SWP_NOMOVE);
static_assert(kSwpNoZOrder == SWP_NOZORDER);
static_assert(kWmQuit == WM_QUIT);
static_assert(kWmSysCommand == WM_SYSCOMMAND);
static_assert(kScMinimize == SC_MINIMIZE);
static_assert(kScMaximize == SC_MAXIMIZE);
static_assert(kScClose == SC_CLOSE);
static_assert(kScRestore == SC_RESTORE);
static_assert(kScScreenSave == SC_SCREENSAVE);

// The hook codes and messages the CBT and message-retrieval hooks act on (hooklib/hook_logic.h).
static_assert(kCbtActivate == HCBT_ACTIVATE);
static_assert(kPmRemove == PM_REMOVE);
static_assert(kWmChar == WM_CHAR);

// Key-event and mouse-event flags, MapVirtualKey types (platform/input.h).
static_assert(kKeyEventKeyUp == KEYEVENTF_KEYUP);
static_assert(kMouseMove == MOUSEEVENTF_MOVE);
static_assert(kMouseLeftDown == MOUSEEVENTF_LEFTDOWN);
static_assert(kMouseLeftUp == MOUSEEVENTF_LEFTUP);
static_assert(kMouseRightDown == MOUSEEVENTF_RIGHTDOWN);
static_assert(kMouseRightUp == MOUSEEVENTF_RIGHTUP);
static_assert(kMouseMiddleDown == MOUSEEVENTF_MIDDLEDOWN);
static_assert(kMouseMiddleUp == MOUSEEVENTF_MIDDLEUP);
static_assert(kMouseWheel == MOUSEEVENTF_WHEEL);
static_assert(kMouseAbsolute == MOUSEEVENTF_ABSOLUTE);
static_assert(kMapVkToScan == MAPVK_VK_TO_VSC);
static_assert(kMapVkToChar == MAPVK_VK_TO_CHAR);

// Virtual keys (platform/virtual_keys.h).
static_assert(kVkTab == VK_TAB);
static_assert(kVkShift == VK_SHIFT);
static_assert(kVkControl == VK_CONTROL);
static_assert(kVkMenu == VK_MENU);
static_assert(kVkPause == VK_PAUSE);
static_assert(kVkCapital == VK_CAPITAL);
static_assert(kVkPageUp == VK_PRIOR && VK_NEXT == 34 && VK_END == 35 && VK_HOME == 36);
static_assert(VK_LEFT == 37 && VK_UP == 38 && VK_RIGHT == 39 && kVkDown == VK_DOWN);
static_assert(kVkKeyC == 'C');
static_assert(kVkKeyV == 'V');
static_assert(kVkLeftWin == VK_LWIN);
static_assert(kVkRightWin == VK_RWIN);
static_assert(kVkNumpad0 == VK_NUMPAD0);
static_assert(kVkScroll == VK_SCROLL);
static_assert(kVkLeftShift == VK_LSHIFT);
static_assert(kVkLeftControl == VK_LCONTROL);
static_assert(kVkLeftMenu == VK_LMENU);
static_assert(kVkRightMenu == VK_RMENU);
static_assert(kVkNoKey == 0xFF);  // VkKeyScanA's -1, low byte

// The hook library's messages and values (hooklib/hook_messages.h, hooklib/hook_logic.h).
static_assert(kWmUser == WM_USER);
static_assert(kMarkerKey == VK_EXECUTE);
static_assert(kWmMouseMove == WM_MOUSEMOVE);
static_assert(kWmLButtonDown == WM_LBUTTONDOWN);
static_assert(kWmLButtonUp == WM_LBUTTONUP);
static_assert(kWmLButtonDblClk == WM_LBUTTONDBLCLK);
static_assert(kWmRButtonDown == WM_RBUTTONDOWN);
static_assert(kWmRButtonUp == WM_RBUTTONUP);
static_assert(kWmRButtonDblClk == WM_RBUTTONDBLCLK);
static_assert(kWmMButtonDown == WM_MBUTTONDOWN);
static_assert(kWmMButtonUp == WM_MBUTTONUP);
static_assert(kWmMButtonDblClk == WM_MBUTTONDBLCLK);
static_assert(kWmNcMouseMove == WM_NCMOUSEMOVE);
static_assert(kWmNcLButtonDown == WM_NCLBUTTONDOWN);
static_assert(kWmNcMButtonDblClk == WM_NCMBUTTONDBLCLK);
static_assert(kHookNoRemove == HC_NOREMOVE);

}  // namespace
}  // namespace quindle::hooklib::win32
