// Little-endian integer and string fields for the fixed binary layouts shared with the hook
// library and stored in macro files. Every type here is a plain byte array with alignment 1, so
// a struct built from them has no padding and reads the same bytes on any host.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <type_traits>

namespace quindle::storage {

template <typename T>
struct LeInt {
  static_assert(std::is_integral_v<T>);
  std::uint8_t bytes[sizeof(T)];

  constexpr T Get() const noexcept {
    using U = std::make_unsigned_t<T>;
    U v = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i)
      v |= static_cast<U>(static_cast<U>(bytes[i]) << (8 * i));
    return static_cast<T>(v);
  }
  constexpr void Set(T value) noexcept {
    using U = std::make_unsigned_t<T>;
    const U v = static_cast<U>(value);
    for (std::size_t i = 0; i < sizeof(T); ++i) bytes[i] = static_cast<std::uint8_t>(v >> (8 * i));
  }
  constexpr operator T() const noexcept { return Get(); }
  constexpr LeInt& operator=(T value) noexcept {
    Set(value);
    return *this;
  }
};

using LeU16 = LeInt<std::uint16_t>;
using LeI16 = LeInt<std::int16_t>;
using LeU32 = LeInt<std::uint32_t>;
using LeI32 = LeInt<std::int32_t>;

// An IEEE-754 double stored little-endian (date-times, capture event times).
struct LeF64 {
  std::uint8_t bytes[8];

  double Get() const noexcept {
    std::uint64_t v = 0;
    for (int i = 0; i < 8; ++i) v |= static_cast<std::uint64_t>(bytes[i]) << (8 * i);
    return std::bit_cast<double>(v);
  }
  void Set(double value) noexcept {
    const auto v = std::bit_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i) bytes[i] = static_cast<std::uint8_t>(v >> (8 * i));
  }
  operator double() const noexcept { return Get(); }
  LeF64& operator=(double value) noexcept {
    Set(value);
    return *this;
  }
};

// A one-byte boolean: 0 is false, any other value true; written as 1.
struct Flag {
  std::uint8_t byte;
  constexpr operator bool() const noexcept { return byte != 0; }
  constexpr Flag& operator=(bool value) noexcept {
    byte = value ? 1 : 0;
    return *this;
  }
};

// A length-prefixed byte string of at most N characters: a length byte, then the characters.
// A length byte larger than N (a damaged file) is read as N, so a read never leaves the field.
template <std::size_t N>
struct PString {
  static_assert(N > 0 && N < 256);
  static constexpr std::size_t kCapacity = N;
  std::uint8_t length;
  char chars[N];

  constexpr std::size_t Size() const noexcept { return std::min<std::size_t>(length, N); }
  constexpr std::string_view View() const noexcept { return {chars, Size()}; }
  constexpr bool Empty() const noexcept { return Size() == 0; }
  // Stores up to N characters of `text`; the bytes after them are left as they were, as the
  // stored format allows.
  constexpr void Assign(std::string_view text) noexcept {
    const std::size_t n = std::min(text.size(), N);
    for (std::size_t i = 0; i < n; ++i) chars[i] = text[i];
    length = static_cast<std::uint8_t>(n);
  }
  constexpr char First() const noexcept { return Size() > 0 ? chars[0] : '\0'; }
};

}  // namespace quindle::storage
