#include "tessera/bindings/ckalfkt_dispatch.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tessera/dates/ckalfkt.hpp"
#include "tessera/platform/locale/user_locale.hpp"

namespace tessera {
namespace {

using platform::Date;
using platform::Variant;

TEST(CKalFKtDispatchTest, SlotsFollowTheInterface) {
  const std::vector<std::string> interface {
    "AnzTageProMonat", "AnzWochenProJahr", "IdentWocheByDatum", "IdentDatumByWoche"
  };
  const auto& members = CKalFKtDispatch().members();
  EXPECT_EQ(std::vector<std::string>(members.begin(), members.end()), interface);
}

TEST(CKalFKtDispatchTest, TextArgumentsConvertAndDatesComeBackByReference) {
  const platform::ScopedUserLocale locale("de-DE");
  std::vector<Variant> year{Variant("2015"), Variant()};
  EXPECT_EQ(CKalFKtDispatch().Invoke(ImplicitCKalFKt(), "AnzWochenProJahr", year), Variant(uint8_t{53}));
  EXPECT_EQ(year[1], Variant(Date(42002.0)));  // 29 December 2014
  std::vector<Variant> week{Variant("0"), Variant(int32_t{2021}), Variant(), Variant()};
  CKalFKtDispatch().Invoke(ImplicitCKalFKt(), "IdentDatumByWoche", week);
  EXPECT_EQ(week[2], Variant(Date(44193.0)));  // 28 December 2020
  std::vector<Variant> day{Variant("4.1.2021 23:59")};
  EXPECT_EQ(CKalFKtDispatch().Invoke(ImplicitCKalFKt(), "IdentWocheByDatum", day), Variant(uint8_t{1}));
  std::vector<Variant> month{Variant("2"), Variant(int16_t{2024})};
  EXPECT_EQ(CKalFKtDispatch().Invoke(ImplicitCKalFKt(), "AnzTageProMonat", month), Variant(uint8_t{29}));
}

}  // namespace
}  // namespace tessera
