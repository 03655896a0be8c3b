#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/runtime/error_number.hpp"
#include "sample_class.hpp"
#include "support/temp_dir.hpp"
#include "tessera/frame/component/class_factory.hpp"
#include "tessera/frame/component/com_strings.hpp"
#include "tessera/frame/component/com_variant.hpp"
#include "tessera/frame/component/dispatch_object.hpp"
#include "tessera/frame/component/module_usage.hpp"
#include "tessera/frame/component/registry.hpp"

namespace tessera::frame {
namespace {

using platform::Variant;
using platform::testing::ErrorNumberOf;
using tessera::testing::ReadBytes;
using tessera::testing::TempDir;
using tessera::testing::WriteBytes;
using testing::Sample;
using testing::SampleTable;

const ServedClass kSampleServed{SampleTable, nullptr};

const ServedClass* SampleFinder(const platform::Object& object) {
  return object.TypeName() == "Sample" ? &kSampleServed : nullptr;
}

// VARIANTs that are cleared when the test is done with them.
struct Values {
  std::vector<VARIANT> items;
  ~Values() {
    for (VARIANT& item : items) VariantClear(&item);
  }
};

VARIANT Text(std::string_view text) {
  VARIANT value{};
  value.vt = VT_BSTR;
  value.bstrVal = BstrFromUtf8(text);
  return value;
}

VARIANT Short(int16_t number) {
  VARIANT value{};
  value.vt = VT_I2;
  value.iVal = number;
  return value;
}

template <typename T>
VARIANT Reference(VARTYPE type, T* target) {
  VARIANT value{};
  value.vt = static_cast<VARTYPE>(type | VT_BYREF);
  value.byref = target;
  return value;
}

class DispatchObjectTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(ModuleInUse()); }
  void TearDown() override {
    VariantClear(&result);  // a returned object holds the library as well
    dispatch->lpVtbl->Release(dispatch);
    EXPECT_FALSE(ModuleInUse());
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
  }

  DISPID IdOf(const char16_t* name) {
    OLECHAR* names[] = {const_cast<OLECHAR*>(name)};
    DISPID id = 0;
    EXPECT_EQ(dispatch->lpVtbl->GetIDsOfNames(dispatch, &IID_IDispatch, names, 1, 0, &id), S_OK);
    return id;
  }

  // Calls `name` with `args` in call order; the ABI wants them last one first.
  HRESULT Invoke(const char16_t* name, std::vector<VARIANT>& args, uint16_t flags = DISPATCH_METHOD,
                 bool names_put_value = false) {
    std::vector<VARIANT> reversed(args.rbegin(), args.rend());
    DISPID put_value = DISPID_PROPERTYPUT;
    DISPPARAMS params{reversed.data(), names_put_value ? &put_value : nullptr,
                      static_cast<uint32_t>(args.size()), names_put_value ? 1u : 0u};
    const HRESULT answer = dispatch->lpVtbl->Invoke(dispatch, IdOf(name), &IID_IDispatch, 0, flags, &params,
                                                    &result, &exception, nullptr);
    std::copy(reversed.rbegin(), reversed.rend(), args.begin());  // what the call left in them
    return answer;
  }

  std::shared_ptr<Sample> sample = std::make_shared<Sample>();
  IDispatch* dispatch = NewDispatchObject(sample, kSampleServed, SampleFinder);
  VARIANT result{};
  EXCEPINFO exception{};
};

TEST(ComStringsTest, TextCrossesAsUtf16AndBack) {
  const std::string text =
      "Gr\xC3\xBC\xC3\x9F"
      "e \xF0\x9D\x84\x9E";  // "Grüße" and a character beyond 16 bits
  BSTR bstr = BstrFromUtf8(text);
  EXPECT_EQ(SysStringLen(bstr), 8u);  // the G clef takes two units
  EXPECT_EQ(bstr[SysStringLen(bstr)], u'\0');
  EXPECT_EQ(Utf8FromBstr(bstr), text);
  SysFreeString(bstr);
  EXPECT_EQ(Utf8FromBstr(nullptr), "");
  EXPECT_EQ(Utf8FromUtf16(u"\xD800x"), "\xEF\xBF\xBDx");  // an unpaired surrogate
}

TEST(ComVariantTest, ValuesCrossInTheirOwnKind) {
  Values values{{Short(-7), Text("ab")}};
  EXPECT_EQ(FromComVariant(values.items[0]), Variant(int16_t{-7}));
  EXPECT_EQ(FromComVariant(values.items[1]), Variant("ab"));
  VARIANT boolean{};
  boolean.vt = VT_BOOL;
  boolean.boolVal = VARIANT_TRUE;
  EXPECT_EQ(FromComVariant(boolean), Variant(true));
  int32_t number = 41;
  EXPECT_EQ(FromComVariant(Reference(VT_I4, &number)), Variant(int32_t{41}));
  VARIANT out{};
  ToComVariant(Variant(true), out, SampleFinder);
  EXPECT_EQ(out.vt, VT_BOOL);
  EXPECT_EQ(out.boolVal, -1);
  ToComVariant(Variant::Missing(), out, SampleFinder);
  EXPECT_EQ(out.vt, VT_ERROR);
  EXPECT_EQ(out.scode, DISP_E_PARAMNOTFOUND);
}

TEST(ComVariantTest, KindsTheLibraryCannotTakeAreErrors) {
  IDispatchVtbl foreign_table{};  // a host's object: it answers none of the library's identities
  foreign_table.QueryInterface = [](IDispatch*, const IID*, void** answer) {
    *answer = nullptr;
    return E_NOINTERFACE;
  };
  IDispatch foreign{&foreign_table};
  VARIANT object{};
  object.vt = VT_DISPATCH;
  object.pdispVal = &foreign;
  EXPECT_EQ(ErrorNumberOf([&] { FromComVariant(object); }), platform::err::kTypeMismatch);
  struct Unserved : platform::Object {
    std::string_view TypeName() const noexcept override { return "Unserved"; }
  };
  VARIANT out{};
  EXPECT_EQ(ErrorNumberOf([&] { ToComVariant(Variant(std::make_shared<Unserved>()), out, SampleFinder); }),
            platform::err::kTypeMismatch);
}

TEST_F(DispatchObjectTest, NamesResolveWithoutRegardToCaseAndOnlyToMembers) {
  EXPECT_EQ(IdOf(u"rEPEAT"), kFirstMemberId + 0);
  EXPECT_EQ(IdOf(u"Width"), kFirstMemberId + 5);
  OLECHAR* unknown[] = {const_cast<OLECHAR*>(u"Nothing")};
  DISPID id = 0;
  EXPECT_EQ(dispatch->lpVtbl->GetIDsOfNames(dispatch, &IID_IDispatch, unknown, 1, 0, &id),
            DISP_E_UNKNOWNNAME);
  EXPECT_EQ(id, DISPID_UNKNOWN);
}

TEST_F(DispatchObjectTest, ByReferenceArgumentsAreWrittenBackInTheirOwnType) {
  int16_t red = 0;
  int32_t green = 0;  // a Long variable passed where the member takes an Integer
  std::vector<VARIANT> args{Short(0x0201), Reference(VT_I2, &red), Reference(VT_I4, &green)};
  ASSERT_EQ(Invoke(u"Split", args), S_OK);
  EXPECT_EQ(red, 1);
  EXPECT_EQ(green, 2);

  BSTR position = BstrFromUtf8("old");
  Values find_args{{Text("abcd"), Reference(VT_BSTR, &position)}};
  find_args.items[1].vt = VT_BSTR | VT_BYREF;
  ASSERT_EQ(Invoke(u"Find", find_args.items), S_OK);
  EXPECT_EQ(Utf8FromBstr(position), "4");  // the new value, converted to the caller's String
  SysFreeString(position);
  find_args.items[1] = VARIANT{};  // a reference owns nothing
}

TEST_F(DispatchObjectTest, PropertiesAreReadAndWritten) {
  std::vector<VARIANT> none;
  ASSERT_EQ(Invoke(u"Width", none, DISPATCH_PROPERTYGET), S_OK);
  EXPECT_EQ(result.lVal, 3);
  EXPECT_EQ(Invoke(u"Flag", none), S_OK);  // its argument left out, as it is optional
  std::vector<VARIANT> value{Short(12)};
  EXPECT_EQ(Invoke(u"Width", value, DISPATCH_PROPERTYPUT), DISP_E_PARAMNOTFOUND);  // the value is not named
  ASSERT_EQ(Invoke(u"Width", value, DISPATCH_PROPERTYPUT, true), S_OK);
  EXPECT_EQ(sample->width, 12);
  EXPECT_EQ(Invoke(u"Repeat", value, DISPATCH_METHOD, true), DISP_E_NONAMEDARGS);
  EXPECT_EQ(Invoke(u"Repeat", value, DISPATCH_PROPERTYPUT, true), DISP_E_MEMBERNOTFOUND);
}

TEST_F(DispatchObjectTest, RunTimeErrorsArriveAsExceptionsWithTheirNumber) {
  Values args{{Text("ab"), Text("many")}};
  ASSERT_EQ(Invoke(u"Repeat", args.items), DISP_E_EXCEPTION);
  EXPECT_EQ(exception.scode, TESSERA_RUNTIME_ERROR_SCODE(13));
  EXPECT_EQ(static_cast<uint32_t>(exception.scode), 0x800A000Du);
  EXPECT_EQ(Utf8FromBstr(exception.bstrDescription), "Type mismatch");
  EXPECT_FALSE(Utf8FromBstr(exception.bstrSource).empty());
}

TEST_F(DispatchObjectTest, AnswersOnlyItsOwnInterfaces) {
  void* answered = nullptr;
  ASSERT_EQ(dispatch->lpVtbl->QueryInterface(dispatch, &IID_IUnknown, &answered), S_OK);
  EXPECT_EQ(answered, dispatch);
  dispatch->lpVtbl->Release(dispatch);
  EXPECT_EQ(dispatch->lpVtbl->QueryInterface(dispatch, &IID_IClassFactory, &answered), E_NOINTERFACE);
  EXPECT_EQ(dispatch->lpVtbl->QueryInterface(dispatch, &IID_IConnectionPointContainer, &answered),
            E_NOINTERFACE);
  EXPECT_EQ(answered, nullptr);
  EXPECT_EQ(*LibraryObjectOf(dispatch), sample);
  ASSERT_EQ(dispatch->lpVtbl->QueryInterface(dispatch, &IID_ISupportErrorInfo, &answered), S_OK);
  auto* other_part = static_cast<IUnknown*>(answered);  // another interface of the same object
  EXPECT_EQ(*LibraryObjectOf(other_part), sample);
  other_part->lpVtbl->Release(other_part);
}

// The entry at `index` of the object's vtable as a C function of type F.
template <typename F>
F Entry(IDispatch* dispatch, int index) {
  return reinterpret_cast<F>(reinterpret_cast<void* const*>(dispatch->lpVtbl)[index]);
}

TEST_F(DispatchObjectTest, TheVtableGoesOnWithTheMembersInTheirTypes) {
  // Repeat 7, Split 8, Later 9 (not offered), Find 10, Flag 11, Width read 12 and write 13.
  using Repeat = HRESULT (*)(IDispatch*, BSTR, int16_t, BSTR*);
  BSTR text = BstrFromUtf8("ab"), repeated = nullptr;
  ASSERT_EQ(Entry<Repeat>(dispatch, 7)(dispatch, text, 3, &repeated), S_OK);
  EXPECT_EQ(Utf8FromBstr(repeated), "ababab");
  EXPECT_EQ(Entry<Repeat>(dispatch, 7)(dispatch, text, 3, nullptr), E_POINTER);
  SysFreeString(text);
  SysFreeString(repeated);

  int16_t red = 0, green = 0;
  using Split = HRESULT (*)(IDispatch*, int32_t, int16_t*, int16_t*);
  ASSERT_EQ(Entry<Split>(dispatch, 8)(dispatch, 0x0201, &red, &green), S_OK);
  EXPECT_EQ(red * 10 + green, 12);
  EXPECT_EQ(Entry<Split>(dispatch, 8)(dispatch, 1, &red, nullptr), E_POINTER);
  EXPECT_EQ(Entry<HRESULT (*)(IDispatch*)>(dispatch, 9)(dispatch), TESSERA_RUNTIME_ERROR_SCODE(438));

  using Find = HRESULT (*)(IDispatch*, BSTR, VARIANT*, BSTR*);
  BSTR found = nullptr;
  ASSERT_EQ(Entry<Find>(dispatch, 10)(dispatch, nullptr, nullptr, &found), S_OK);  // a null BSTR is ""
  EXPECT_TRUE(sample->last_position.IsMissing());
  SysFreeString(found);
  VARIANT position = Short(1);
  ASSERT_EQ(Entry<Find>(dispatch, 10)(dispatch, nullptr, &position, &found), S_OK);
  EXPECT_EQ(position.vt, VT_I4);
  SysFreeString(found);
  VARIANT unsupported{};
  unsupported.vt = 0x2000 | VT_I4;  // a SAFEARRAY: the run-time error is the entry's answer
  EXPECT_EQ(Entry<Find>(dispatch, 10)(dispatch, nullptr, &unsupported, &found),
            TESSERA_RUNTIME_ERROR_SCODE(458));
  EXPECT_EQ(found, nullptr);

  int32_t width = 0;
  ASSERT_EQ(Entry<HRESULT (*)(IDispatch*, int32_t)>(dispatch, 13)(dispatch, 21), S_OK);
  ASSERT_EQ(Entry<HRESULT (*)(IDispatch*, int32_t*)>(dispatch, 12)(dispatch, &width), S_OK);
  EXPECT_EQ(width, 21);
}

TEST(ModuleUsageTest, ObjectsFactoriesAndLocksKeepTheLibraryInUse) {
  ASSERT_FALSE(ModuleInUse());
  IClassFactory* factory = NewClassFactory(
      {[] { return platform::ObjectRef(std::make_shared<Sample>()); }, &kSampleServed, SampleFinder});
  EXPECT_TRUE(ModuleInUse());

  IDispatch* made = nullptr;
  IUnknown outer{};
  EXPECT_EQ(factory->lpVtbl->CreateInstance(factory, &outer, &IID_IDispatch, reinterpret_cast<void**>(&made)),
            CLASS_E_NOAGGREGATION);
  ASSERT_EQ(
      factory->lpVtbl->CreateInstance(factory, nullptr, &IID_IDispatch, reinterpret_cast<void**>(&made)),
      S_OK);
  EXPECT_EQ(factory->lpVtbl->LockServer(factory, 1), S_OK);
  factory->lpVtbl->Release(factory);
  made->lpVtbl->Release(made);
  EXPECT_TRUE(ModuleInUse());  // the lock outlives the factory
  CountServerLock(false);
  CountServerLock(false);  // one unlock too many must not count below zero
  EXPECT_FALSE(ModuleInUse());
  CountServerLock(true);
  EXPECT_TRUE(ModuleInUse());
  CountServerLock(false);
}

class RegistryTest : public ::testing::Test {
 protected:
  std::vector<const ClassInfo*> Classes() const { return {FindClass("GTool"), FindClass("CKalFKt")}; }

  TempDir dir;
  std::filesystem::path registry = dir.path() / "config" / "registry.ini";
};

TEST_F(RegistryTest, RegisteringRecordsEachClassWithItsServer) {
  const std::filesystem::path server = "/srv/Gr\xC3\xBCn/lib tessera.so.0";  // kept as it is
  RegisterLibrary(registry, Classes(), server);
  EXPECT_EQ(RegisteredClassId(registry, "Tessera.GTool"), FindClass("GTool")->class_id);
  EXPECT_EQ(RegisteredServer(registry, FindClass("CKalFKt")->class_id), server);
  EXPECT_EQ(RegisteredClassId(registry, "Tessera.CTextFile"), std::nullopt);
  const std::string text = ReadBytes(registry);
  EXPECT_NE(text.find("Description=Talmo - Tools Bibliothek"), std::string::npos);
  EXPECT_NE(text.find("ProgID=Tessera.CKalFKt"), std::string::npos);
}

TEST_F(RegistryTest, UnregisteringRemovesExactlyWhatRegisteringWrote) {
  std::filesystem::create_directories(registry.parent_path());
  const std::string clsid = ToString(FindClass("GTool")->class_id);
  const std::string foreign =
      "[Other.Server]\r\nKey=kept\r\n[CLSID\\" + clsid + "]\r\nNote=a host's own key\r\n";
  WriteBytes(registry, foreign);
  RegisterLibrary(registry, Classes(), "/usr/lib/libtessera.so.0");
  UnregisterLibrary(registry, Classes());
  EXPECT_EQ(ReadBytes(registry), foreign);
  EXPECT_EQ(RegisteredServer(registry, FindClass("GTool")->class_id), std::nullopt);
}

}  // namespace
}  // namespace tessera::frame
