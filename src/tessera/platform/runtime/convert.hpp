// The host runtime's conversion functions, under the user locale of the numeric category.
//
// Each takes any Variant (strings, numbers and Booleans convert implicitly) and raises the host's
// errors: 13 "Type mismatch" for a text that is not a number or a value that has no such form
// (an object, a missing argument), 94 "Invalid use of Null" for Null, 6 "Overflow" for a number
// the result type cannot hold. The locale is looked up anew on every call.
//
// What CStr writes, CDbl, CLng and CBool read back to the same value under the same locale: a
// double is written with up to 15 significant digits, the locale's decimal separator and no
// grouping, in exponent form ("1E+20", "1,5E-07") below 1E-4 and from 1E15 on in magnitude.
#pragma once

#include <cstdint>
#include <string>

#include "tessera/export.hpp"
#include "tessera/platform/runtime/variant.hpp"

namespace tessera::platform {

// Integers plainly, a Boolean as the locale's word ("Wahr", "True"), Empty as "", a Date in the
// locale's short date and time forms (date_text.hpp) under the locale of the time category.
TESSERA_API std::string CStr(const Variant& value);

// Booleans are -1 and 0, Empty is 0, a Date its serial number.
TESSERA_API double CDbl(const Variant& value);

// As CDbl, then rounded to the nearest integer, halves to the even one (2.5 -> 2, 3.5 -> 4).
TESSERA_API int16_t CInt(const Variant& value);
TESSERA_API int32_t CLng(const Variant& value);
TESSERA_API uint8_t CByte(const Variant& value);

// A text is true or false when it is the locale's word or the English "True"/"False", in any
// case, and otherwise when it is a number; a number is false exactly when it is 0.
TESSERA_API bool CBool(const Variant& value);

// A date from a text under the locale of the time category (date_parse.hpp; error 13 when it is
// not one), from a number as its serial (error 6 outside the host's date range), Empty as the
// zero date. Null raises 94, objects and missing arguments 13.
TESSERA_API Date CDate(const Variant& value);

// Whether CDate would give a date from a text; a Date is one, any other kind is not.
TESSERA_API bool IsDate(const Variant& value);

// Whether CDbl would give a number: Empty and the number kinds and Booleans are numeric, a text
// when it reads as one that a double holds; Null, dates, objects and missing arguments are not.
TESSERA_API bool IsNumeric(const Variant& value);

}  // namespace tessera::platform
