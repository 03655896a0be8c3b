// UTF-8 code points and the ANSI code page (Windows-1252).
//
// Library strings are UTF-8. They cross into profile files, text files and character codes
// through Windows-1252, as the host's "A" calls did: a character the code page cannot hold
// becomes "?". Malformed UTF-8 is read as U+FFFD, one per offending byte, and never fails.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessera::platform {

inline constexpr char32_t kReplacementCharacter = U'\uFFFD';

// Decodes the code point starting at byte `pos` of `text` and advances `pos` past it.
// Precondition: pos < text.size().
char32_t NextCodePoint(std::string_view text, std::size_t& pos) noexcept;

// The byte where the code point ending at byte `end` starts, as NextCodePoint reads the text from
// its start; found without reading from the start. Precondition: 0 < end <= text.size(), and `end`
// is where a code point ends.
std::size_t PreviousCodePointStart(std::string_view text, std::size_t end) noexcept;

// Appends the UTF-8 form of `code_point` (U+FFFD for a surrogate or a value past U+10FFFF).
void AppendUtf8(std::string& out, char32_t code_point);

std::u32string DecodeUtf8(std::string_view text);
std::string EncodeUtf8(std::u32string_view text);

// Windows-1252 byte for a code point, or '?' when the code page has none.
uint8_t AnsiByte(char32_t code_point) noexcept;

// Code point of a Windows-1252 byte. The five bytes the code page leaves undefined map to the C1
// control of the same value, as Windows does, so that every byte survives a round trip.
char32_t AnsiCodePoint(uint8_t byte) noexcept;

// UTF-8 to Windows-1252 bytes and back.
std::string ToAnsi(std::string_view utf8);
std::string FromAnsi(std::string_view ansi);

}  // namespace tessera::platform
