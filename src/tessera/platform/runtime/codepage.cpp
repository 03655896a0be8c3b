#include "tessera/platform/runtime/codepage.hpp"

#include <algorithm>
#include <array>

namespace tessera::platform {

namespace {

// Code points of the bytes 0x80..0x9F; the undefined five keep their C1 value.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

}  // namespace

char32_t NextCodePoint(std::string_view text, std::size_t& pos) noexcept {
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (lead < 0x80) {
    ++pos;
    return lead;
  }
  std::size_t length = 0;
  char32_t value = 0;
  char32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, value = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, value = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, value = lead & 0x07, minimum = 0x10000;
  } else {
    ++pos;
    return kReplacementCharacter;
  }
  if (pos + length > text.size()) {
    ++pos;
    return kReplacementCharacter;
  }
  for (std::size_t i = 1; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(text[pos + i]);
    if (!IsContinuation(byte)) {
      ++pos;
      return kReplacementCharacter;
    }
    value = (value << 6) | (byte & 0x3F);
  }
  // Overlong forms, surrogates and values past the Unicode range are malformed.
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    ++pos;
    return kReplacementCharacter;
  }
  pos += length;
  return value;
}

// A lead byte is never a continuation byte, so no code point read from the start can run across
// it: a sequence that decodes whole from a lead byte and ends at `end` is the code point there.
std::size_t PreviousCodePointStart(std::string_view text, std::size_t end) noexcept {
  for (std::size_t length = 2; length <= 4 && length <= end; ++length) {
    std::size_t pos = end - length;
    NextCodePoint(text, pos);
    if (pos == end) return end - length;
  }
  return end - 1;
}

void AppendUtf8(std::string& out, char32_t code_point) {
  if (code_point > 0x10FFFF || (code_point >= 0xD800 && code_point <= 0xDFFF)) {
    code_point = kReplacementCharacter;
  }
  if (code_point < 0x80) {
    out.push_back(static_cast<char>(code_point));
  } else if (code_point < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (code_point >> 6)));
    out.push_back(static_cast<char>(0x80 | (code_point & 0x3F)));
  } else if (code_point < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (code_point >> 12)));
    out.push_back(static_cast<char>(0x80 | ((code_point >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code_point & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (code_point >> 18)));
    out.push_back(static_cast<char>(0x80 | ((code_point >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((code_point >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code_point & 0x3F)));
  }
}

std::u32string DecodeUtf8(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) out.push_back(NextCodePoint(text, pos));
  return out;
}

std::string EncodeUtf8(std::u32string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char32_t c : text) AppendUtf8(out, c);
  return out;
}

uint8_t AnsiByte(char32_t code_point) noexcept {
  if (code_point < 0x80 || (code_point >= 0xA0 && code_point <= 0xFF)) {
    return static_cast<uint8_t>(code_point);
  }
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == code_point) return static_cast<uint8_t>(0x80 + i);
  }
  return '?';
}

char32_t AnsiCodePoint(uint8_t byte) noexcept {
  if (byte >= 0x80 && byte < 0xA0) return kHighControls[byte - 0x80];
  return byte;
}

std::string ToAnsi(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    out.push_back(static_cast<char>(AnsiByte(NextCodePoint(utf8, pos))));
  }
  return out;
}

std::string FromAnsi(std::string_view ansi) {
  std::string out;
  out.reserve(ansi.size() + ansi.size() / 4);
  const auto is_ascii = [](char byte) { return static_cast<uint8_t>(byte) < 0x80; };
  for (auto byte = ansi.begin(); byte != ansi.end(); ++byte) {
    // Runs of ASCII are the same bytes in UTF-8: they go across whole.
    const auto run_end = std::find_if_not(byte, ansi.end(), is_ascii);
    out.append(byte, run_end);
    if (run_end == ansi.end()) break;
    byte = run_end;
    AppendUtf8(out, AnsiCodePoint(static_cast<uint8_t>(*byte)));
  }
  return out;
}

}  // namespace tessera::platform
