// The host runtime's Format for numbers, under the user locale of the numeric category.
//
// `format` is a named format or a user-defined pattern (number_pattern.hpp). Named, in any case:
// "General Number" (as CStr), "Fixed" ("0.00"), "Standard" ("#,##0.00"), "Percent" ("0.00%");
// any other text is taken as a pattern, as the host takes it. A pattern may have up to three
// sections separated by ";": positive, negative (written without a sign of its own), zero; an
// empty section falls back to the first. An empty format writes the value as CStr does.
//
// A date format (date_format.hpp) writes dates, numbers as date serials and texts that read as
// dates or numbers; other texts come back unchanged. Any other format writes numbers, Booleans
// (-1, 0), dates as their serials and texts that read as numbers, and returns other texts
// unchanged. Empty and Null give ""; objects and missing arguments raise 13; errors of CStr,
// CDbl and CDate pass through. A value too large for the pattern raises 6.
#pragma once

#include <string>
#include <string_view>

#include "tessera/export.hpp"
#include "tessera/platform/runtime/variant.hpp"

namespace tessera::platform {

TESSERA_API std::string Format(const Variant& expression, std::string_view format = {});

}  // namespace tessera::platform
