#include "tessera/dates/date_pattern.hpp"

#include "tessera/platform/runtime/convert.hpp"
#include "tessera/platform/runtime/format.hpp"
#include "tessera/platform/runtime/strings.hpp"

namespace tessera {
namespace {

using platform::InStr;
using platform::Replace;

bool Contains(const std::string& text, const std::string& find) {
  return InStr(text, find) > 0;
}

// The longer placeholder formatted with two digits, or else the shorter as the text is.
std::string FillTwoOrOne(const std::string& pattern, const std::string& two, const std::string& one,
                         const std::string& value) {
  if (Contains(pattern, two)) return Replace(pattern, two, platform::Format(value, "00"));
  return Replace(pattern, one, value);
}

std::string FourDigitYear(const std::string& stYear, int32_t year) {
  if (year > 1000) return stYear;
  return platform::Format(stYear, year <= 70 ? "2000" : "1900");
}

std::string TwoDigitYear(const std::string& stYear, int32_t year) {
  return year > 1000 ? std::to_string(year % 100) : stYear;
}

}  // namespace

std::string FillDatePattern(std::string pattern, const std::string& stDay, const std::string& stMonth,
                            const std::string& stYear) {
  pattern = FillTwoOrOne(pattern, "dd", "d", stDay);
  pattern = FillTwoOrOne(pattern, "mm", "m", stMonth);
  const int32_t year = platform::CLng(stYear);
  if (Contains(pattern, "yyyy")) return Replace(pattern, "yyyy", FourDigitYear(stYear, year));
  return Replace(pattern, "yy", TwoDigitYear(stYear, year));
}

platform::Date DateOrZero(const std::string& filled) {
  return platform::IsDate(filled) ? platform::CDate(filled) : platform::Date();
}

}  // namespace tessera
