#include "tessera/platform/runtime/text_case.hpp"

#include <unicode/uchar.h>

#include "tessera/platform/runtime/codepage.hpp"

namespace tessera::platform {

namespace {

template <typename Map>
std::string MapEach(std::string_view text, Map map) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    AppendUtf8(out, static_cast<char32_t>(map(static_cast<UChar32>(NextCodePoint(text, pos)))));
  }
  return out;
}

UChar32 Fold(UChar32 c) {
  return u_foldCase(c, U_FOLD_CASE_DEFAULT);
}

}  // namespace

std::string UCase(std::string_view text) {
  return MapEach(text, u_toupper);
}

std::string LCase(std::string_view text) {
  return MapEach(text, u_tolower);
}

std::string FoldCase(std::string_view text) {
  return MapEach(text, Fold);
}

char32_t FoldCodePoint(char32_t code_point) {
  return static_cast<char32_t>(Fold(static_cast<UChar32>(code_point)));
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    const auto ca = static_cast<UChar32>(NextCodePoint(a, i));
    const auto cb = static_cast<UChar32>(NextCodePoint(b, j));
    if (ca != cb && Fold(ca) != Fold(cb)) return false;
  }
  return i == a.size() && j == b.size();
}

}  // namespace tessera::platform
