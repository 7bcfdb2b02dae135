// Drives one command dialog through a list of steps: each step looks at the open windows and
// returns true once it has done its part, and the next step starts on the next tick. Message
// boxes are found by their titles and answered like the user would.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/win32/modal_driver.h"

namespace quindle::editors::win32::testing {

using platform::win32::testing::Driver;
using platform::win32::testing::EndIfOpen;
using platform::win32::testing::FindShown;
using platform::win32::testing::TextOf;

using Step = std::function<bool()>;

// A window closed by an earlier test may have posted WM_QUIT, which would end a modal loop at
// once.
inline void DrainQueue() {
  MSG message;
  while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
}

// Runs `modal` while the steps are taken in turn; false when they did not all happen in time.
inline bool RunSteps(const char* caption, std::vector<Step> steps,
                     const std::function<void()>& modal) {
  DrainQueue();
  std::size_t at = 0;
  return Driver::Run(
      [&] {
        if (at < steps.size() && steps[at]()) ++at;
        return at == steps.size();
      },
      [&] {
        EndIfOpen("Error");
        EndIfOpen("Warning");
        EndIfOpen(caption);
      },
      modal);
}

inline HWND Item(const char* caption, int id) {
  return ::GetDlgItem(FindShown(caption), id);
}
inline bool Enabled(const char* caption, int id) {
  return ::IsWindowEnabled(Item(caption, id)) != FALSE;
}
inline bool Visible(const char* caption, int id) {
  return ::IsWindowVisible(Item(caption, id)) != FALSE;
}
inline bool Checked(const char* caption, int id) {
  return ::IsDlgButtonChecked(FindShown(caption), id) == BST_CHECKED;
}
inline void Click(const char* caption, int id) {
  ::SendMessageA(Item(caption, id), BM_CLICK, 0, 0);
}
inline void Type(const char* caption, int id, const char* text) {
  ::SetWindowTextA(Item(caption, id), text);
}
inline std::string Text(const char* caption, int id) {
  return TextOf(Item(caption, id));
}

// A step that waits for `caption` and then does `act`.
inline Step When(const char* caption, std::function<void()> act) {
  return [caption, act] {
    if (FindShown(caption) == nullptr) return false;
    act();
    return true;
  };
}

// A step that presses "&Ok" (or another command) of `caption`.
inline Step Press(const char* caption, int command = IDOK) {
  return When(caption,
              [caption, command] { ::PostMessageA(FindShown(caption), WM_COMMAND, command, 0); });
}

// A step that waits for a message box titled `title`, keeps its text in `text` and answers it
// with `button` (IDOK, IDYES, IDNO).
inline Step Answer(const char* title, std::string& text, int button = IDOK) {
  return [title, &text, button] {
    HWND box = FindShown(title);
    if (box == nullptr) return false;
    text = TextOf(::GetDlgItem(box, 0xFFFF));
    ::PostMessageA(box, WM_COMMAND, button, 0);
    return true;
  };
}

// A step that waits until no box titled `title` is shown and the focus is on control `id` of
// `caption`; `focused` says whether it got there.
inline Step FocusBack(const char* caption, const char* title, int id, bool& focused) {
  return [caption, title, id, &focused] {
    if (FindShown(title) != nullptr || FindShown(caption) == nullptr) return false;
    focused = ::GetFocus() == Item(caption, id);
    return focused;
  };
}

}  // namespace quindle::editors::win32::testing
