// Calendar weeks: the examples of the host's calendar, every day and year against <chrono>, and
// what the German year text makes of a locale that does not read it.
#include "tessera/dates/ckalfkt.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "platform/runtime/error_number.hpp"
#include "resbank_catalogue.hpp"
#include "tessera/platform/locale/user_locale.hpp"
#include "tessera/platform/runtime/date_parts.hpp"

namespace tessera {
namespace {

using namespace std::chrono;
using platform::Date;
using platform::DateSerial;

const CKalFKt& Kal() {
  return ImplicitCKalFKt();
}

class CKalFKtGerman : public ::testing::Test {
  platform::ScopedUserLocale locale_{"de-DE"};
};
class CKalFKtEnglish : public ::testing::Test {
  platform::ScopedUserLocale locale_{"en-US"};
};

constexpr sys_days kZeroDate = sys_days(1899y / December / 30);

Date DateOf(sys_days day) {
  return Date(static_cast<double>((day - kZeroDate).count()));
}

// The ISO week of a day and the Monday of week 1 of a year, worked out on the <chrono> calendar.
sys_days FirstMonday(int y) {
  const sys_days fourth = sys_days(year{y} / January / 4);
  return fourth - (weekday(fourth) - Monday);
}
unsigned IsoWeek(sys_days day) {
  const sys_days thursday = day + days{4 - static_cast<int>(weekday(day).iso_encoding())};
  const int y = static_cast<int>(year_month_day(thursday).year());
  return static_cast<unsigned>((day - FirstMonday(y)).count() / 7 + 1);
}

// The days, weeks and Mondays of ordinary years are checked against <chrono> below.
TEST_F(CKalFKtGerman, WeeksOfNoYearDatesOfAWeekAndDaysOfAMonthAlsoUnderResourceText1258) {
  for (const char* no_year : {"kein Jahr", ""}) {
    Date monday(-1.0);
    EXPECT_EQ(Kal().AnzWochenProJahr(no_year, monday), 52) << no_year;
    EXPECT_EQ(monday, DateSerial(1900, 1, 1)) << no_year;
  }
  EXPECT_EQ(Kal().IdentWocheByDatum(Date(DateSerial(2021, 1, 4).serial() + 23.0 / 24 + 59.0 / 1440)), 1);
  Date monday, sunday;
  Kal().IdentDatumByWoche(1, 2021, monday, sunday);
  EXPECT_EQ(monday, DateSerial(2021, 1, 4));
  EXPECT_EQ(sunday, DateSerial(2021, 1, 10));
  Kal().IdentDatumByWoche(0, 2021, monday, sunday);
  EXPECT_EQ(monday, DateSerial(2020, 12, 28));
  EXPECT_EQ(sunday, DateSerial(2021, 1, 3));
  EXPECT_EQ(platform::testing::ErrorNumberOf([] { Kal().IdentWocheByDatum(Date(1e8)); }),
            platform::err::kOverflow);

  EXPECT_EQ(Kal().AnzTageProMonat(2, "2024"), 29);
  EXPECT_EQ(Kal().AnzTageProMonat(2, int16_t{2023}), 28);
  EXPECT_EQ(Kal().AnzTageProMonat(4, "2024"), 30);
  EXPECT_EQ(Kal().AnzTageProMonat(12, "2024"), 31);
  EXPECT_EQ(Kal().AnzTageProMonat(0, "2024"), 28);
  EXPECT_EQ(Kal().AnzTageProMonat(13, "2024"), 28);
  EXPECT_EQ(Kal().AnzTageProMonat(2, platform::Variant::Missing()), 0);  // every try fails, nothing is set

  struct Case {
    const char* pattern;
    uint8_t month;
    const char* year;
    int days;
  };
  for (const Case& c : {Case{"dd.mm.yyyy", 2, "2024", 29}, Case{"d.m.yy", 2, "2024", 29},
                        Case{"dd.mm.yyyy", 2, "0", 29}, Case{"dd.mm.yyyy", 2, "99", 28},
                        Case{"d.m.yy", 2, "2023", 28}, Case{"d.m.yy", 2, "2100", 29},  // "29.2.0": 2000
                        Case{"yyyy-mm-dd", 4, "2024", 30}, Case{"dd.mm.yyyy", 2, "Jahr", 28},
                        Case{"d-m-yyyy", 12, "2024", 31}}) {
    const testing::ResbankCatalogue catalogue(std::string("1258 = ") + c.pattern + "\n");
    EXPECT_EQ(Kal().AnzTageProMonat(c.month, c.year), c.days) << c.pattern << " " << c.year;
  }
}

TEST_F(CKalFKtGerman, IsoWeeksOfEveryDayFrom1900To2200AndOfEveryYearFrom1000To9999) {
  for (sys_days day = sys_days(1900y / January / 1); day <= sys_days(2200y / December / 31); day += days{1}) {
    ASSERT_EQ(Kal().IdentWocheByDatum(DateOf(day)), IsoWeek(day)) << (day - kZeroDate).count();
  }

  for (int y = 1000; y <= 9999; ++y) {
    Date monday;
    const unsigned weeks = IsoWeek(sys_days(year{y} / December / 28));
    ASSERT_EQ(Kal().AnzWochenProJahr(std::to_string(y), monday), weeks) << y;
    ASSERT_EQ(monday, DateOf(FirstMonday(y))) << y;
  }
}

// "1.1.2024" is no date under en-US: every year starts from the zero date, and no day can be built.
TEST_F(CKalFKtEnglish, TheGermanYearTextReadsAsNoDate) {
  Date monday;
  EXPECT_EQ(Kal().AnzWochenProJahr("2015", monday), 52);
  EXPECT_EQ(monday, DateSerial(1900, 1, 1));
  EXPECT_EQ(Kal().IdentWocheByDatum(DateSerial(1900, 1, 8)), 2);
  EXPECT_EQ(Kal().IdentWocheByDatum(DateSerial(2021, 1, 1)), 1);
  EXPECT_EQ(Kal().IdentWocheByDatum(DateSerial(1899, 12, 31)), 52);
  Date sunday;
  Kal().IdentDatumByWoche(1, 2021, monday, sunday);
  EXPECT_EQ(monday, DateSerial(1900, 1, 1));
  EXPECT_EQ(Kal().AnzTageProMonat(12, "2024"), 28);
}

}  // namespace
}  // namespace tessera
