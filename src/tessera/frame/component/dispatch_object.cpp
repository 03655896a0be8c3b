#include "tessera/frame/component/dispatch_object.hpp"

#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "tessera/frame/catalogue/catalogue.hpp"
#include "tessera/frame/component/collection_object.hpp"
#include "tessera/frame/component/com_ids.hpp"
#include "tessera/frame/component/com_object.hpp"
#include "tessera/frame/component/com_strings.hpp"
#include "tessera/frame/component/connection_point.hpp"
#include "tessera/frame/component/dual_interface.hpp"
#include "tessera/frame/component/type_info.hpp"
#include "tessera/platform/runtime/error.hpp"

namespace tessera::frame {

namespace {

// A further interface of an object of type Owner, whose IUnknown calls are the object's own.
template <typename Owner, typename Interface>
struct Part : Interface {
  Owner* owner;

  static Owner& OwnerOf(Interface* self) { return *static_cast<Part*>(self)->owner; }
  template <auto function>
  static constexpr auto Entry = &BoundaryEntry<Part, function>::Call;
  static HRESULT QueryInterface(Interface* self, const IID* id, void** object) {
    return Owner::QueryInterface(&OwnerOf(self), id, object);
  }
  static uint32_t AddRef(Interface* self) { return Owner::AddRef(&OwnerOf(self)); }
  static uint32_t Release(Interface* self) { return Owner::Release(&OwnerOf(self)); }
};

struct DispatchObject;
using EventsPart = Part<DispatchObject, IConnectionPointContainer>;
using ErrorsPart = Part<DispatchObject, ISupportErrorInfo>;

struct DispatchObject : ComObject<DispatchObject, IDispatch> {
  static constexpr bool kBoundToThread = true;
  DispatchObject(platform::ObjectRef held, const ServedClass& served_as, ClassFinder find_class);
  static void* InterfaceFor(const IID& id, DispatchObject& self);

  const DispatchTable& table() const { return served.table(); }
  const EventBridge* events() const { return served.events; }

  platform::ObjectRef object;
  const ServedClass& served;
  ClassFinder finder;
  EventsPart events_part;
  ErrorsPart errors_part;
};

DispatchObject& Self(IDispatch* self) {
  return DispatchObject::Of(self);
}

bool IsDefaultInterface(const DispatchTable& table, const IID& id) {
  return InterfaceIdOf(table) == ToGuid(id);
}

void* DispatchObject::InterfaceFor(const IID& id, DispatchObject& self) {
  if (SameId(id, IID_IUnknown) || SameId(id, IID_IDispatch) || SameId(id, kLibraryObjectId)) return &self;
  if (SameId(id, IID_IConnectionPointContainer))
    return self.events() != nullptr ? &self.events_part : nullptr;
  if (SameId(id, IID_ISupportErrorInfo)) return &self.errors_part;
  return IsDefaultInterface(self.table(), id) ? &self : nullptr;
}

// Calls through the default interface's vtable leave their errors for GetErrorInfo.
HRESULT InterfaceSupportsErrorInfo(ISupportErrorInfo* self, const IID* id) {
  if (id == nullptr) return E_INVALIDARG;
  return IsDefaultInterface(ErrorsPart::OwnerOf(self).table(), *id) ? S_OK : S_FALSE;
}

constexpr ISupportErrorInfoVtbl kErrorsVtable{ErrorsPart::QueryInterface, ErrorsPart::AddRef,
                                              ErrorsPart::Release,
                                              ErrorsPart::Entry<InterfaceSupportsErrorInfo>};

HRESULT EnumConnectionPoints(IConnectionPointContainer*, void** points) {
  if (points != nullptr) *points = nullptr;
  return E_NOTIMPL;
}

HRESULT FindConnectionPoint(IConnectionPointContainer* self, const IID* id, IConnectionPoint** point) {
  if (point == nullptr) return E_POINTER;
  *point = nullptr;
  if (id == nullptr) return E_INVALIDARG;
  DispatchObject& owner = EventsPart::OwnerOf(self);
  if (ToGuid(*id) != owner.events()->events_id) return CONNECT_E_NOCONNECTION;
  return AnswerUnlessOutOfMemory([&] {
    *point = NewConnectionPoint(&owner, *owner.events(), owner.finder);
    return S_OK;
  });
}

constexpr IConnectionPointContainerVtbl kContainerVtable{
    EventsPart::QueryInterface, EventsPart::AddRef, EventsPart::Release,
    EventsPart::Entry<EnumConnectionPoints>, EventsPart::Entry<FindConnectionPoint>};

HRESULT GetIDsOfNames(IDispatch* self, const IID*, OLECHAR** names, uint32_t count, LCID, DISPID* ids) {
  return MemberIdsOfNames(Self(self).table(), names, count, ids);
}

const MemberRow* RowFor(const DispatchTable& table, DISPID id, uint16_t flags) {
  const int64_t from_first = int64_t{id} - kFirstMemberId;
  if (from_first < 0 || from_first >= static_cast<int64_t>(table.members().size())) return nullptr;
  const int slot = static_cast<int>(from_first);
  if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF))
    return table.Find(slot, MemberKind::kPropertyPut);
  const MemberRow* row = (flags & DISPATCH_METHOD) ? table.Find(slot, MemberKind::kMethod) : nullptr;
  if (row == nullptr && (flags & DISPATCH_PROPERTYGET)) row = table.Find(slot, MemberKind::kPropertyGet);
  if (row == nullptr && (flags & DISPATCH_PROPERTYGET)) row = table.Find(slot, MemberKind::kMethod);
  return row;
}

// A property write names its value DISPID_PROPERTYPUT; no other call may name an argument.
HRESULT CheckNamedArguments(const DISPPARAMS& params, uint16_t flags) {
  if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
    const bool names_value = params.cNamedArgs == 1 && params.rgdispidNamedArgs != nullptr &&
                             params.rgdispidNamedArgs[0] == DISPID_PROPERTYPUT;
    return names_value ? S_OK : DISP_E_PARAMNOTFOUND;
  }
  return params.cNamedArgs == 0 ? S_OK : DISP_E_NONAMEDARGS;
}

// A host that passes an uninitialised variant for an object parameter means Nothing, so that a
// member can fill it with a new object.
void TakeEmptyAsNothing(const MemberRow& row, std::vector<platform::Variant>& args) {
  for (std::size_t i = 0; i < row.params.size() && i < args.size(); ++i)
    if (row.params[i].type == ValueType::kObject && args[i].IsEmpty())
      args[i] = platform::Variant(platform::ObjectRef());
}

// Runs `row` with the arguments in call order and writes by-reference results back.
void Call(DispatchObject& self, const MemberRow& row, DISPPARAMS& params, VARIANT* result) {
  dispatch_detail::CheckArgumentCount(row.params, params.cArgs);  // before reading any of them
  std::vector<platform::Variant> args;
  args.reserve(params.cArgs);
  for (uint32_t i = params.cArgs; i-- > 0;) args.push_back(FromComVariant(params.rgvarg[i]));
  TakeEmptyAsNothing(row, args);
  const platform::Variant value = row.invoke(*self.object, args, row.params);
  for (std::size_t i = 0; i < row.params.size() && i < args.size(); ++i) {
    VARIANT& passed = params.rgvarg[params.cArgs - 1 - i];
    if (row.params[i].by_ref && IsByReference(passed)) WriteThroughReference(args[i], passed, self.finder);
  }
  if (result != nullptr) ToComVariant(value, *result, self.finder);
}

HRESULT Invoke(IDispatch* self, DISPID id, const IID*, LCID, uint16_t flags, DISPPARAMS* params,
               VARIANT* result, EXCEPINFO* exception, uint32_t*) {
  if (params == nullptr || (params->cArgs > 0 && params->rgvarg == nullptr)) return E_INVALIDARG;
  const MemberRow* row = RowFor(Self(self).table(), id, flags);
  if (row == nullptr) return DISP_E_MEMBERNOTFOUND;
  if (const HRESULT named = CheckNamedArguments(*params, flags); named != S_OK) return named;
  return InvokeRow(self, *row, *params, result, exception);
}

HRESULT TypeInfoCountOf(IDispatch* self, uint32_t* count) {
  return TypeInfoCount(&Self(self).served, count);
}

HRESULT TypeInfoOf(IDispatch* self, uint32_t index, LCID, ITypeInfo** type_info) {
  return TypeInfoAt(&Self(self).served, index, type_info);
}

constexpr IDispatchVtbl kVtable{DispatchObject::QueryInterface,    DispatchObject::AddRef,
                                DispatchObject::Release,           DispatchObject::Entry<TypeInfoCountOf>,
                                DispatchObject::Entry<TypeInfoOf>, DispatchObject::Entry<GetIDsOfNames>,
                                DispatchObject::Entry<Invoke>};

DispatchObject::DispatchObject(platform::ObjectRef held, const ServedClass& served_as, ClassFinder find_class)
    : ComObject(&DualVtableFor(served_as.table(), kVtable, DispatchObject::Entry<CallRow>)),
      object(std::move(held)),
      served(served_as),
      finder(find_class),
      events_part{{&kContainerVtable}, this},
      errors_part{{&kErrorsVtable}, this} {}

}  // namespace

IDispatch* NewDispatchObject(platform::ObjectRef object, const ServedClass& served, ClassFinder finder) {
  return new DispatchObject(std::move(object), served, finder);
}

HRESULT InvokeRow(IDispatch* self, const MemberRow& row, DISPPARAMS& params, VARIANT* result,
                  EXCEPINFO* exception) {
  try {
    Call(Self(self), row, params, result);
    return S_OK;
  } catch (...) {
    return ReportException(exception);
  }
}

HRESULT ReportException(EXCEPINFO* exception) {
  const platform::RuntimeError error = platform::ToRuntimeError();
  if (exception == nullptr) return DISP_E_EXCEPTION;
  *exception = EXCEPINFO{};
  exception->scode = TESSERA_RUNTIME_ERROR_SCODE(error.number());
  try {
    exception->bstrSource = BstrFromUtf8(error.source());
    exception->bstrDescription = BstrFromUtf8(error.description());
  } catch (const std::bad_alloc&) {
    SysFreeString(exception->bstrSource);
    exception->bstrSource = nullptr;
  }
  return DISP_E_EXCEPTION;
}

std::optional<Guid> InterfaceIdOf(const DispatchTable& table) {
  const ClassInfo* info = FindClass(table.class_name());
  if (info == nullptr) return std::nullopt;
  return info->interface_id;
}

std::optional<platform::ObjectRef> LibraryObjectOf(IUnknown* unknown) {
  if (unknown == nullptr) return platform::ObjectRef();
  if (auto collection = CollectionBehind(unknown)) return platform::ObjectRef(std::move(collection));
  auto* ours = static_cast<IDispatch*>(QueryPrivate(unknown, kLibraryObjectId));
  if (ours == nullptr) return std::nullopt;
  platform::ObjectRef object = Self(ours).object;
  ours->lpVtbl->Release(ours);
  return object;
}

}  // namespace tessera::frame
