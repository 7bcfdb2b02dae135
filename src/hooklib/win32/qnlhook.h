// The exports of QNLHOOK.DLL: the five that QUINDL.EXE calls (linked at load time through the
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

// One of the four hooks on one thread only, for the 32-bit host (hooklib/hook_host.h): `kind`
// is one of the numbers below; the hook handle, 0 on failure or for an unknown kind.
std::uint32_t __stdcall QnlHookThread(std::uint32_t kind, std::uint32_t thread);
inline constexpr std::uint32_t kQnlHookSwap = 0;
inline constexpr std::uint32_t kQnlHookCbt = 1;
inline constexpr std::uint32_t kQnlHookKeyboard = 2;
inline constexpr std::uint32_t kQnlHookMouse = 3;

}  // extern "C"
