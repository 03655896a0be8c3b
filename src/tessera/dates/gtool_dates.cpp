// GTool's date and time members.
#include <array>
#include <string>
#include <string_view>

#include "tessera/dates/date_pattern.hpp"
#include "tessera/dates/locale_text.hpp"
#include "tessera/dates/resource_setting.hpp"
#include "tessera/frame/errors/error_styles.hpp"
#include "tessera/platform/locale/user_locale.hpp"
#include "tessera/platform/runtime/convert.hpp"
#include "tessera/platform/runtime/date_parts.hpp"
#include "tessera/platform/runtime/format.hpp"
#include "tessera/platform/runtime/strings.hpp"
#include "tessera/platform/runtime/text_case.hpp"
#include "tessera/platform/ui/ui.hpp"
#include "tessera/tool/gtool.hpp"

namespace tessera {

namespace {

using platform::Date;
using platform::UCase;

constexpr int32_t kCurrencyBuffer = 10;
constexpr int32_t kSeparatorBuffer = 2;
constexpr int32_t kPatternBuffer = 15;

using FieldTexts = std::array<std::string_view, 3>;

// The date mask with the field that reads `year` (after upper-casing) replaced by its text in
// `replacement`, and the other fields upper-cased; each field is tested on the mask as the
// earlier ones left it. A mask with no such field stays as it is.
std::string WithYearField(const GTool& tool, std::string mask, const std::string& separator,
                          std::string_view year, const FieldTexts& replacement) {
  for (int16_t field = 1; field <= 3; ++field) {
    if (UCase(tool.ParaGib(mask, separator, field)) != year) continue;
    std::string rebuilt;
    for (int16_t k = 1; k <= 3; ++k) {
      if (k > 1) rebuilt += separator;
      rebuilt += k == field ? std::string(replacement[k - 1]) : UCase(tool.ParaGib(mask, separator, k));
    }
    mask = std::move(rebuilt);
  }
  return mask;
}

// LongDate and its two spaced forms: ShortDate with its two-digit year field written anew.
std::string FromShortDate(const GTool& tool, const FieldTexts& replacement) {
  const std::string mask = tool.ShortDate();
  const uint32_t lcid = platform::GetUserDefaultLCID();
  const std::string separator = FetchLocaleText(lcid, platform::LOCALE_SDATE, kSeparatorBuffer);
  return WithYearField(tool, mask, separator, "YY", replacement);
}

bool TimeTextsAreNumbers(const std::string& stHours, const std::string& stMinutes,
                         const std::string& stSeconds) {
  const bool hours_and_minutes = platform::IsNumeric(stHours) && platform::IsNumeric(stMinutes);
  return hours_and_minutes && (stSeconds.empty() || platform::IsNumeric(stSeconds));
}

// LongTime's mask with the texts in the places of "ss", "mm" and "HH" (or "H").
std::string FilledTimeMask(std::string mask, const std::string& stHours, const std::string& stMinutes,
                           const std::string& stSeconds) {
  using platform::Format;
  using platform::Replace;
  if (!stSeconds.empty()) mask = Replace(mask, "ss", Format(stSeconds, "00"));
  mask = Replace(mask, "mm", Format(stMinutes, "00"));
  if (platform::InStr(mask, "HH") > 0) return Replace(mask, "HH", Format(stHours, "00"));
  return Replace(mask, "H", platform::CLng(stHours) > 9 ? Format(stHours, "00") : stHours);
}

}  // namespace

std::string GTool::SQLDate(Date datChange) const {
  return frame::ReportLabelled<std::string>("GTool.SQLDate", [&](std::string& result) {
    const platform::DateParts parts = platform::PartsOf(datChange);
    result = "#" + std::to_string(parts.month) + "/" + std::to_string(parts.day) + "/" +
             std::to_string(parts.year) + "#";
  });
}

Date GTool::DatumAusStrings(const std::string& stDay, const std::string& stMonth,
                            const std::string& stYear) const {
  Date result;
  frame::PassOver([&] {
    if (ResourceSetting(kLocalePatternsText).empty()) {
      result = platform::CDate(stDay + "." + stMonth + "." + stYear);
      return;
    }
    // LongDate writes its placeholders in upper case; the date pattern rule reads lower case.
    result = DateOrZero(FillDatePattern(platform::LCase(LongDate()), stDay, stMonth, stYear));
  });
  return result;
}

Date GTool::ZeitAusStrings(const std::string& stHours, const std::string& stMinutes,
                           const std::string& stSeconds) const {
  Date result;
  const std::string seconds_part = stSeconds.empty() ? "" : ":" + stSeconds;
  const std::string text = stHours + ":" + stMinutes + seconds_part;
  bool numbers = false;
  frame::PassOver([&] {
    numbers = TimeTextsAreNumbers(stHours, stMinutes, stSeconds);
    if (!numbers) platform::MsgBox("Kein Zeitformat " + text, platform::vbOKOnly, "Talmo");
  });
  if (!numbers) return result;
  frame::PassOver([&] {
    if (ResourceSetting(kLocalePatternsText).empty()) {
      result = platform::CDate(text);
      return;
    }
    result = DateOrZero(FilledTimeMask(LongTime(), stHours, stMinutes, stSeconds));
  });
  return result;
}

std::string GTool::GetCur() const {
  return FetchLocaleText(platform::GetUserDefaultLCID(), platform::LOCALE_SCURRENCY, kCurrencyBuffer);
}

std::string GTool::ShortDate() const {
  const uint32_t lcid = platform::GetUserDefaultLCID();
  const std::string separator = FetchLocaleText(lcid, platform::LOCALE_SDATE, kSeparatorBuffer);
  const std::string pattern = FetchLocaleText(lcid, platform::LOCALE_SSHORTDATE, kPatternBuffer);
  return WithYearField(*this, pattern, separator, "YYYY", {"YY", "YY", "YY"});
}

std::string GTool::LongDate() const {
  return FromShortDate(*this, {"YYYY", "YYYY", "YYYY"});
}

std::string GTool::LongDateSpace() const {
  return FromShortDate(*this, {"YYYY ", " YYYY", " YYYY"});
}

std::string GTool::ShortDateSpace() const {
  return FromShortDate(*this, {"YY ", " YY", " YY"});
}

std::string GTool::LongTime() const {
  const uint32_t lcid = platform::GetUserDefaultLCID();
  const std::string separator = FetchLocaleText(lcid, platform::LOCALE_STIME, kSeparatorBuffer);
  const std::string format = FetchLocaleText(lcid, platform::LOCALE_STIMEFORMAT, kPatternBuffer);
  const int32_t seconds = platform::InStr(UCase(format), separator + "SS");
  if (seconds == 0) return format;
  return platform::Left(format, seconds - 1) + platform::Mid(format, seconds + 3);
}

std::string GTool::ShortTime() const {
  const std::string format = LongTime();
  // The separator is asked for as well, though the mask does not need it.
  (void)FetchLocaleText(platform::GetUserDefaultLCID(), platform::LOCALE_STIME, kSeparatorBuffer);
  const int32_t hours = platform::InStr(UCase(format), "HH");
  if (hours == 0) return format;
  return platform::Left(format, hours - 1) + "H" + platform::Mid(format, hours + 2);
}

}  // namespace tessera
