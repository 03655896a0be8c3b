// What the loader tests share: a registry with the built server in it, and calls through
// IDispatch the way a host makes them.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string_view>
#include <vector>

#include "support/temp_dir.hpp"
#include "tessera/frame/component/com_abi.h"
#include "tessera/frame/component/com_strings.hpp"
#include "tessera/loader/loader.hpp"

namespace tessera::loader {

class RegisteredServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::setenv("TESSERA_REGISTRY", registry.c_str(), 1);
    RegisterServer(kServer);
  }
  void TearDown() override {
    UnregisterServer(kServer);
    ::unsetenv("TESSERA_REGISTRY");
  }

  static constexpr const char* kServer = TESSERA_SERVER_FILE;
  testing::TempDir dir;
  std::filesystem::path registry = dir.path() / "registry.ini";
};

// GTool.ParaGib's arguments as Invoke takes them, last one first; the caller clears them.
inline std::vector<VARIANT> ParaGibArguments(std::string_view text, std::string_view separator,
                                             int16_t number) {
  std::vector<VARIANT> args(3);
  args[0].vt = VT_I2;
  args[0].iVal = number;
  args[1].vt = VT_BSTR;
  args[1].bstrVal = frame::BstrFromUtf8(separator);
  args[2].vt = VT_BSTR;
  args[2].bstrVal = frame::BstrFromUtf8(text);
  return args;
}

// Member `id` with its arguments (last first), which are cleared after the call; the call's HRESULT.
inline HRESULT CallMember(IDispatch* object, DISPID id, std::vector<VARIANT> args, VARIANT& result,
                          uint16_t flags = DISPATCH_METHOD) {
  DISPPARAMS params{args.data(), nullptr, static_cast<uint32_t>(args.size()), 0};
  EXCEPINFO exception{};
  const HRESULT answer =
      object->lpVtbl->Invoke(object, id, &IID_IDispatch, 0, flags, &params, &result, &exception, nullptr);
  for (VARIANT& arg : args) VariantClear(&arg);
  SysFreeString(exception.bstrSource);
  SysFreeString(exception.bstrDescription);
  return answer;
}

// A method by name, as CallMember.
inline HRESULT CallMethod(IDispatch* object, const char16_t* name, std::vector<VARIANT> args,
                          VARIANT& result) {
  OLECHAR* names[] = {const_cast<OLECHAR*>(name)};
  DISPID id = 0;
  EXPECT_EQ(object->lpVtbl->GetIDsOfNames(object, &IID_IDispatch, names, 1, 0, &id), S_OK);
  return CallMember(object, id, std::move(args), result);
}

}  // namespace tessera::loader
