// The library's Collection as a host sees it: a dispatch object of its own and its enumerator.
#include "tessera/frame/component/collection_object.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tessera/frame/component/com_strings.hpp"
#include "tessera/frame/component/com_variant.hpp"
#include "tessera/frame/component/module_usage.hpp"
#include "tessera/platform/runtime/convert.hpp"
#include "tessera/platform/runtime/error.hpp"

namespace tessera::frame {
namespace {

using platform::Variant;

const ServedClass* NoClass(const platform::Object&) {
  return nullptr;
}

class CollectionObjectTest : public ::testing::Test {
 protected:
  void TearDown() override {
    dispatch->lpVtbl->Release(dispatch);
    EXPECT_FALSE(ModuleInUse());
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
  }

  // Member `id` with `args` in call order; the answer's text, or what went wrong.
  std::string Call(DISPID id, std::vector<Variant> args = {}, uint16_t flags = DISPATCH_METHOD) {
    std::vector<VARIANT> passed(args.size());
    for (std::size_t i = 0; i < args.size(); ++i) ToComVariant(args[i], passed[args.size() - 1 - i], NoClass);
    DISPPARAMS params{passed.data(), nullptr, static_cast<uint32_t>(passed.size()), 0};
    VARIANT result{};
    const HRESULT answer = dispatch->lpVtbl->Invoke(dispatch, id, &IID_IDispatch, 0, flags, &params, &result,
                                                    &exception, nullptr);
    for (VARIANT& arg : passed) VariantClear(&arg);
    std::string text =
        answer == S_OK ? platform::CStr(FromComVariant(result)) : "hr " + std::to_string(answer);
    VariantClear(&result);
    return text;
  }

  std::shared_ptr<platform::Collection> collection = std::make_shared<platform::Collection>();
  IDispatch* dispatch = NewCollectionObject(collection, NoClass);
  EXCEPINFO exception{};
};

TEST_F(CollectionObjectTest, MembersAddCountReadAndRemoveByIndexOrKey) {
  OLECHAR* names[] = {const_cast<OLECHAR*>(u"cOUNT")};
  DISPID id = 0;
  EXPECT_EQ(dispatch->lpVtbl->GetIDsOfNames(dispatch, &IID_IDispatch, names, 1, 0, &id), S_OK);
  EXPECT_EQ(id, kCollectionCountId);

  EXPECT_EQ(Call(kCollectionAddId, {Variant("a"), Variant("K1")}), "");
  EXPECT_EQ(Call(kCollectionAddId, {Variant(int32_t{42})}), "");
  EXPECT_EQ(Call(kCollectionCountId, {}, DISPATCH_PROPERTYGET), "2");
  EXPECT_EQ(Call(DISPID_VALUE, {Variant(int16_t{2})}, DISPATCH_PROPERTYGET), "42");
  EXPECT_EQ(Call(DISPID_VALUE, {Variant("k1")}), "a");
  EXPECT_EQ(Call(kCollectionRemoveId, {Variant("K1")}), "");
  EXPECT_EQ(collection->Count(), 1);
  EXPECT_EQ(collection->Item(1), Variant(int32_t{42}));
  EXPECT_EQ(CollectionBehind(dispatch), collection);
}

TEST_F(CollectionObjectTest, WrongCallsAreRefusedInTheCollectionsOwnErrors) {
  EXPECT_EQ(Call(DISPID_VALUE, {Variant(int16_t{3})}), "hr " + std::to_string(DISP_E_EXCEPTION));
  EXPECT_EQ(exception.scode, TESSERA_RUNTIME_ERROR_SCODE(platform::err::kSubscriptOutOfRange));
  EXPECT_EQ(Call(kCollectionAddId), "hr " + std::to_string(DISP_E_BADPARAMCOUNT));
  EXPECT_EQ(Call(kCollectionAddId, {Variant(1)}, DISPATCH_PROPERTYGET),
            "hr " + std::to_string(DISP_E_MEMBERNOTFOUND));
  EXPECT_EQ(Call(77), "hr " + std::to_string(DISP_E_MEMBERNOTFOUND));
}

TEST_F(CollectionObjectTest, EnumerationWalksTheItemsInOrder) {
  for (const char* text : {"a", "b", "c"}) collection->Add(Variant(text));
  VARIANT answer{};
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  ASSERT_EQ(dispatch->lpVtbl->Invoke(dispatch, DISPID_NEWENUM, &IID_IDispatch, 0, DISPATCH_PROPERTYGET, &none,
                                     &answer, &exception, nullptr),
            S_OK);
  ASSERT_EQ(answer.vt, VT_UNKNOWN);
  IEnumVARIANT* walk = nullptr;
  ASSERT_EQ(answer.punkVal->lpVtbl->QueryInterface(answer.punkVal, &IID_IEnumVARIANT,
                                                   reinterpret_cast<void**>(&walk)),
            S_OK);
  VariantClear(&answer);

  VARIANT items[3] = {};
  uint32_t fetched = 0;
  EXPECT_EQ(walk->lpVtbl->Next(walk, 2, items, &fetched), S_OK);
  EXPECT_EQ(fetched, 2u);
  EXPECT_EQ(Utf8FromBstr(items[1].bstrVal), "b");
  for (VARIANT& item : items) VariantClear(&item);
  IEnumVARIANT* copy = nullptr;
  ASSERT_EQ(walk->lpVtbl->Clone(walk, &copy), S_OK);
  EXPECT_EQ(walk->lpVtbl->Next(walk, 3, items, &fetched), S_FALSE);  // only "c" was left
  EXPECT_EQ(fetched, 1u);
  EXPECT_EQ(Utf8FromBstr(items[0].bstrVal), "c");
  EXPECT_EQ(copy->lpVtbl->Skip(copy, 2), S_FALSE);
  EXPECT_EQ(copy->lpVtbl->Reset(copy), S_OK);
  EXPECT_EQ(copy->lpVtbl->Skip(copy, 1), S_OK);
  EXPECT_EQ(copy->lpVtbl->Next(copy, 1, &items[2], nullptr), S_OK);
  EXPECT_EQ(Utf8FromBstr(items[2].bstrVal), "b");
  for (VARIANT& item : items) VariantClear(&item);
  copy->lpVtbl->Release(copy);
  walk->lpVtbl->Release(walk);
}

}  // namespace
}  // namespace tessera::frame
