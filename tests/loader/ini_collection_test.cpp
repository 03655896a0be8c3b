// Settings sections into collections over the component route: GTool's GetIniSection called
// through IDispatch with nothing by reference makes the library's own collection.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host_calls.hpp"
#include "tessera/frame/component/com_strings.hpp"

namespace tessera::loader {
namespace {

using frame::BstrFromUtf8;
using frame::Utf8FromBstr;

VARIANT Text(const std::string& text) {
  VARIANT value{};
  value.vt = VT_BSTR;
  value.bstrVal = BstrFromUtf8(text);
  return value;
}

VARIANT Reference(VARTYPE type, void* target) {
  VARIANT value{};
  value.vt = static_cast<VARTYPE>(type | VT_BYREF);
  value.byref = target;
  return value;
}

// The text `answer` holds, which is then cleared.
std::string TextOf(HRESULT call, VARIANT& answer) {
  std::string text = call != S_OK           ? "(failed)"
                     : answer.vt == VT_BSTR ? Utf8FromBstr(answer.bstrVal)
                                            : "(no text)";
  VariantClear(&answer);
  return text;
}

class IniCollectionTest : public RegisteredServerTest {
 protected:
  void SetUp() override {
    RegisteredServerTest::SetUp();
    testing::WriteBytes(ini, "[Raster]\r\nA=1\r\nB=2\r\n[Other]\r\nC=3\r\n");
    tool = CreateObject("Tessera.GTool", registry);
  }
  void TearDown() override {
    tool->lpVtbl->Release(tool);
    RegisteredServerTest::TearDown();
  }

  // GetIniSection(file, topic, target) with target passed by reference; whether it answered True.
  bool GetIniSection(const std::filesystem::path& file, const std::string& topic, VARIANT target) {
    VARIANT answer{};
    const HRESULT call =
        CallMethod(tool, u"GetIniSection", {target, Text(topic), Text(file.string())}, answer);
    return call == S_OK && answer.vt == VT_BOOL && answer.boolVal == VARIANT_TRUE;
  }

  int32_t Count(IDispatch* collection) {
    VARIANT answer{};
    EXPECT_EQ(CallMethod(collection, u"Count", {}, answer), S_OK);
    return answer.vt == VT_I4 ? answer.lVal : -1;
  }

  std::string Item(IDispatch* collection, VARIANT where) {
    VARIANT answer{};
    return TextOf(CallMember(collection, DISPID_VALUE, {where}, answer, DISPATCH_PROPERTYGET), answer);
  }

  // Every item, walked through _NewEnum.
  std::vector<std::string> Walk(IDispatch* collection) {
    VARIANT answer{};
    EXPECT_EQ(CallMember(collection, DISPID_NEWENUM, {}, answer, DISPATCH_PROPERTYGET), S_OK);
    IEnumVARIANT* walk = nullptr;
    EXPECT_EQ(answer.punkVal->lpVtbl->QueryInterface(answer.punkVal, &IID_IEnumVARIANT,
                                                     reinterpret_cast<void**>(&walk)),
              S_OK);
    VariantClear(&answer);
    std::vector<std::string> items;
    VARIANT item{};
    while (walk->lpVtbl->Next(walk, 1, &item, nullptr) == S_OK) items.push_back(TextOf(S_OK, item));
    walk->lpVtbl->Release(walk);
    return items;
  }

  std::filesystem::path ini = dir.path() / "plan.ini";
  IDispatch* tool = nullptr;
};

TEST_F(IniCollectionTest, NothingByReferenceBecomesAFilledCollection) {
  IDispatch* by_dispatch = nullptr;
  ASSERT_TRUE(GetIniSection(ini, "Raster", Reference(VT_DISPATCH, &by_dispatch)));
  ASSERT_NE(by_dispatch, nullptr);
  EXPECT_EQ(Count(by_dispatch), 2);
  VARIANT first{};
  first.vt = VT_I4;
  first.lVal = 1;
  EXPECT_EQ(Item(by_dispatch, first), "A=1");
  EXPECT_EQ(Item(by_dispatch, Text("b")), "B=2");
  EXPECT_EQ(Walk(by_dispatch), (std::vector<std::string>{"A=1", "B=2"}));
  by_dispatch->lpVtbl->Release(by_dispatch);

  for (const VARTYPE nothing : {VT_EMPTY, VT_DISPATCH}) {
    VARIANT holder{};
    holder.vt = nothing;
    ASSERT_TRUE(GetIniSection(ini, "Other", Reference(VT_VARIANT, &holder))) << nothing;
    ASSERT_EQ(holder.vt, VT_DISPATCH);
    EXPECT_EQ(Walk(holder.pdispVal), std::vector<std::string>{"C=3"});
    VariantClear(&holder);
  }
}

}  // namespace
}  // namespace tessera::loader
