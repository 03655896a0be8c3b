// The host runtime's Format for numbers, under the user locale of the numeric category.
//
// `format` is a named format or a user-defined pattern (number_pattern.hpp). Named, in any case:
// "General Number" (as CStr), "Fixed" ("0.00"), "Standard" ("#,##0.00"), "Percent" ("0.00%");
// any other text is taken as a pattern, as the host takes it. A pattern may have up to three
// sections separated by ";": positive, negative (written without a sign of its own), zero; an
// empty section falls back to the first. An empty format writes the value as CStr does.
//
// Numbers, Booleans (-1, 0) and texts that read as numbers are formatted; any other text is
// returned unchanged; Empty and Null give "". Dates raise 13 until the date conversions come,
// as do objects and missing arguments; errors of CStr and CDbl pass through. A value too large
// for the pattern raises 6.
#pragma once

#include <string>
#include <string_view>

#include "tessera/platform/runtime/variant.hpp"

namespace tessera::platform {

std::string Format(const Variant& expression, std::string_view format = {});

}  // namespace tessera::platform
