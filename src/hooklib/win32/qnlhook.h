// The five exports of QNLHOOK.DLL, as QUINDL.EXE calls them (linked at load time through the
// DLL's import library). Hook handles travel as 32-bit values, 0 for none: the main program
// stores each one in the shared block that the matching hook procedure reads it from.
#pragma once

#include <cstdint>

extern "C" {

// WH_KEYBOARD for all threads; the hook handle, 0 on failure.
std::uint32_t __stdcall QnlHookKeyboard();
// WH_MOUSE for all threads; the hook handle, 0 on failure.
std::uint32_t __stdcall QnlHookMouse();
// WH_GETMESSAGE (character remapping) for all threads; the hook handle, 0 on failure.
std::uint32_t __stdcall QnlHookSwap();
// WH_CBT (window activations) for all threads; the hook handle, 0 on failure.
std::uint32_t __stdcall QnlHookCBT();
// Removes a hook installed by one of the above; nonzero on success.
std::uint32_t __stdcall QnlUnHook(std::uint32_t hook);

}  // extern "C"
