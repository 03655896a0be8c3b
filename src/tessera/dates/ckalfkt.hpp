// CKalFKt: the global calendar class (calendar weeks and the days around them).
//
// Weeks are ISO weeks, Monday to Sunday, week 1 holding the year's first Thursday. A year is found
// by reading the text "1.1.<year>" with the locale-aware CDate, so under a locale that does not
// read it every year counts 52 weeks from the Monday after the zero date (1 January 1900).
//
// Unlike every other class of the library, creating a CKalFKt does nothing at all: it does not
// create the shared ResbankStrings object and relies on an earlier creation where it needs texts.
// It holds no data; members call each other through the public interface.
//
// Errors: AnzTageProMonat and AnzWochenProJahr pass over every failing step and return what they
// had (the days found so far; 52 and the Monday worked out from the zero date). IdentWocheByDatum
// and IdentDatumByWoche pass every error on, for example 6 for a date that leaves the range.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "tessera/export.hpp"
#include "tessera/platform/runtime/date.hpp"
#include "tessera/platform/runtime/object.hpp"
#include "tessera/platform/runtime/variant.hpp"

namespace tessera {

class TESSERA_API CKalFKt : public platform::Object {
 public:
  std::string_view TypeName() const noexcept override { return "CKalFKt"; }

  // The days of month byMonat in year stJahr (any value, taken as text): the last of the days 29,
  // 30 and 31 that the date builder can build, 28 when it builds none (months 0 and 13 too).
  uint8_t AnzTageProMonat(uint8_t byMonat, const platform::Variant& stJahr) const;

  // 52 or 53, and in MonDate the Monday on which week 1 of the year starts.
  uint8_t AnzWochenProJahr(const std::string& stJahr, platform::Date& MonDate) const;

  // The week of the date, 1 to 53; a date before week 1 has the last week of the year before, a
  // date after the last week has week 1.
  uint8_t IdentWocheByDatum(platform::Date aDatum) const;

  // The Monday and Sunday of week byWoche of year lJahr; the week is not checked against the
  // year's count, so 0 is the week before week 1.
  void IdentDatumByWoche(uint8_t byWoche, int32_t lJahr, platform::Date& aDatum,
                         platform::Date& eDatum) const;

 private:
  // The date of day, month and year texts: "d.m.y" read by CDate, or, when resource text 1258 is
  // set, that pattern filled by FillDatePattern. The zero date when no date comes of it.
  platform::Date DatumAusTeilen(const std::string& stDay, const std::string& stMonth,
                                const std::string& stYear) const;
};

// The instance through which the host calls CKalFKt without creating an object.
TESSERA_API CKalFKt& ImplicitCKalFKt();

}  // namespace tessera
