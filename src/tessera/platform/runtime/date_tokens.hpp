// The tokens of a date text under a locale: numbers, month names, separators and AM/PM.
//
// Blanks and tabs only separate tokens. "." is a date separator where the locale separates dates
// with it and a time separator elsewhere. A month abbreviation that ends in "." takes a
// "." that follows its letters ("janv." under fr-FR). Anything else, a word that is no month
// name or designator included, makes the text no date.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "tessera/platform/locale/user_locale.hpp"

namespace tessera::platform {

enum class DateTokenKind { kNumber, kMonth, kDateSeparator, kTimeSeparator, kAm, kPm };

struct DateToken {
  DateTokenKind kind;
  int32_t value = 0;       // the number, or the month 1-12
  std::size_t digits = 0;  // of a number
};

// The tokens of `text`, or nullopt for a character or word that belongs to none, or a number of
// more than nine digits.
std::optional<std::vector<DateToken>> DateTokens(std::string_view text, const LocaleData& locale);

}  // namespace tessera::platform
