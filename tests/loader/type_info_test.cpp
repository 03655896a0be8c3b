// GTool's type information through the loaded server, beyond what the plain-C host lists: its
// place in the library, the library as the automation runtime finds it, and the server free to
// unload once all of it is released.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string>

#include "host_calls.hpp"

namespace tessera::loader {
namespace {

std::string Text(BSTR text) {
  std::string utf8 = frame::Utf8FromBstr(text);
  SysFreeString(text);
  return utf8;
}

using TypeInfoTest = RegisteredServerTest;

TEST_F(TypeInfoTest, TheLibraryIsFoundByItsIdentityAndReleasedWithTheObject) {
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
  BSTR doc = nullptr;
  ASSERT_EQ(registered->lpVtbl->GetDocumentation(registered, -1, nullptr, &doc, nullptr, nullptr), S_OK);
  EXPECT_EQ(Text(doc), "Talmo - Tools Bibliothek");
  dlclose(server);

  for (ITypeLib* made : {library, registered}) made->lpVtbl->Release(made);
  info->lpVtbl->Release(info);
  EXPECT_EQ(FreeUnusedLibraries(), 0u);  // the object is still held
  tool->lpVtbl->Release(tool);
  EXPECT_EQ(FreeUnusedLibraries(), 1u);
}

}  // namespace
}  // namespace tessera::loader
