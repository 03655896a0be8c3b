// GTool's date members: the locale masks, the date literal, and dates and times from their parts.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "resbank_catalogue.hpp"
#include "support/recorded_ui.hpp"
#include "tessera/platform/locale/user_locale.hpp"
#include "tessera/platform/runtime/date_parts.hpp"
#include "tessera/tool/gtool.hpp"

namespace tessera {
namespace {

using platform::Date;
using platform::DateSerial;
using platform::MessageBoxCall;
using platform::TimeSerial;

class GToolDatesTest : public tessera::testing::RecordedUiTest {
 protected:
  const std::vector<MessageBoxCall>& boxes() const { return ui_->message_boxes(); }

  GTool tool_;
};

struct Masks {
  const char* locale;
  const char* currency;
  const char* short_date;
  const char* long_date;
  const char* long_date_space;
  const char* short_date_space;
  const char* long_time;
  const char* short_time;
};

TEST_F(GToolDatesTest, MasksOfTheUserLocaleAndTheirPatternsWhenResourceText1001IsSet) {
  for (const Masks& m : {
           Masks{"de-DE", "€", "DD.MM.YY", "DD.MM.YYYY", "DD.MM. YYYY", "DD.MM. YY", "HH:mm", "H:mm"},
           Masks{"en-US", "$", "M/D/YY", "M/D/YYYY", "M/D/ YYYY", "M/D/ YY", "h:mm tt", "h:mm tt"},
           Masks{"nl-NL", "€", "D-M-YY", "D-M-YYYY", "D-M- YYYY", "D-M- YY", "HH:mm", "H:mm"},
           Masks{"es-ES", "€", "DD/MM/YY", "DD/MM/YYYY", "DD/MM/ YYYY", "DD/MM/ YY", "H:mm", "H:mm"},
       }) {
    const platform::ScopedUserLocale locale(m.locale);
    EXPECT_EQ(tool_.GetCur(), m.currency) << m.locale;
    EXPECT_EQ(tool_.ShortDate(), m.short_date) << m.locale;
    EXPECT_EQ(tool_.LongDate(), m.long_date) << m.locale;
    EXPECT_EQ(tool_.LongDateSpace(), m.long_date_space) << m.locale;
    EXPECT_EQ(tool_.ShortDateSpace(), m.short_date_space) << m.locale;
    EXPECT_EQ(tool_.LongTime(), m.long_time) << m.locale;
    EXPECT_EQ(tool_.ShortTime(), m.short_time) << m.locale;
  }

  // With resource text 1001 set, the locale's masks are filled: the date typed comes out under any
  // locale, the time where the mask's hour and minutes are plain ("h:mm tt" keeps its "h").
  const testing::ResbankCatalogue catalogue("1001 = 1\n");
  for (const char* name : {"de-DE", "en-US", "nl-NL", "es-ES"}) {
    const platform::ScopedUserLocale locale(name);
    EXPECT_EQ(tool_.DatumAusStrings("5", "3", "2024"), DateSerial(2024, 3, 5)) << name;
    EXPECT_EQ(tool_.DatumAusStrings("05", "03", "24"), DateSerial(2024, 3, 5)) << name;
    EXPECT_EQ(tool_.DatumAusStrings("31", "4", "2024"), Date()) << name;
  }
  const platform::ScopedUserLocale german("de-DE");
  EXPECT_EQ(tool_.ZeitAusStrings("8", "5", "30"), TimeSerial(8, 5, 0));  // LongTime has no seconds
  const platform::ScopedUserLocale spanish("es-ES");
  EXPECT_EQ(tool_.ZeitAusStrings("14", "5", ""), TimeSerial(14, 5, 0));
  EXPECT_EQ(tool_.ZeitAusStrings("8", "5", ""), TimeSerial(8, 5, 0));
  const platform::ScopedUserLocale english("en-US");
  EXPECT_EQ(tool_.ZeitAusStrings("8", "5", ""), Date());
  EXPECT_TRUE(boxes().empty());
}

TEST_F(GToolDatesTest, SqlDateDropsTheTimeAndReportsADateOutOfRange) {
  EXPECT_EQ(tool_.SQLDate(Date(DateSerial(2024, 12, 31).serial() + TimeSerial(23, 59, 0).serial())),
            "#12/31/2024#");
  EXPECT_EQ(tool_.SQLDate(DateSerial(2024, 3, 4)), "#3/4/2024#");
  EXPECT_EQ(tool_.SQLDate(Date(-1.25)), "#12/29/1899#");
  EXPECT_TRUE(boxes().empty());
  EXPECT_EQ(tool_.SQLDate(Date(1e10)), "");
  EXPECT_EQ(boxes(), (std::vector<MessageBoxCall>{{"GTool.SQLDate\r\nOverflow", 16, "Tessera"}}));
}

TEST_F(GToolDatesTest, TimesAndDatesFromTheirParts) {
  const platform::ScopedUserLocale locale("de-DE");
  EXPECT_EQ(tool_.ZeitAusStrings("14", "5", ""), TimeSerial(14, 5, 0));
  EXPECT_EQ(tool_.ZeitAusStrings("14", "5", "30"), TimeSerial(14, 5, 30));
  EXPECT_EQ(tool_.ZeitAusStrings("25", "0", ""), Date());
  EXPECT_TRUE(boxes().empty());
  EXPECT_EQ(tool_.ZeitAusStrings("8", "x", ""), Date());
  EXPECT_EQ(tool_.ZeitAusStrings("14", "5", "x"), Date());
  EXPECT_EQ(boxes(), (std::vector<MessageBoxCall>{{"Kein Zeitformat 8:x", 0, "Talmo"},
                                                  {"Kein Zeitformat 14:5:x", 0, "Talmo"}}));

  EXPECT_EQ(tool_.DatumAusStrings("5", "3", "2024"), DateSerial(2024, 3, 5));
  EXPECT_EQ(tool_.DatumAusStrings("x", "2", "2024"), Date());
  EXPECT_EQ(tool_.DatumAusStrings("29", "2", "2023"), Date());
  EXPECT_EQ(boxes().size(), 2u);  // quietly
  // The fixed German order is no date under en-US.
  const platform::ScopedUserLocale english("en-US");
  EXPECT_EQ(tool_.DatumAusStrings("5", "3", "2024"), Date());
}

}  // namespace
}  // namespace tessera
