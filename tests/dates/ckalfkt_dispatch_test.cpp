// CKalFKt on its dispatch table and on the component route: Byte results, texts converted, and
// Dates written back through references.
#include "tessera/bindings/ckalfkt_dispatch.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "tessera/dates/ckalfkt.hpp"
#include "tessera/frame/component/com_strings.hpp"
#include "tessera/frame/component/com_variant.hpp"
#include "tessera/frame/component/dispatch_object.hpp"
#include "tessera/platform/locale/user_locale.hpp"

namespace tessera {
namespace {

using platform::Date;
using platform::Variant;

class CKalFKtDispatchTest : public ::testing::Test {
  platform::ScopedUserLocale locale_{"de-DE"};
};

const frame::ServedClass kServed{CKalFKtDispatch, nullptr};

TEST_F(CKalFKtDispatchTest, TextArgumentsConvertAndDatesComeBackByReferenceAlsoOnTheComponentRoute) {
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

  IDispatch* dispatch = frame::NewDispatchObject(std::make_shared<CKalFKt>(), kServed,
                                                 [](const platform::Object&) { return &kServed; });
  OLECHAR* names[] = {const_cast<OLECHAR*>(u"AnzWochenProJahr")};
  DISPID id = 0;
  ASSERT_EQ(dispatch->lpVtbl->GetIDsOfNames(dispatch, &IID_IDispatch, names, 1, 0, &id), S_OK);
  double monday = 0.0;
  std::vector<VARIANT> args(2);  // last argument first
  args[0].vt = VT_DATE | VT_BYREF;
  args[0].byref = &monday;
  args[1].vt = VT_BSTR;
  args[1].bstrVal = frame::BstrFromUtf8("2020");
  DISPPARAMS params{args.data(), nullptr, 2, 0};
  VARIANT result{};
  EXCEPINFO exception{};
  ASSERT_EQ(dispatch->lpVtbl->Invoke(dispatch, id, &IID_IDispatch, 0, DISPATCH_METHOD, &params, &result,
                                     &exception, nullptr),
            S_OK);
  EXPECT_EQ(result.vt, VT_UI1);
  EXPECT_EQ(result.bVal, 53);
  EXPECT_EQ(monday, 43829.0);  // 30 December 2019
  VariantClear(&args[1]);
  dispatch->lpVtbl->Release(dispatch);
}

}  // namespace
}  // namespace tessera
