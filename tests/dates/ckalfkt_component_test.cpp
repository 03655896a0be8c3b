// CKalFKt on the component route: a Byte result and a Date written back through a reference.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "tessera/bindings/ckalfkt_dispatch.hpp"
#include "tessera/dates/ckalfkt.hpp"
#include "tessera/frame/component/com_strings.hpp"
#include "tessera/frame/component/com_variant.hpp"
#include "tessera/frame/component/dispatch_object.hpp"
#include "tessera/platform/locale/user_locale.hpp"

namespace tessera::frame {
namespace {

const ServedClass kServed{CKalFKtDispatch, nullptr};

const ServedClass* Finder(const platform::Object& object) {
  return object.TypeName() == "CKalFKt" ? &kServed : nullptr;
}

TEST(CKalFKtComponentTest, WeeksOfAYearWithTheMondayByReference) {
  const platform::ScopedUserLocale locale("de-DE");
  IDispatch* dispatch = NewDispatchObject(std::make_shared<CKalFKt>(), kServed, Finder);
  OLECHAR* names[] = {const_cast<OLECHAR*>(u"AnzWochenProJahr")};
  DISPID id = 0;
  ASSERT_EQ(dispatch->lpVtbl->GetIDsOfNames(dispatch, &IID_IDispatch, names, 1, 0, &id), S_OK);
  double monday = 0.0;
  std::vector<VARIANT> args(2);  // last argument first
  args[0].vt = VT_DATE | VT_BYREF;
  args[0].byref = &monday;
  args[1].vt = VT_BSTR;
  args[1].bstrVal = BstrFromUtf8("2020");
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
}  // namespace tessera::frame
