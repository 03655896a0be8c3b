// The host runtime's string functions on UTF-8 text. Positions and lengths count characters, not
// bytes, and start at 1, as the host's do; invalid arguments raise the host's errors (5 for a
// negative length or a start before 1).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessera::platform {

// Binary compares character codes; text compares without regard to case.
enum class CompareMethod { kBinary, kText };

inline constexpr int32_t kToTheEnd = -1;  // Mid's length, Replace's count and InStrRev's start

int32_t Len(std::string_view text);

std::string Mid(std::string_view text, int32_t start, int32_t length = kToTheEnd);
std::string Left(std::string_view text, int32_t length);
std::string Right(std::string_view text, int32_t length);

// Position of the first `find` in `text` at or after `start`; 0 when there is none. An empty
// `find` is found at `start` while `start` lies inside the text.
int32_t InStr(int32_t start, std::string_view text, std::string_view find,
              CompareMethod compare = CompareMethod::kBinary);
int32_t InStr(std::string_view text, std::string_view find);

// Position of the last `find` that ends at or before `start` (kToTheEnd: the whole text).
int32_t InStrRev(std::string_view text, std::string_view find, int32_t start = kToTheEnd,
                 CompareMethod compare = CompareMethod::kBinary);

// The text from `start` on, with up to `count` occurrences of `find` replaced, left to right. As
// the host's Replace, the characters before `start` are not part of the result.
std::string Replace(std::string_view text, std::string_view find, std::string_view replacement,
                    int32_t start = 1, int32_t count = kToTheEnd,
                    CompareMethod compare = CompareMethod::kBinary);

// Trimming removes spaces (U+0020) only, as the host does; tabs and line ends stay.
std::string LTrim(std::string_view text);
std::string RTrim(std::string_view text);
std::string Trim(std::string_view text);

std::string Space(int32_t count);

// Character codes in the ANSI code page (Windows-1252): Asc of a character the code page cannot
// hold is the code of "?"; Chr takes 0 to 255.
int32_t Asc(std::string_view text);
std::string Chr(int32_t code);

// Unicode code points. ChrW takes -32768 to -1 as the 16-bit forms of 32768 to 65535, as the host
// does; a surrogate or a value past U+10FFFF is error 5.
int32_t AscW(std::string_view text);
std::string ChrW(int32_t code);

}  // namespace tessera::platform
