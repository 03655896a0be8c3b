// Library text (UTF-8) to and from the component ABI's UTF-16 strings.
#pragma once

#include <string>
#include <string_view>

#include "tessera/frame/component/com_abi.h"

namespace tessera::frame {

// UTF-16 code units to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf8FromUtf16(std::u16string_view text);
std::string Utf8FromBstr(BSTR text);  // a null BSTR is the empty string

std::u16string Utf16FromUtf8(std::string_view text);
// A new BSTR; std::bad_alloc when memory runs out.
BSTR BstrFromUtf8(std::string_view text);

}  // namespace tessera::frame
