// One locale text fetched the way the date masks fetch it: GetLocaleInfoA into a buffer of spaces
// of a fixed size, back from the ANSI code page, cut at the first NUL.
#pragma once

#include <cstdint>
#include <string>

namespace tessera {

// Error 5 when the value does not fit the buffer (with its NUL), or the locale has no such value.
std::string FetchLocaleText(uint32_t lcid, uint32_t lctype, int32_t buffer_size);

}  // namespace tessera
