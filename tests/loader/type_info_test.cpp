// GTool's type information as a late-binding host reads it through the loaded server: its
// functions and parameter types, its library, a call through ITypeInfo::Invoke, and the server
// free to unload once all of it is released.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "host_calls.hpp"
#include "tessera/frame/component/com_strings.hpp"

namespace tessera::loader {
namespace {

using frame::BstrFromUtf8;
using frame::Utf8FromBstr;

std::string Text(BSTR text) {
  std::string utf8 = Utf8FromBstr(text);
  SysFreeString(text);
  return utf8;
}

// A type as "8", or "26>12" for a pointer to a variant.
std::string TypeText(const TYPEDESC& type) {
  return type.vt == VT_PTR ? "26>" + TypeText(*type.lptdesc) : std::to_string(type.vt);
}

struct Function {
  MEMBERID id;
  std::vector<std::string> params;  // type, then "?" when optional
  std::string result;
};

// Every method by name, read through GetFuncDesc and GetDocumentation.
std::map<std::string, Function> Methods(ITypeInfo* info) {
  TYPEATTR* attributes = nullptr;
  EXPECT_EQ(info->lpVtbl->GetTypeAttr(info, &attributes), S_OK);
  const uint16_t count = attributes->cFuncs;
  info->lpVtbl->ReleaseTypeAttr(info, attributes);
  std::map<std::string, Function> methods;
  for (uint32_t i = 0; i < count; ++i) {
    FUNCDESC* desc = nullptr;
    EXPECT_EQ(info->lpVtbl->GetFuncDesc(info, i, &desc), S_OK);
    BSTR name = nullptr;
    EXPECT_EQ(info->lpVtbl->GetDocumentation(info, desc->memid, &name, nullptr, nullptr, nullptr), S_OK);
    Function function{desc->memid, {}, TypeText(desc->elemdescFunc.tdesc)};
    for (int p = 0; p < desc->cParams; ++p) {
      const ELEMDESC& param = desc->lprgelemdescParam[p];
      function.params.push_back(TypeText(param.tdesc) +
                                (param.paramdesc.wParamFlags & PARAMFLAG_FOPT ? "?" : ""));
    }
    if (desc->invkind == INVOKE_FUNC)
      methods[Text(name)] = function;
    else
      SysFreeString(name);
    info->lpVtbl->ReleaseFuncDesc(info, desc);
  }
  return methods;
}

using TypeInfoTest = RegisteredServerTest;

TEST_F(TypeInfoTest, AHostListsGToolsMembersAndCallsThemThroughTheirTypeInformation) {
  IDispatch* tool = CreateObject("Tessera.GTool", registry);
  uint32_t count = 0;
  ASSERT_EQ(tool->lpVtbl->GetTypeInfoCount(tool, &count), S_OK);
  EXPECT_EQ(count, 1u);
  ITypeInfo* info = nullptr;
  ASSERT_EQ(tool->lpVtbl->GetTypeInfo(tool, 0, 0, &info), S_OK);

  const auto methods = Methods(info);
  ASSERT_TRUE(methods.count("ParaGib") && methods.count("RInStr") && methods.count("RGBReverse"));
  EXPECT_EQ(methods.at("ParaGib").params, (std::vector<std::string>{"8", "8", "2"}));
  EXPECT_EQ(methods.at("ParaGib").result, "8");
  EXPECT_EQ(methods.at("RInStr").params, (std::vector<std::string>{"8", "8", "26>12?"}));
  EXPECT_EQ(methods.at("RGBReverse").params, (std::vector<std::string>{"3", "26>2", "26>2", "26>2"}));
  EXPECT_EQ(methods.at("RGBReverse").result, "24");
  for (const char16_t* name : {u"ParaGib", u"RInStr", u"RGBReverse"}) {
    OLECHAR* names[] = {const_cast<OLECHAR*>(name)};
    DISPID id = 0;
    EXPECT_EQ(tool->lpVtbl->GetIDsOfNames(tool, &IID_IDispatch, names, 1, 0, &id), S_OK);
    EXPECT_EQ(id, methods.at(frame::Utf8FromUtf16(name)).id);
  }

  // ParaGib("a;b;c", ";", 2) through the type information and through the object.
  std::vector<VARIANT> args = ParaGibArguments("a;b;c", ";", 2);
  DISPPARAMS params{args.data(), nullptr, 3, 0};
  VARIANT through_info{};
  ASSERT_EQ(info->lpVtbl->Invoke(info, tool, methods.at("ParaGib").id, DISPATCH_METHOD, &params,
                                 &through_info, nullptr, nullptr),
            S_OK);
  VARIANT through_object{};
  ASSERT_EQ(CallMember(tool, methods.at("ParaGib").id, args, through_object), S_OK);
  EXPECT_EQ(Text(through_info.bstrVal), "b");
  EXPECT_EQ(Text(through_object.bstrVal), "b");

  ITypeLib* library = nullptr;
  uint32_t index = 0;
  ASSERT_EQ(info->lpVtbl->GetContainingTypeLib(info, &library, &index), S_OK);
  EXPECT_EQ(index, 4u);  // GTool is the fifth class of the catalogue
  BSTR doc = nullptr;
  ASSERT_EQ(library->lpVtbl->GetDocumentation(library, -1, nullptr, &doc, nullptr, nullptr), S_OK);
  EXPECT_EQ(Text(doc), "Talmo - Tools Bibliothek");
  EXPECT_EQ(library->lpVtbl->GetTypeInfoCount(library), 9u);

  // The registered library, as the automation runtime finds it.
  void* server = dlopen(kServer, RTLD_NOW | RTLD_NOLOAD);
  ASSERT_NE(server, nullptr);
  const auto load = reinterpret_cast<decltype(&LoadRegTypeLib)>(dlsym(server, "LoadRegTypeLib"));
  TLIBATTR* attributes = nullptr;
  ASSERT_EQ(library->lpVtbl->GetLibAttr(library, &attributes), S_OK);
  ITypeLib* registered = nullptr;
  EXPECT_EQ(load(&attributes->guid, 1, 1, 0, &registered), TYPE_E_LIBNOTREGISTERED);
  ASSERT_EQ(load(&attributes->guid, 1, 0, 0, &registered), S_OK);
  library->lpVtbl->ReleaseTLibAttr(library, attributes);
  dlclose(server);

  for (ITypeLib* made : {library, registered}) made->lpVtbl->Release(made);
  info->lpVtbl->Release(info);
  EXPECT_EQ(FreeUnusedLibraries(), 0u);  // the object is still held
  tool->lpVtbl->Release(tool);
  EXPECT_EQ(FreeUnusedLibraries(), 1u);
}

}  // namespace
}  // namespace tessera::loader
