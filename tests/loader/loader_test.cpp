// The component route as a host walks it: this program does not link the library; it registers
// the built server, creates objects through the registry and calls them through IDispatch only.
#include "tessera/loader/loader.hpp"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/temp_dir.hpp"
#include "tessera/frame/catalogue/catalogue.hpp"
#include "tessera/frame/component/com_abi.h"
#include "tessera/frame/component/com_ids.hpp"
#include "tessera/frame/component/com_strings.hpp"
#include "tessera/frame/component/registry.hpp"

namespace tessera::loader {
namespace {

using frame::Utf8FromBstr;

// A registry with the built server in it.
class LoaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::setenv("TESSERA_REGISTRY", registry.c_str(), 1);
    RegisterServer(kServer);
  }
  void TearDown() override {
    UnregisterServer(kServer);
    ::unsetenv("TESSERA_REGISTRY");
  }

  // DllCanUnloadNow of the server this process has opened.
  static HRESULT CanUnloadNow() {
    void* handle = dlopen(kServer, RTLD_NOW | RTLD_NOLOAD);
    if (handle == nullptr) return E_UNEXPECTED;
    const auto entry = reinterpret_cast<HRESULT (*)()>(dlsym(handle, "DllCanUnloadNow"));
    const HRESULT answer = entry();
    dlclose(handle);
    return answer;
  }

  static constexpr const char* kServer = TESSERA_SERVER_FILE;
  testing::TempDir dir;
  std::filesystem::path registry = dir.path() / "registry.ini";
};

// GTool.ParaGib("a;;b;", ";", 3) through GetIDsOfNames and Invoke.
std::string ThirdField(IDispatch* tool) {
  OLECHAR* names[] = {const_cast<OLECHAR*>(u"paragib")};
  DISPID id = 0;
  EXPECT_EQ(tool->lpVtbl->GetIDsOfNames(tool, &IID_IDispatch, names, 1, 0, &id), S_OK);
  VARIANT args[3] = {};  // last one first
  args[0].vt = VT_I2;
  args[0].iVal = 3;
  args[1].vt = VT_BSTR;
  args[1].bstrVal = frame::BstrFromUtf8(";");
  args[2].vt = VT_BSTR;
  args[2].bstrVal = frame::BstrFromUtf8("a;;b;");
  DISPPARAMS params{args, nullptr, 3, 0};
  VARIANT result{};
  EXCEPINFO exception{};
  const HRESULT answer = tool->lpVtbl->Invoke(tool, id, &IID_IDispatch, 0, DISPATCH_METHOD, &params, &result,
                                              &exception, nullptr);
  for (VARIANT& arg : args) VariantClear(&arg);
  std::string text = answer == S_OK && result.vt == VT_BSTR ? Utf8FromBstr(result.bstrVal) : "(failed)";
  VariantClear(&result);
  return text;
}

TEST_F(LoaderTest, EachRegisteredClassIsCreatedByNameAndByIdentity) {
  int created = 0;
  for (const frame::ClassInfo& info : frame::PublicClasses()) {
    if (!frame::RegisteredClassId(registry, frame::ProgId(info))) continue;
    for (const std::string& name : {frame::ProgId(info), frame::ToString(info.class_id)}) {
      IDispatch* object = CreateObject(name, registry);
      ASSERT_NE(object, nullptr) << name;
      const IID own = frame::ToIid(info.interface_id);
      void* answered = nullptr;
      EXPECT_EQ(object->lpVtbl->QueryInterface(object, &own, &answered), S_OK) << name;
      object->lpVtbl->Release(object);
      object->lpVtbl->Release(object);
      ++created;
    }
  }
  EXPECT_GE(created, 4);  // GTool and CKalFKt at least, each by name and by identity
}

TEST_F(LoaderTest, CallsReachTheObjectAndTheServerUnloadsWhenAllIsReleased) {
  IDispatch* tool = CreateObject("Tessera.GTool", registry);
  EXPECT_EQ(ThirdField(tool), "b");
  EXPECT_EQ(CanUnloadNow(), S_FALSE);
  EXPECT_EQ(FreeUnusedLibraries(), 0u);
  tool->lpVtbl->Release(tool);
  EXPECT_EQ(CanUnloadNow(), S_OK);
  EXPECT_EQ(FreeUnusedLibraries(), 1u);
  EXPECT_EQ(OpenServers(), 0u);

  tool = CreateObject("Tessera.GTool", registry);  // opened again on demand
  EXPECT_EQ(ThirdField(tool), "b");
  tool->lpVtbl->Release(tool);
  EXPECT_EQ(FreeUnusedLibraries(), 1u);
}

TEST_F(LoaderTest, WhatTheRegistryOrTheServerDoesNotKnowIsRefused) {
  UnregisterServer(kServer);  // the registry no longer knows GTool
  try {
    CreateObject("Tessera.GTool", registry);
    FAIL() << "created an unregistered class";
  } catch (const ComponentError& error) {
    EXPECT_EQ(error.code(), REGDB_E_CLASSNOTREG);
  }
  void* server = dlopen(kServer, RTLD_NOW);
  ASSERT_NE(server, nullptr);
  const auto get_class_object =
      reinterpret_cast<HRESULT (*)(const CLSID*, const IID*, void**)>(dlsym(server, "DllGetClassObject"));
  const CLSID unknown = frame::ToIid(frame::kLibraryId);  // an identity, but no class's
  void* factory = &factory;
  EXPECT_EQ(get_class_object(&unknown, &IID_IClassFactory, &factory), CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(factory, nullptr);
  dlclose(server);
}

// GTool's type information through the loaded server: its place in the library, the library as
// the automation runtime finds it, and the server free to unload once all of it is released.
TEST_F(LoaderTest, TheTypeLibraryIsFoundByItsIdentityAndReleasedWithTheObject) {
  IDispatch* tool = CreateObject("Tessera.GTool", registry);
  ITypeInfo* info = nullptr;
  ASSERT_EQ(tool->lpVtbl->GetTypeInfo(tool, 0, 0, &info), S_OK);
  ITypeLib* library = nullptr;
  uint32_t index = 0;
  ASSERT_EQ(info->lpVtbl->GetContainingTypeLib(info, &library, &index), S_OK);
  EXPECT_EQ(index, 4u);  // GTool is the fifth class of the catalogue
  EXPECT_EQ(library->lpVtbl->GetTypeInfoCount(library), 9u);

  void* server = dlopen(kServer, RTLD_NOW | RTLD_NOLOAD);
  ASSERT_NE(server, nullptr);
  const auto load = reinterpret_cast<decltype(&LoadRegTypeLib)>(dlsym(server, "LoadRegTypeLib"));
  TLIBATTR* attributes = nullptr;
  ASSERT_EQ(library->lpVtbl->GetLibAttr(library, &attributes), S_OK);
  ITypeLib* registered = nullptr;
  EXPECT_EQ(load(&attributes->guid, 1, 1, 0, &registered), TYPE_E_LIBNOTREGISTERED);  // a newer minor
  ASSERT_EQ(load(&attributes->guid, 1, 0, 0, &registered), S_OK);
  library->lpVtbl->ReleaseTLibAttr(library, attributes);
  BSTR name = nullptr, doc = nullptr;
  ASSERT_EQ(registered->lpVtbl->GetDocumentation(registered, -1, nullptr, &doc, nullptr, nullptr), S_OK);
  ASSERT_EQ(library->lpVtbl->GetDocumentation(library, -1, &name, nullptr, nullptr, nullptr), S_OK);
  EXPECT_EQ(Utf8FromBstr(name) + "/" + Utf8FromBstr(doc), "Tessera/Talmo - Tools Bibliothek");
  SysFreeString(name);
  SysFreeString(doc);
  dlclose(server);

  for (ITypeLib* made : {library, registered}) made->lpVtbl->Release(made);
  info->lpVtbl->Release(info);
  EXPECT_EQ(FreeUnusedLibraries(), 0u);  // the object is still held
  tool->lpVtbl->Release(tool);
  EXPECT_EQ(FreeUnusedLibraries(), 1u);
}

TEST(LoaderServerTest, AServerThatCannotBeOpenedIsAClearError) {
  testing::TempDir dir;
  const auto registry = dir.path() / "registry.ini";
  frame::RegisterLibrary(registry, std::vector{frame::FindClass("GTool")}, dir.path() / "missing.so");
  try {
    CreateObject("Tessera.GTool", registry);
    FAIL() << "created from a missing server";
  } catch (const ComponentError& error) {
    EXPECT_EQ(error.code(), E_FAIL);
    EXPECT_NE(std::string(error.what()).find("missing.so"), std::string::npos);
  }
  EXPECT_EQ(OpenServers(), 0u);
}

// A library that exports nothing of a server, or one that answers success but hands back nothing.
TEST(LoaderServerTest, WhatAServerHandsBackIsCheckedAndANonServerIsClosedAgain) {
  testing::TempDir dir;
  const auto registry = dir.path() / "registry.ini";
  const struct {
    const char* server;
    HRESULT code;
  } cases[] = {{TESSERA_FAKE_SERVER_0, E_FAIL},
               {TESSERA_FAKE_SERVER_1, E_POINTER},
               {TESSERA_FAKE_SERVER_2, E_POINTER}};
  for (const auto& [server, code] : cases) {
    frame::RegisterLibrary(registry, std::vector{frame::FindClass("GTool")}, server);
    try {
      CreateObject("Tessera.GTool", registry);
      ADD_FAILURE() << "created through " << server;
    } catch (const ComponentError& error) {
      EXPECT_EQ(error.code(), code) << error.what();
    }
  }
  EXPECT_EQ(dlopen(TESSERA_FAKE_SERVER_0, RTLD_NOW | RTLD_NOLOAD), nullptr) << "the non-server stayed loaded";
  EXPECT_EQ(OpenServers(), 2u);
  EXPECT_EQ(FreeUnusedLibraries(), 2u);
}

}  // namespace
}  // namespace tessera::loader
