#include "tessera/frame/component/dual_interface.hpp"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <vector>

#include "tessera/frame/component/com_variant.hpp"
#include "tessera/frame/component/dispatch_object.hpp"
#include "tessera/frame/component/error_info.hpp"
#include "tessera/platform/runtime/error.hpp"

namespace tessera::frame {

namespace {

// The argument at `address` as the VARIANT that IDispatch::Invoke would be given; it borrows what
// it points at and is never cleared.
HRESULT ArgumentVariant(const ParamInfo& param, void* address, VARIANT& out) {
  out = VARIANT{};
  if (param.by_ref) {
    void* target = *static_cast<void**>(address);
    if (target != nullptr) {
      out.vt = static_cast<VARTYPE>(AbiShapeOf(param.type).vt | VT_BYREF);
      out.byref = target;
      return S_OK;
    }
    if (!param.optional || param.type != ValueType::kVariant) return E_POINTER;
    out.vt = VT_ERROR;
    out.scode = DISP_E_PARAMNOTFOUND;
    return S_OK;
  }
  if (param.type == ValueType::kVariant) {
    out = *static_cast<const VARIANT*>(address);
    return S_OK;
  }
  out.vt = AbiShapeOf(param.type).vt;
  std::memcpy(&out.bVal, address, AbiShapeOf(param.type).size);
  return S_OK;
}

// Moves the member's result into the entry's out parameter.
HRESULT StoreResult(ValueType type, VARIANT& result, void* out) {
  if (type == ValueType::kVariant) {
    *static_cast<VARIANT*>(out) = result;
    return S_OK;
  }
  if (result.vt != AbiShapeOf(type).vt) {
    VariantClear(&result);
    return E_UNEXPECTED;
  }
  std::memcpy(out, &result.bVal, AbiShapeOf(type).size);
  return S_OK;
}

// The member row behind `entry` in the vtable of `self`.
const MemberRow* RowOf(IDispatch* self, AbiEntryPointer entry) {
  const DualVtable& vtable = DualVtableOf(self);
  const auto rows = vtable.table->vtable();
  const auto found = std::find(vtable.entries.begin(), vtable.entries.begin() + rows.size(), entry);
  return rows[static_cast<std::size_t>(found - vtable.entries.begin())];
}

// A call on `self` that failed with the run-time error in `exception`: the error is kept for the
// host and its number is the answer.
HRESULT Failed(IDispatch* self, EXCEPINFO& exception) {
  KeepErrorInfo(InterfaceIdOf(*DualVtableOf(self).table).value_or(Guid{}), exception);
  SysFreeString(exception.bstrSource);
  SysFreeString(exception.bstrDescription);
  return exception.scode;
}

}  // namespace

HRESULT CallRow(IDispatch* self, AbiEntryPointer entry, void* const* args, void* out) {
  ForgetErrorInfo();
  const MemberRow& row = *RowOf(self, entry);
  if (row.result != ValueType::kNone) {
    if (out == nullptr) return E_POINTER;
    std::memset(out, 0, AbiShapeOf(row.result).size);
  }
  std::vector<VARIANT> arguments(row.params.size());
  for (std::size_t i = 0; i < row.params.size(); ++i) {
    // DISPPARAMS holds the last argument first.
    if (const HRESULT given = ArgumentVariant(row.params[i], args[i], arguments[arguments.size() - 1 - i]);
        given != S_OK)
      return given;
  }
  DISPPARAMS params{arguments.data(), nullptr, static_cast<uint32_t>(arguments.size()), 0};
  VARIANT result{};
  EXCEPINFO exception{};
  const HRESULT answer =
      InvokeRow(self, row, params, row.result == ValueType::kNone ? nullptr : &result, &exception);
  if (answer == DISP_E_EXCEPTION) return Failed(self, exception);
  if (answer != S_OK || row.result == ValueType::kNone) return answer;
  return StoreResult(row.result, result, out);
}

namespace {

HRESULT NotOffered(IDispatch* self) {
  ForgetErrorInfo();
  EXCEPINFO exception{};
  try {
    platform::Raise(platform::err::kMethodNotSupported);
  } catch (...) {
    ReportException(&exception);
  }
  return Failed(self, exception);
}

std::unique_ptr<DualVtable> NewDualVtable(const DispatchTable& table, const IDispatchVtbl& dispatch,
                                          DualCall call) {
  const auto rows = table.vtable();
  if (rows.size() > kMaxVtableEntries) throw std::logic_error("interface too long for its vtable");
  auto vtable = std::make_unique<DualVtable>(DualVtable{call, &table, dispatch, {}});
  std::transform(rows.begin(), rows.end(), vtable->entries.begin(), [](const MemberRow* row) {
    const bool offered = row != nullptr && row->abi_entry != nullptr;
    return offered ? row->abi_entry : reinterpret_cast<AbiEntryPointer>(&NotOffered);
  });
  return vtable;
}

}  // namespace

const IDispatchVtbl& DualVtableFor(const DispatchTable& table, const IDispatchVtbl& dispatch, DualCall call) {
  static std::mutex guard;
  static std::map<const DispatchTable*, std::unique_ptr<DualVtable>> built;
  const std::lock_guard lock(guard);
  auto& vtable = built[&table];
  if (!vtable) vtable = NewDualVtable(table, dispatch, call);
  return vtable->dispatch;
}

}  // namespace tessera::frame
