// A 16-byte class or interface identity in the component model's layout.
//
// The field layout is the one the component ABI passes (32-bit, two 16-bit, eight bytes), so a
// Guid can be handed across it as is. Identities are written in source as their registry text
// "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}" and parsed at compile time; a malformed literal does
// not compile. ParseGuid on run-time text answers nullopt for anything malformed.
#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessera::frame {

struct Guid {
  uint32_t data1 = 0;
  uint16_t data2 = 0;
  uint16_t data3 = 0;
  std::array<uint8_t, 8> data4{};

  friend constexpr auto operator<=>(const Guid&, const Guid&) = default;
};
static_assert(sizeof(Guid) == 16, "a Guid crosses the component ABI as 16 bytes");

namespace guid_detail {

constexpr int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The digits of "{8-4-4-4-12}" (braces optional) as 32 nibbles, or nullopt.
constexpr std::optional<std::array<uint8_t, 32>> Nibbles(std::string_view text) {
  if (text.size() == 38 && text.front() == '{' && text.back() == '}') text = text.substr(1, 36);
  if (text.size() != 36) return std::nullopt;
  std::array<uint8_t, 32> nibbles{};
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool dash_place = i == 8 || i == 13 || i == 18 || i == 23;
    if (dash_place) {
      if (text[i] != '-') return std::nullopt;
      continue;
    }
    const int value = HexValue(text[i]);
    if (value < 0) return std::nullopt;
    nibbles[count++] = static_cast<uint8_t>(value);
  }
  return nibbles;
}

constexpr uint32_t Field(const std::array<uint8_t, 32>& nibbles, std::size_t first, std::size_t count) {
  uint32_t value = 0;
  for (std::size_t i = first; i < first + count; ++i) value = value << 4 | nibbles[i];
  return value;
}

}  // namespace guid_detail

constexpr std::optional<Guid> ParseGuid(std::string_view text) {
  const auto nibbles = guid_detail::Nibbles(text);
  if (!nibbles) return std::nullopt;
  Guid guid;
  guid.data1 = guid_detail::Field(*nibbles, 0, 8);
  guid.data2 = static_cast<uint16_t>(guid_detail::Field(*nibbles, 8, 4));
  guid.data3 = static_cast<uint16_t>(guid_detail::Field(*nibbles, 12, 4));
  for (std::size_t i = 0; i < 8; ++i) {
    guid.data4[i] = static_cast<uint8_t>(guid_detail::Field(*nibbles, 16 + 2 * i, 2));
  }
  return guid;
}

// A Guid from a literal; consteval so that a typo in an identity fails the build.
consteval Guid operator""_guid(const char* text, std::size_t size) {
  const auto guid = ParseGuid(std::string_view(text, size));
  if (!guid) throw "malformed GUID literal";
  return *guid;
}

// The registry text, upper case and in braces: "{48EAA08A-0781-4C11-BFD0-253E0B6BBB4C}".
std::string ToString(const Guid& guid);

}  // namespace tessera::frame
