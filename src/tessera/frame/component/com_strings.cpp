#include "tessera/frame/component/com_strings.hpp"

#include <cstdint>
#include <new>

#include "tessera/platform/runtime/codepage.hpp"

namespace tessera::frame {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char16_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

std::string Utf8FromUtf16(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    char32_t code_point = unit;
    if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      code_point = 0x10000 + ((char32_t{unit} - 0xD800) << 10) + (char32_t{text[++i]} - 0xDC00);
    } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
      code_point = kReplacement;
    }
    platform::AppendUtf8(out, code_point);
  }
  return out;
}

std::string Utf8FromBstr(BSTR text) {
  return Utf8FromUtf16(std::u16string_view(text, SysStringLen(text)));
}

std::u16string Utf16FromUtf8(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    const char32_t code_point = platform::NextCodePoint(text, pos);
    if (code_point >= 0x10000) {
      out.push_back(static_cast<char16_t>(0xD800 + ((code_point - 0x10000) >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + ((code_point - 0x10000) & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(code_point));
    }
  }
  return out;
}

BSTR BstrFromUtf8(std::string_view text) {
  const std::u16string units = Utf16FromUtf8(text);
  if (units.size() > UINT32_MAX / sizeof(char16_t)) throw std::bad_alloc();
  BSTR result = SysAllocStringLen(units.data(), static_cast<uint32_t>(units.size()));
  if (result == nullptr) throw std::bad_alloc();
  return result;
}

}  // namespace tessera::frame
