#include "tessera/dates/locale_text.hpp"

#include "tessera/platform/locale/user_locale.hpp"
#include "tessera/platform/runtime/codepage.hpp"
#include "tessera/platform/runtime/error.hpp"

namespace tessera {

std::string FetchLocaleText(uint32_t lcid, uint32_t lctype, int32_t buffer_size) {
  std::string buffer(static_cast<std::size_t>(buffer_size), ' ');
  // Without a NUL the buffer holds no defined text; a cut-off value would be a wrong mask.
  if (platform::GetLocaleInfoA(lcid, lctype, buffer.data(), buffer_size) == 0) {
    platform::Raise(platform::err::kInvalidProcedureCall,
                    "The locale value " + std::to_string(lctype) + " does not fit " +
                        std::to_string(buffer_size - 1) + " characters");
  }
  return platform::FromAnsi(buffer.substr(0, buffer.find('\0')));
}

}  // namespace tessera
