// The four hook decisions over arbitrary shared blocks, with a system that answers arbitrarily.
// Input: the SharedMacroTable (14549 bytes), the RemapBlock (104) and the ActivationBlock (17),
// each zero-filled when the input ends early; then a stream from which both the events and every
// answer of the system (key states, titles, rectangles, translations, times) are taken.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "hooklib/hook_logic.h"
#include "hooklib/hook_messages.h"
#include "storage/macro_record.h"

namespace {

using namespace quindle;

class Stream {
 public:
  Stream(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool Empty() const { return at_ >= size_; }
  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  template <typename T>
  T Take() {
    std::uint8_t bytes[sizeof(T)] = {};
    for (auto& b : bytes) b = Byte();
    T value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

class FuzzEnv final : public hooklib::IHookEnv {
 public:
  explicit FuzzEnv(Stream& in) : in_(in) {}
  std::size_t posts = 0;

  std::int16_t KeyState(int) noexcept override { return in_.Take<std::int16_t>(); }
  bool KeyboardState(std::uint8_t* state) noexcept override {
    if (in_.Byte() & 1) return false;
    for (std::size_t i = 0; i < 256; ++i) state[i] = static_cast<std::uint8_t>(i * 7);
    return true;
  }
  int ToAscii(unsigned, const std::uint8_t*, char* out) noexcept override {
    const int n = static_cast<int>(in_.Byte() % 8) - 2;  // -2 .. 5
    for (int i = 0; i < n; ++i) out[i] = static_cast<char>(in_.Byte());
    return n;
  }
  std::uint32_t MapVkToChar(unsigned) noexcept override { return in_.Take<std::uint32_t>(); }
  hooklib::Hwnd Foreground() noexcept override { return in_.Byte() % 4 == 0 ? 0 : 0x10; }
  std::size_t WindowTitle(hooklib::Hwnd, char* buffer, std::size_t size) noexcept override {
    std::size_t n = in_.Byte();
    if (n > size - 1) n = size - 1;
    for (std::size_t i = 0; i < n; ++i) buffer[i] = static_cast<char>(in_.Byte());
    buffer[n] = '\0';
    return n;
  }
  bool WindowRect(hooklib::Hwnd, hooklib::HookRect& rect) noexcept override {
    if (in_.Byte() & 1) return false;
    rect.left = in_.Take<std::int32_t>();
    rect.top = in_.Take<std::int32_t>();
    rect.right = in_.Take<std::int32_t>();
    rect.bottom = in_.Take<std::int32_t>();
    return true;
  }
  hooklib::Hwnd Focus() noexcept override { return in_.Take<std::uint32_t>(); }
  bool WindowWithExactTitle(const char* title) noexcept override {
    // The title must be a zero-ended string of at most 20 characters.
    if (std::strlen(title) > 20) __builtin_trap();
    return in_.Byte() & 1;
  }
  bool WindowTitleContains(const char* upperText, std::size_t length) noexcept override {
    if (length > 20) __builtin_trap();
    for (std::size_t i = 0; i < length; ++i)
      if (upperText[i] >= 'a' && upperText[i] <= 'z') __builtin_trap();
    return in_.Byte() & 1;
  }
  void Post(hooklib::Hwnd, std::uint32_t message, std::uintptr_t, std::intptr_t) noexcept override {
    ++posts;
    if (message != hooklib::WM_ABORT_KEYS) ++reports;
  }
  std::size_t reports = 0;  // posts other than the abort keys
  hooklib::TimeOfDay Now() noexcept override {
    if (in_.Byte() & 1)
      return {in_.Take<std::int32_t>(), in_.Take<std::int32_t>(), in_.Take<std::int32_t>(),
              in_.Take<std::int32_t>()};
    return {in_.Byte() % 24, in_.Byte() % 60, in_.Byte() % 60, (in_.Byte() * 4) % 1000};
  }

 private:
  Stream& in_;
};

template <typename Block>
void Fill(Block& block, const std::uint8_t*& data, std::size_t& size) {
  const std::size_t n = size < sizeof(Block) ? size : sizeof(Block);
  std::memset(&block, 0, sizeof(Block));
  std::memcpy(&block, data, n);
  data += n;
  size -= n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Heap blocks of exactly the shared sizes, so that AddressSanitizer sees any read past them.
  auto* table = new storage::SharedMacroTable;
  auto* remap = new storage::RemapBlock;
  auto* activation = new storage::ActivationBlock;
  Fill(*table, data, size);
  Fill(*remap, data, size);
  Fill(*activation, data, size);
  Stream in(data, size);
  FuzzEnv env(in);
  for (int events = 0; events < 512 && !in.Empty(); ++events) {
    switch (in.Byte() % 5) {
      case 0: {
        hooklib::KeyEvent event;
        event.code = static_cast<std::int8_t>(in.Byte());
        event.vk = in.Byte() % 2 == 0 ? in.Byte() : in.Take<std::uint32_t>();
        event.data = in.Take<std::uint32_t>();
        // A key-up let through without the mutex must be one that the decision passes on and
        // that changes nothing; repeating the abort report is all it may skip.
        const bool unheld = hooklib::KeyUpPassesUnheld(*table, event);
        auto* before = unheld ? new storage::SharedMacroTable(*table) : nullptr;
        const std::size_t reports = env.reports;
        hooklib::Verdict v = hooklib::KeyboardDecision(*table, env, event);
        if (before != nullptr) {
          if (v.swallow || !v.callNext || v.scopeCode >= 0 || env.reports != reports ||
              std::memcmp(before, table, sizeof *table) != 0)
            __builtin_trap();
          delete before;
        }
        if (v.scopeCode >= 0 && in.Byte() % 2 == 0)
          v = hooklib::KeyboardFire(*table, env, event, v.scopeCode);
        if (v.swallow && v.callNext && event.vk != 43) __builtin_trap();
        break;
      }
      case 1: {
        hooklib::MouseEvent event;
        event.code = static_cast<std::int8_t>(in.Byte());
        event.message = in.Take<std::uint16_t>();
        event.x = in.Take<std::int32_t>();
        event.y = in.Take<std::int32_t>();
        hooklib::Verdict v = hooklib::MouseDecision(*table, env, event);
        if (v.scopeCode >= 0 && in.Byte() % 2 == 0)
          v = hooklib::MouseFire(*table, env, event, v.scopeCode);
        if (!v.callNext) __builtin_trap();
        break;
      }
      case 2:
        hooklib::CbtDecision(*activation, env, static_cast<std::int8_t>(in.Byte()),
                             in.Take<std::uint32_t>());
        break;
      case 3:
        (void)hooklib::RemapCharacter(*remap, in.Take<std::uint32_t>());
        break;
      default: {
        // The scope lookup with any code, and the delay text with any two doubles.
        (void)hooklib::FindMacroInScope(*table, env, in.Take<std::int32_t>());
        char out[64];
        const double last = in.Take<double>();
        const double now = in.Take<double>();
        if (hooklib::FormatCaptureDelay(last, now, out, sizeof out) > sizeof out) __builtin_trap();
        break;
      }
    }
  }
  delete activation;
  delete remap;
  delete table;
  return 0;
}
