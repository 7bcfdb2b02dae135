// A scripted IHookEnv for the hook decisions: key states by virtual key, a list of top-level
// windows with titles and rectangles, the one in front, the focus, a settable clock, and every
// posted message recorded in order.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "hooklib/hook_env.h"
#include "hooklib/hook_messages.h"

namespace quindle::hooklib::testing {

struct PostedMessage {
  Hwnd window = 0;
  std::uint32_t message = 0;
  std::uintptr_t wParam = 0;
  std::intptr_t lParam = 0;
  bool operator==(const PostedMessage&) const = default;
};

struct FakeWindow {
  Hwnd handle = 0;
  std::string title;
  HookRect rect;
};

class FakeHookEnv final : public IHookEnv {
 public:
  // ---- script ----
  void SetDown(int vk, bool down) {
    auto& s = keys_[static_cast<std::size_t>(vk) & 0xFF];
    s = static_cast<std::int16_t>(down ? (s | static_cast<std::int16_t>(0x8000))
                                       : (s & static_cast<std::int16_t>(0x7FFF)));
  }
  void SetCapsToggled(bool on) {
    auto& s = keys_[20];
    s = static_cast<std::int16_t>(on ? (s | 1) : (s & ~1));
  }
  void ReleaseAll() { keys_.fill(0); }
  void AddWindow(Hwnd handle, std::string title, HookRect rect = {}) {
    windows_.push_back({handle, std::move(title), rect});
  }
  void SetForeground(Hwnd window) { foreground_ = window; }
  void SetFocus(Hwnd window) { focus_ = window; }
  void SetTime(TimeOfDay time) { now_ = time; }
  // A dead key: MapVirtualKeyA reports it with bit 31 set.
  void SetDeadKey(unsigned vk) { deadKeys_[vk] = true; }
  void SetToAsciiFails(bool fails) { toAsciiFails_ = fails; }
  void ClearPosts() { posts.clear(); }

  // ---- what happened ----
  std::vector<PostedMessage> posts;
  int keyboardStateCalls = 0;
  // Set while the test plays the hook holding the table's mutex: a title read or a walk of the
  // windows meanwhile is counted, as every key of the system would wait for it.
  bool tableHeld = false;
  int windowReadsWhileHeld = 0;

  std::vector<PostedMessage> PostsOf(std::uint32_t message) const {
    std::vector<PostedMessage> out;
    for (const auto& p : posts)
      if (p.message == message) out.push_back(p);
    return out;
  }
  // The characters of the WM_CAPTURE_CHAR messages, in order.
  std::string CaptureText() const {
    std::string out;
    for (const auto& p : posts)
      if (p.message == WM_CAPTURE_CHAR) out.push_back(static_cast<char>(p.lParam));
    return out;
  }

  // ---- IHookEnv ----
  std::int16_t KeyState(int vk) noexcept override {
    if (vk < 0 || vk > 255) return 0;
    return keys_[static_cast<std::size_t>(vk)];
  }
  bool KeyboardState(std::uint8_t* state) noexcept override {
    ++keyboardStateCalls;
    for (std::size_t i = 0; i < 256; ++i)
      state[i] = static_cast<std::uint8_t>(((keys_[i] & 0x8000) ? 0x80 : 0) | (keys_[i] & 1));
    return true;
  }
  // A US layout for letters, digits and the space; everything else gives no character.
  int ToAscii(unsigned vk, const std::uint8_t* state, char* out) noexcept override {
    if (toAsciiFails_) return 0;
    const bool shift = (state[16] & 0x80) != 0;
    const bool caps = (state[20] & 1) != 0;
    if (vk >= 'A' && vk <= 'Z') {
      out[0] = static_cast<char>((shift != caps) ? vk : vk + 32);
      return 1;
    }
    if ((vk >= '0' && vk <= '9') || vk == ' ') {
      out[0] = static_cast<char>(vk);
      return 1;
    }
    return 0;
  }
  std::uint32_t MapVkToChar(unsigned vk) noexcept override {
    auto dead = deadKeys_.find(vk);
    if (dead != deadKeys_.end()) return 0x80000000u | '^';
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9') || vk == ' ') return vk;
    if (vk == 190) return '.';
    if (vk == 188) return ',';
    return 0;
  }
  Hwnd Foreground() noexcept override { return foreground_; }
  std::size_t WindowTitle(Hwnd window, char* buffer, std::size_t size) noexcept override {
    NoteWindowRead();
    for (const auto& w : windows_) {
      if (w.handle != window) continue;
      const std::size_t n = std::min(w.title.size(), size - 1);
      std::memcpy(buffer, w.title.data(), n);
      buffer[n] = '\0';
      return n;
    }
    buffer[0] = '\0';
    return 0;
  }
  bool WindowRect(Hwnd window, HookRect& rect) noexcept override {
    for (const auto& w : windows_) {
      if (w.handle != window) continue;
      rect = w.rect;
      return true;
    }
    return false;
  }
  Hwnd Focus() noexcept override { return focus_; }
  bool WindowWithExactTitle(const char* title) noexcept override {
    NoteWindowRead();
    for (const auto& w : windows_)
      if (w.title == title) return true;
    return false;
  }
  bool WindowTitleContains(const char* upperText, std::size_t length) noexcept override {
    NoteWindowRead();
    const std::string part(upperText, length);
    for (const auto& w : windows_) {
      if (w.title.empty()) continue;
      std::string upper = w.title;
      for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
      if (upper.find(part) != std::string::npos) return true;
    }
    return false;
  }
  void Post(Hwnd window, std::uint32_t message, std::uintptr_t wParam,
            std::intptr_t lParam) noexcept override {
    posts.push_back({window, message, wParam, lParam});
  }
  TimeOfDay Now() noexcept override { return now_; }

 private:
  void NoteWindowRead() noexcept {
    if (tableHeld) ++windowReadsWhileHeld;
  }

  std::array<std::int16_t, 256> keys_{};
  std::vector<FakeWindow> windows_;
  Hwnd foreground_ = 0;
  Hwnd focus_ = 0;
  TimeOfDay now_{};
  std::map<unsigned, bool> deadKeys_;
  bool toAsciiFails_ = false;
};

}  // namespace quindle::hooklib::testing
