// The capture output routine and its delay tags, shared by the keyboard and the mouse hook.
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "hooklib/hook_logic.h"
#include "hooklib/hook_messages.h"
#include "platform/date_time.h"
#include "storage/macro_tags.h"

namespace quindle::hooklib {
namespace {

constexpr std::uint32_t kMsPerFullTag = 10'000;
constexpr char kFullDelay[] = "<MSD:9999>";
constexpr std::size_t kDelayTagLength = sizeof(kFullDelay) - 1;
static_assert(kDelayTagLength == storage::tags::kMsd.size() + storage::tags::kMsdWidth + 1);

// A day fraction as whole milliseconds of the day, rounded as the clock reports milliseconds;
// -1 when the value is not a time of day (another process wrote the table).
std::int64_t MillisecondOfDay(double fraction) noexcept {
  if (!std::isfinite(fraction) || fraction < 0.0 || fraction > 1.0) return -1;
  return std::llround(fraction * static_cast<double>(platform::kMsPerDay));
}

// "<MSD:" + four digits + ">" into `out` (kDelayTagLength characters).
void WriteDelayTag(std::uint32_t ms, char* out) noexcept {
  namespace t = storage::tags;
  for (std::size_t i = 0; i < t::kMsd.size(); ++i) out[i] = t::kMsd[i];
  for (std::size_t i = 0; i < t::kMsdWidth; ++i) {
    out[t::kMsd.size() + t::kMsdWidth - 1 - i] = static_cast<char>('0' + ms % 10);
    ms /= 10;
  }
  out[t::kMsd.size() + t::kMsdWidth] = '>';
}

void PostCharacters(const storage::SharedMacroTable& table, IHookEnv& env, const char* text,
                    std::size_t length) noexcept {
  const Hwnd main = table.MainWindow;
  const std::uintptr_t macro = table.CaptureMacro.Get();
  for (std::size_t i = 0; i < length; ++i)
    env.Post(main, WM_CAPTURE_CHAR, macro,
             static_cast<std::intptr_t>(static_cast<unsigned char>(text[i])));
}

}  // namespace

double DayFraction(const TimeOfDay& time) noexcept {
  const double seconds =
      time.hour * 3600.0 + time.minute * 60.0 + time.second + time.millisecond / 1000.0;
  return seconds / 86400.0;
}

std::uint32_t ElapsedMilliseconds(double last, double now) noexcept {
  const std::int64_t from = MillisecondOfDay(last);
  std::int64_t to = MillisecondOfDay(now);
  if (from < 0 || to < 0) return 0;
  if (from > to) to += platform::kMsPerDay;
  return static_cast<std::uint32_t>(to - from);
}

std::size_t FormatCaptureDelay(double last, double now, char* out, std::size_t size) noexcept {
  if (out == nullptr) return 0;
  const std::uint32_t n = ElapsedMilliseconds(last, now);
  std::size_t written = 0;
  char tag[kDelayTagLength];
  const auto append = [&](std::uint32_t ms) noexcept {
    WriteDelayTag(ms, tag);
    for (std::size_t i = 0; i < kDelayTagLength && written < size; ++i) out[written++] = tag[i];
  };
  for (std::uint32_t full = n / kMsPerFullTag; full > 0 && written < size; --full) append(9999);
  append(n % kMsPerFullTag);
  return written;
}

std::size_t FormatPadded(long long value, std::size_t width, char* out) noexcept {
  if (width > 11) width = 11;
  const bool negative = value < 0;
  // The magnitude as unsigned, so that the most negative value does not overflow.
  unsigned long long magnitude = negative ? 0ull - static_cast<unsigned long long>(value)
                                          : static_cast<unsigned long long>(value);
  char digits[24];
  std::size_t count = 0;
  do {
    digits[count++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  std::size_t length = 0;
  if (negative) out[length++] = '-';
  for (std::size_t used = count + (negative ? 1 : 0); used < width; ++used) out[length++] = '0';
  while (count > 0) out[length++] = digits[--count];
  return length;
}

void OutputCapturePiece(storage::SharedMacroTable& table, IHookEnv& env, const char* piece,
                        std::size_t length) noexcept {
  if (table.CaptureTiming) {
    const double now = DayFraction(env.Now());
    if (table.FirstEvent) {
      table.FirstEvent = false;
    } else {
      // Streamed tag by tag: a long pause gives thousands of full tags, more than a hook's
      // stack should hold at once.
      const std::uint32_t n = ElapsedMilliseconds(table.LastEventTime.Get(), now);
      char tag[kDelayTagLength];
      WriteDelayTag(9999, tag);
      for (std::uint32_t full = n / kMsPerFullTag; full > 0; --full)
        PostCharacters(table, env, tag, kDelayTagLength);
      WriteDelayTag(n % kMsPerFullTag, tag);
      PostCharacters(table, env, tag, kDelayTagLength);
    }
    table.LastEventTime = now;
  }
  PostCharacters(table, env, piece, length);
}

}  // namespace quindle::hooklib
