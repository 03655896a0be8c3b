// Upper case, lower case and case-blind comparison of UTF-8 text, per character.
//
// The host maps each character on its own (no "ß" to "SS" expansion), so the length in characters
// never changes; this does the same with ICU's simple case mappings.
#pragma once

#include <string>
#include <string_view>

namespace tessera::platform {

std::string UCase(std::string_view text);
std::string LCase(std::string_view text);

// True when the texts are equal after simple case folding of every character ("STRASSE" and
// "strasse" are, "Straße" and "STRASSE" are not).
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// The simply case-folded form of a text, for use as a case-blind key.
std::string FoldCase(std::string_view text);

// The simple case folding of one character.
char32_t FoldCodePoint(char32_t code_point);

}  // namespace tessera::platform
