// What a call costs a host by each route: GTool.ParaGib in C++, through its dual interface's
// vtable entry, and through IDispatch::Invoke with the member id found once. Both component routes
// convert to and from the ABI's strings; the entry does it through the same rows as Invoke.
#include <benchmark/benchmark.h>

#include "tessera/bindings/tessera_interfaces.h"
#include "tessera/tool/gtool.hpp"

namespace {

constexpr const char16_t kText[] = u"Erdgeschoss;1. OG;2. OG;3. OG";

// A GTool as a host creates it, through the class factory.
_GTool* NewTool() {
  IClassFactory* factory = nullptr;
  void* tool = nullptr;
  DllGetClassObject(&CLSID_GTool, &IID_IClassFactory, reinterpret_cast<void**>(&factory));
  factory->lpVtbl->CreateInstance(factory, nullptr, &IID__GTool, &tool);
  factory->lpVtbl->Release(factory);
  return static_cast<_GTool*>(tool);
}

void InCpp(benchmark::State& state) {
  const tessera::GTool tool;
  const std::string text = "Erdgeschoss;1. OG;2. OG;3. OG";
  for (auto _ : state) benchmark::DoNotOptimize(tool.ParaGib(text, ";", 3));
}
BENCHMARK(InCpp);

void ThroughVtable(benchmark::State& state) {
  _GTool* tool = NewTool();
  BSTR text = SysAllocStringLen(kText, sizeof kText / sizeof kText[0] - 1);
  BSTR separator = SysAllocStringLen(u";", 1);
  for (auto _ : state) {
    BSTR field = nullptr;
    tool->lpVtbl->ParaGib(tool, text, separator, 3, &field);
    SysFreeString(field);
  }
  SysFreeString(text);
  SysFreeString(separator);
  tool->lpVtbl->Release(tool);
}
BENCHMARK(ThroughVtable);

void ThroughInvoke(benchmark::State& state) {
  _GTool* tool = NewTool();
  OLECHAR* names[] = {const_cast<OLECHAR*>(u"ParaGib")};
  DISPID id = 0;
  tool->lpVtbl->GetIDsOfNames(tool, &IID_NULL, names, 1, 0, &id);
  VARIANT args[3] = {};  // last first
  args[0].vt = VT_I2;
  args[0].iVal = 3;
  args[1].vt = VT_BSTR;
  args[1].bstrVal = SysAllocStringLen(u";", 1);
  args[2].vt = VT_BSTR;
  args[2].bstrVal = SysAllocStringLen(kText, sizeof kText / sizeof kText[0] - 1);
  DISPPARAMS params{args, nullptr, 3, 0};
  for (auto _ : state) {
    VARIANT result{};
    tool->lpVtbl->Invoke(tool, id, &IID_NULL, 0, DISPATCH_METHOD, &params, &result, nullptr, nullptr);
    VariantClear(&result);
  }
  for (VARIANT& arg : args) VariantClear(&arg);
  tool->lpVtbl->Release(tool);
}
BENCHMARK(ThroughInvoke);

}  // namespace

BENCHMARK_MAIN();
