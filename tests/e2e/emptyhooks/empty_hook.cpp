// EMPTYHOOK.DLL: a hook procedure that does nothing but pass the event on. EMPTYHOOKS.EXE
// installs it system-wide as the kinds of hook QUINDL installs, so that the typing
// benchmark can tell what any hook costs a program under Wine from what QUINDL's own work costs.
#include <windows.h>

extern "C" __declspec(dllexport) LRESULT CALLBACK
    EmptyHook(int code, WPARAM wParam, LPARAM lParam) {
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
