// Type information over a dispatch table: the Sample class's interface as a host lists it, calls
// it and finds its library.
#include "tessera/frame/component/type_info.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "sample_class.hpp"
#include "tessera/frame/component/collection_object.hpp"
#include "tessera/frame/component/com_strings.hpp"
#include "tessera/frame/component/dispatch_object.hpp"
#include "tessera/frame/component/module_usage.hpp"

namespace tessera::frame {
namespace {

using testing::SampleTable;

const LibraryDescription kLibrary{"{0E4C2A1B-5D3F-4A6B-9C8D-7E1F2A3B4C5D}"_guid,
                                  2,
                                  1,
                                  "SampleLib",
                                  "Samples for the tests",
                                  {{"_Sample", "{1A2B3C4D-5E6F-4A1B-8C2D-3E4F5A6B7C8D}"_guid, SampleTable}}};

ITypeInfo* SampleTypeInfo(const DispatchTable&) {
  return NewTypeInfo(kLibrary, 0);
}

const ServedClass kDescribed{SampleTable, nullptr, SampleTypeInfo};

const ServedClass* Finder(const platform::Object&) {
  return &kDescribed;
}

std::string Text(BSTR text) {
  std::string utf8 = Utf8FromBstr(text);
  SysFreeString(text);
  return utf8;
}

// A parameter or result as "I2", "PTR I2", with "in", "out", "opt" for its flags.
std::string Describe(const ELEMDESC& element, bool is_param = true) {
  const TYPEDESC& type = element.tdesc.vt == VT_PTR ? *element.tdesc.lptdesc : element.tdesc;
  std::string text = (element.tdesc.vt == VT_PTR ? "PTR " : "") + std::to_string(type.vt);
  const uint16_t flags = element.paramdesc.wParamFlags;
  if (is_param) {
    if (flags & PARAMFLAG_FIN) text += " in";
    if (flags & PARAMFLAG_FOUT) text += " out";
    if (flags & PARAMFLAG_FOPT) text += " opt";
  }
  return text;
}

class TypeInfoTest : public ::testing::Test {
 protected:
  void TearDown() override {
    info->lpVtbl->Release(info);
    EXPECT_FALSE(ModuleInUse());
  }

  ITypeInfo* info = NewTypeInfo(kLibrary, 0);
};

TEST_F(TypeInfoTest, EveryRowIsAFunctionAtItsVtablePlace) {
  TYPEATTR* attributes = nullptr;
  ASSERT_EQ(info->lpVtbl->GetTypeAttr(info, &attributes), S_OK);
  EXPECT_EQ(attributes->guid.Data1, 0x1A2B3C4Du);
  EXPECT_EQ(attributes->typekind, TKIND_DISPATCH);
  EXPECT_EQ(attributes->cFuncs, 6);  // "Later" holds a place but has no function
  EXPECT_EQ(attributes->cbSizeVft, (7 + 7) * sizeof(void*));
  EXPECT_EQ(attributes->wTypeFlags & (TYPEFLAG_FDUAL | TYPEFLAG_FDISPATCHABLE),
            TYPEFLAG_FDUAL | TYPEFLAG_FDISPATCHABLE);
  EXPECT_EQ(attributes->wMajorVerNum * 10 + attributes->wMinorVerNum, 21);
  info->lpVtbl->ReleaseTypeAttr(info, attributes);

  struct Expected {
    int slot;
    INVOKEKIND kind;
    int vtable_index;
    std::vector<std::string> params;
    std::string result;
  };
  const std::string bstr = std::to_string(VT_BSTR), i2 = std::to_string(VT_I2), i4 = std::to_string(VT_I4);
  const Expected expected[] = {
      {0, INVOKE_FUNC, 0, {bstr + " in", i2 + " in"}, bstr},
      {1, INVOKE_FUNC, 1, {i4 + " in", "PTR " + i2 + " in out", "PTR " + i2 + " in out"}, "24"},
      {3, INVOKE_FUNC, 3, {bstr + " in", "PTR 12 in out opt"}, bstr},
      {4, INVOKE_FUNC, 4, {"11 in opt"}, "11"},
      {5, INVOKE_PROPERTYGET, 5, {}, i4},
      {5, INVOKE_PROPERTYPUT, 6, {i4 + " in"}, "24"},
  };
  for (uint32_t i = 0; i < std::size(expected); ++i) {
    FUNCDESC* function = nullptr;
    ASSERT_EQ(info->lpVtbl->GetFuncDesc(info, i, &function), S_OK);
    EXPECT_EQ(function->memid, kFirstMemberId + expected[i].slot) << i;
    EXPECT_EQ(function->invkind, expected[i].kind) << i;
    EXPECT_EQ(function->funckind, FUNC_DISPATCH);
    EXPECT_EQ(function->oVft, static_cast<int>((7 + expected[i].vtable_index) * sizeof(void*))) << i;
    std::vector<std::string> params;
    for (int p = 0; p < function->cParams; ++p) params.push_back(Describe(function->lprgelemdescParam[p]));
    EXPECT_EQ(params, expected[i].params) << i;
    EXPECT_EQ(Describe(function->elemdescFunc, false), expected[i].result) << i;
    info->lpVtbl->ReleaseFuncDesc(info, function);
  }
  FUNCDESC* beyond = nullptr;
  EXPECT_EQ(info->lpVtbl->GetFuncDesc(info, 6, &beyond), TYPE_E_ELEMENTNOTFOUND);
}

TEST_F(TypeInfoTest, TheInterfaceViewDescribesTheVtableWithHresultsAndRetvals) {
  HREFTYPE reference = 0;
  ASSERT_EQ(info->lpVtbl->GetRefTypeOfImplType(info, static_cast<uint32_t>(-1), &reference), S_OK);
  ITypeInfo* vtable = nullptr;
  ASSERT_EQ(info->lpVtbl->GetRefTypeInfo(info, reference, &vtable), S_OK);
  EXPECT_EQ(vtable->lpVtbl->GetRefTypeOfImplType(vtable, static_cast<uint32_t>(-1), &reference),
            TYPE_E_ELEMENTNOTFOUND);
  TYPEATTR* attributes = nullptr;
  ASSERT_EQ(vtable->lpVtbl->GetTypeAttr(vtable, &attributes), S_OK);
  EXPECT_EQ(attributes->typekind, TKIND_INTERFACE);
  EXPECT_EQ(attributes->cFuncs, 6);
  vtable->lpVtbl->ReleaseTypeAttr(vtable, attributes);

  // Repeat(text, times) answers its String through a third parameter; Width's write answers none.
  const std::string hresult = std::to_string(VT_HRESULT), bstr = std::to_string(VT_BSTR);
  const std::pair<uint32_t, std::vector<std::string>> expected[] = {
      {0, {bstr + " in", std::to_string(VT_I2) + " in", "PTR " + bstr + " out"}},
      {5, {std::to_string(VT_I4) + " in"}},
  };
  for (const auto& [index, params] : expected) {
    FUNCDESC* function = nullptr;
    ASSERT_EQ(vtable->lpVtbl->GetFuncDesc(vtable, index, &function), S_OK);
    EXPECT_EQ(function->funckind, FUNC_PUREVIRTUAL);
    EXPECT_EQ(Describe(function->elemdescFunc, false), hresult);
    std::vector<std::string> described;
    for (int p = 0; p < function->cParams; ++p) described.push_back(Describe(function->lprgelemdescParam[p]));
    EXPECT_EQ(described, params) << index;
    const uint16_t last_flags = function->lprgelemdescParam[function->cParams - 1].paramdesc.wParamFlags;
    EXPECT_EQ((last_flags & PARAMFLAG_FRETVAL) != 0, index == 0) << index;
    vtable->lpVtbl->ReleaseFuncDesc(vtable, function);
  }
  vtable->lpVtbl->Release(vtable);
}

TEST_F(TypeInfoTest, NamesAreTheMembersAndTheirParameters) {
  BSTR names[4] = {};
  uint32_t count = 0;
  ASSERT_EQ(info->lpVtbl->GetNames(info, kFirstMemberId + 1, names, 4, &count), S_OK);
  std::vector<std::string> texts;
  for (uint32_t i = 0; i < count; ++i) texts.push_back(Text(names[i]));
  EXPECT_EQ(texts, (std::vector<std::string>{"Split", "colour", "red", "green"}));
  ASSERT_EQ(info->lpVtbl->GetNames(info, kFirstMemberId + 1, names, 1, &count), S_OK);
  EXPECT_EQ(count, 1u);
  SysFreeString(names[0]);
  EXPECT_EQ(info->lpVtbl->GetNames(info, kFirstMemberId + 2, names, 4, &count), TYPE_E_ELEMENTNOTFOUND);

  OLECHAR* find[] = {const_cast<OLECHAR*>(u"fIND")};
  MEMBERID id = 0;
  ASSERT_EQ(info->lpVtbl->GetIDsOfNames(info, find, 1, &id), S_OK);
  EXPECT_EQ(id, kFirstMemberId + 3);
  BSTR name = nullptr;
  ASSERT_EQ(info->lpVtbl->GetDocumentation(info, id, &name, nullptr, nullptr, nullptr), S_OK);
  EXPECT_EQ(Text(name), "Find");
  ASSERT_EQ(info->lpVtbl->GetDocumentation(info, MEMBERID_NIL, &name, nullptr, nullptr, nullptr), S_OK);
  EXPECT_EQ(Text(name), "_Sample");
}

TEST_F(TypeInfoTest, InvokeReachesOnlyTheLibrarysObjectsOfTheClass) {
  IDispatch* object = NewDispatchObject(std::make_shared<testing::Sample>(), kDescribed, Finder);
  VARIANT args[2] = {};  // Repeat("ab", 2), last argument first
  args[0].vt = VT_I2;
  args[0].iVal = 2;
  args[1].vt = VT_BSTR;
  args[1].bstrVal = BstrFromUtf8("ab");
  DISPPARAMS params{args, nullptr, 2, 0};
  VARIANT result{};
  ASSERT_EQ(
      info->lpVtbl->Invoke(info, object, kFirstMemberId, DISPATCH_METHOD, &params, &result, nullptr, nullptr),
      S_OK);
  EXPECT_EQ(Text(result.bstrVal), "abab");

  IDispatch* collection = NewCollectionObject(std::make_shared<platform::Collection>(), Finder);
  for (IDispatch* other : {collection, static_cast<IDispatch*>(nullptr)})
    EXPECT_EQ(info->lpVtbl->Invoke(info, other, kFirstMemberId, DISPATCH_METHOD, &params, &result, nullptr,
                                   nullptr),
              E_INVALIDARG);
  VariantClear(&args[1]);

  uint32_t count = 9;
  EXPECT_EQ(collection->lpVtbl->GetTypeInfoCount(collection, &count), S_OK);
  EXPECT_EQ(count, 0u);
  ITypeInfo* served = nullptr;
  EXPECT_EQ(object->lpVtbl->GetTypeInfo(object, 1, 0, &served), DISP_E_BADINDEX);
  for (IDispatch* made : {object, collection}) made->lpVtbl->Release(made);
}

TEST_F(TypeInfoTest, TheContainingLibraryDescribesItselfAndFindsItsTypes) {
  ITypeLib* library = nullptr;
  uint32_t index = 9;
  ASSERT_EQ(info->lpVtbl->GetContainingTypeLib(info, &library, &index), S_OK);
  BSTR name = nullptr, doc = nullptr;
  EXPECT_EQ(library->lpVtbl->GetDocumentation(library, 1, &name, &doc, nullptr, nullptr),
            TYPE_E_ELEMENTNOTFOUND);
  TLIBATTR* attributes = nullptr;
  ASSERT_EQ(library->lpVtbl->GetLibAttr(library, &attributes), S_OK);
  EXPECT_EQ(attributes->guid.Data1, 0x0E4C2A1Bu);
  EXPECT_EQ(attributes->wMajorVerNum, 2);
  library->lpVtbl->ReleaseTLibAttr(library, attributes);

  const IID type_id = {0x1A2B3C4D, 0x5E6F, 0x4A1B, {0x8C, 0x2D, 0x3E, 0x4F, 0x5A, 0x6B, 0x7C, 0x8D}};
  ITypeInfo* found = nullptr;
  ASSERT_EQ(library->lpVtbl->GetTypeInfoOfGuid(library, &type_id, &found), S_OK);
  found->lpVtbl->Release(found);
  EXPECT_EQ(library->lpVtbl->GetTypeInfoOfGuid(library, &IID_IDispatch, &found), TYPE_E_ELEMENTNOTFOUND);

  std::u16string asked = u"WIDTH";
  BOOL is_name = 0;
  ASSERT_EQ(library->lpVtbl->IsName(library, asked.data(), 0, &is_name), S_OK);
  EXPECT_TRUE(is_name);
  EXPECT_EQ(asked, u"Width");  // written back in the library's case
  ITypeInfo* infos[2] = {};
  MEMBERID ids[2] = {};
  uint16_t room = 2;
  ASSERT_EQ(library->lpVtbl->FindName(library, asked.data(), 0, infos, ids, &room), S_OK);
  ASSERT_EQ(room, 1);
  EXPECT_EQ(ids[0], kFirstMemberId + 5);
  infos[0]->lpVtbl->Release(infos[0]);
  library->lpVtbl->Release(library);
}

}  // namespace
}  // namespace tessera::frame
