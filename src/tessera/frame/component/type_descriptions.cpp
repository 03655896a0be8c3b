#include "tessera/frame/component/type_descriptions.hpp"

#include <algorithm>
#include <cstdlib>
#include <new>

#include "tessera/frame/component/com_ids.hpp"
#include "tessera/frame/component/dispatch_object.hpp"

namespace tessera::frame {

namespace {

int16_t VtableOffset(std::size_t vtable_index) {
  return static_cast<int16_t>((kDispatchSlots + vtable_index) * sizeof(void*));
}

INVOKEKIND InvokeKindOf(MemberKind kind) {
  switch (kind) {
    case MemberKind::kPropertyGet:
      return INVOKE_PROPERTYGET;
    case MemberKind::kPropertyPut:
      return INVOKE_PROPERTYPUT;
    case MemberKind::kMethod:
      return INVOKE_FUNC;
  }
  return INVOKE_FUNC;
}

// A by-reference parameter is a pointer to its type, which `pointee` holds.
ELEMDESC ParamElement(const ParamInfo& param, TYPEDESC& pointee) {
  ELEMDESC element{};
  element.paramdesc.wParamFlags = PARAMFLAG_FIN;
  if (param.optional) element.paramdesc.wParamFlags |= PARAMFLAG_FOPT;
  if (param.by_ref) {
    element.paramdesc.wParamFlags |= PARAMFLAG_FOUT;
    pointee.vt = AbiShapeOf(param.type).vt;
    element.tdesc.vt = VT_PTR;
    element.tdesc.lptdesc = &pointee;
  } else {
    element.tdesc.vt = AbiShapeOf(param.type).vt;
  }
  return element;
}

// The interface view's last parameter: a pointer to the result, out and retval.
ELEMDESC RetvalElement(ValueType result, TYPEDESC& pointee) {
  ELEMDESC element{};
  element.paramdesc.wParamFlags = PARAMFLAG_FOUT | PARAMFLAG_FRETVAL;
  pointee.vt = AbiShapeOf(result).vt;
  element.tdesc.vt = VT_PTR;
  element.tdesc.lptdesc = &pointee;
  return element;
}

}  // namespace

std::vector<DescribedFunction> DescribedFunctions(const DispatchTable& table) {
  std::vector<DescribedFunction> functions;
  const auto vtable = table.vtable();
  for (std::size_t i = 0; i < vtable.size(); ++i)
    if (vtable[i] != nullptr) functions.push_back({vtable[i], i});
  return functions;
}

TYPEATTR* NewTypeAttr(const LibraryDescription& library, const DescribedInterface& type, TypeView view) {
  const DispatchTable& table = type.table();
  auto* attributes = new TYPEATTR{};
  attributes->guid = ToIid(type.id);
  attributes->memidConstructor = MEMBERID_NIL;
  attributes->memidDestructor = MEMBERID_NIL;
  attributes->cbSizeInstance = sizeof(void*);
  attributes->typekind = view == TypeView::kDispatch ? TKIND_DISPATCH : TKIND_INTERFACE;
  attributes->cFuncs = static_cast<uint16_t>(DescribedFunctions(table).size());
  attributes->cbSizeVft = static_cast<uint16_t>(VtableOffset(table.vtable().size()));
  attributes->cbAlignment = alignof(void*);
  // The members are fixed: a name outside them is unknown rather than added at run time.
  attributes->wTypeFlags = TYPEFLAG_FDUAL | TYPEFLAG_FDISPATCHABLE | TYPEFLAG_FNONEXTENSIBLE;
  if (view == TypeView::kInterface) attributes->wTypeFlags |= TYPEFLAG_FOLEAUTOMATION;
  attributes->wMajorVerNum = library.major_version;
  attributes->wMinorVerNum = library.minor_version;
  return attributes;
}

void FreeTypeAttr(TYPEATTR* attributes) noexcept {
  delete attributes;
}

static_assert(sizeof(FUNCDESC) % alignof(ELEMDESC) == 0 && sizeof(ELEMDESC) % alignof(TYPEDESC) == 0,
              "a FUNCDESC's block holds its parts back to back");

// One block: the FUNCDESC, its parameters' ELEMDESCs, then the types their pointers point to.
FUNCDESC* NewFuncDesc(const DescribedFunction& function, TypeView view) {
  const MemberRow& row = *function.row;
  const bool has_retval = view == TypeView::kInterface && row.result != ValueType::kNone;
  const std::size_t count = row.params.size() + (has_retval ? 1 : 0);
  void* block = std::calloc(1, sizeof(FUNCDESC) + count * (sizeof(ELEMDESC) + sizeof(TYPEDESC)));
  if (block == nullptr) throw std::bad_alloc();
  auto* desc = static_cast<FUNCDESC*>(block);
  auto* params = reinterpret_cast<ELEMDESC*>(desc + 1);
  auto* pointees = reinterpret_cast<TYPEDESC*>(params + count);
  for (std::size_t i = 0; i < row.params.size(); ++i) params[i] = ParamElement(row.params[i], pointees[i]);
  if (has_retval) params[count - 1] = RetvalElement(row.result, pointees[count - 1]);
  desc->memid = kFirstMemberId + row.slot;
  desc->lprgelemdescParam = count > 0 ? params : nullptr;
  desc->funckind = view == TypeView::kDispatch ? FUNC_DISPATCH : FUNC_PUREVIRTUAL;
  desc->invkind = InvokeKindOf(row.kind);
  desc->callconv = CC_CDECL;  // the vtable's functions are plain C functions on this platform
  desc->cParams = static_cast<int16_t>(count);
  desc->cParamsOpt = static_cast<int16_t>(
      std::count_if(row.params.begin(), row.params.end(), [](const ParamInfo& p) { return p.optional; }));
  desc->oVft = VtableOffset(function.vtable_index);
  desc->elemdescFunc.tdesc.vt = view == TypeView::kDispatch ? AbiShapeOf(row.result).vt : VARTYPE{VT_HRESULT};
  return desc;
}

void FreeFuncDesc(FUNCDESC* function) noexcept {
  std::free(function);
}

}  // namespace tessera::frame
