#include "tessera/frame/component/dispatch_sink.hpp"

#include <vector>

namespace tessera::frame::sink_detail {

void InvokeSink(IDispatch* sink, DISPID id, std::span<VARIANT> values, std::span<const bool> by_ref) {
  std::vector<VARIANT> passed(values.size());  // the ABI wants the last argument first
  for (std::size_t i = 0; i < values.size(); ++i) {
    VARIANT& arg = passed[values.size() - 1 - i];
    if (by_ref[i]) {
      arg.vt = VT_VARIANT | VT_BYREF;
      arg.pvarVal = &values[i];
    } else {
      arg = values[i];  // lent for the call; `values` keeps owning it
    }
  }
  DISPPARAMS params{passed.data(), nullptr, static_cast<uint32_t>(passed.size()), 0};
  VARIANT result{};
  EXCEPINFO exception{};
  sink->lpVtbl->Invoke(sink, id, &IID_NULL, 0, DISPATCH_METHOD, &params, &result, &exception, nullptr);
  VariantClear(&result);
  SysFreeString(exception.bstrSource);
  SysFreeString(exception.bstrDescription);
  SysFreeString(exception.bstrHelpFile);
}

}  // namespace tessera::frame::sink_detail
