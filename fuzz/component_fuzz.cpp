// Drives the component route as a careless host would: an object of every class and a collection,
// called through IDispatch::Invoke and through their dual vtables' entries with arguments built
// from the input (every kind of VARIANT, by reference or not, null pointers, the called object
// itself, a host's own object, the host's only reference given away by reference), with DISPIDs,
// flags, names and counts from the input; type information, connection points with a sink that
// drops an object while an event runs, and enumerators. Every reference the host held or received
// is released at the end, after which the library must be free to unload.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "scratch_directory.hpp"
#include "tessera/bindings/class_bindings.hpp"
#include "tessera/bindings/component_entry.hpp"
#include "tessera/frame/component/collection_object.hpp"
#include "tessera/frame/component/com_ids.hpp"
#include "tessera/frame/component/dispatch_object.hpp"
#include "tessera/frame/dispatch/abi_entry.hpp"
#include "tessera/platform/runtime/collection.hpp"
#include "tessera/platform/ui/headless_ui.hpp"
#include "tessera/platform/ui/ui.hpp"

namespace {

using tessera::frame::ToIid;

class Input {
 public:
  Input(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool Done() const { return at_ >= size_; }
  uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  uint32_t Word() {
    uint32_t word = 0;
    for (int shift = 0; shift < 32; shift += 8) word |= uint32_t{Byte()} << shift;
    return word;
  }
  double Real() {
    const uint32_t low = Word();
    return static_cast<double>(static_cast<int32_t>(low)) / (1 + Byte());
  }
  // A short text, kept to one directory: no separators.
  std::u16string Text() {
    std::u16string text(Byte() % 24, u'a');
    for (char16_t& unit : text) {
      unit = static_cast<char16_t>(Byte() | (Byte() % 4 == 0 ? 0x100 : 0));
      if (unit == u'/' || unit == u'\\') unit = u'_';
    }
    return text;
  }

 private:
  const uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

BSTR Bstr(const std::u16string& text) {
  return SysAllocStringLen(text.data(), static_cast<uint32_t>(text.size()));
}

// A host's own object: IUnknown's three slots and nothing more.
HRESULT ForeignQuery(IUnknown*, const IID*, void** object) {
  *object = nullptr;
  return E_NOINTERFACE;
}
uint32_t ForeignCount(IUnknown*) {
  return 1;
}
constexpr IUnknownVtbl kForeignVtable{ForeignQuery, ForeignCount, ForeignCount};
IUnknown foreign{&kForeignVtable};

// The objects the host holds a reference to, by slot; an empty slot is one it gave away.
struct Pool {
  std::vector<IDispatch*> held;
  ~Pool() {
    for (IDispatch* object : held)
      if (object != nullptr) object->lpVtbl->Release(object);
  }
  IDispatch* Pick(Input& in) { return held[in.Byte() % held.size()]; }
  IDispatch* Take(Input& in) {
    IDispatch*& slot = held[in.Byte() % held.size()];
    return std::exchange(slot, nullptr);
  }
};

// The host's event sink: drops one of the pool's objects the first time an event arrives.
struct Sink {
  IDispatch dispatch;
  IDispatch* drop = nullptr;
};
HRESULT SinkQuery(IDispatch* self, const IID* id, void** object) {
  const bool known = tessera::frame::SameId(*id, IID_IUnknown) || tessera::frame::SameId(*id, IID_IDispatch);
  *object = known ? self : nullptr;
  return known ? S_OK : E_NOINTERFACE;
}
uint32_t SinkCount(IDispatch*) {
  return 1;
}
HRESULT SinkInvoke(IDispatch* self, DISPID, const IID*, LCID, uint16_t, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                   uint32_t*) {
  auto* sink = reinterpret_cast<Sink*>(self);
  if (IDispatch* drop = std::exchange(sink->drop, nullptr)) drop->lpVtbl->Release(drop);
  return S_OK;
}
constexpr IDispatchVtbl kSinkVtable{SinkQuery, SinkCount, SinkCount, nullptr, nullptr, nullptr, SinkInvoke};

// One argument with everything a reference in it may point at; what it holds is the host's.
struct Argument {
  VARIANT value{};
  VARIANT referenced{};
  VARIANT typed{};  // the target of a typed reference, kept as a VARIANT to be cleared alike

  ~Argument() {
    VariantClear(&value);
    VariantClear(&referenced);
    VariantClear(&typed);
  }
};

// An object for an argument: one of the pool's (a new reference, or the pool's own given away),
// the host's foreign object, or nothing.
IDispatch* ObjectFor(Input& in, Pool& pool) {
  switch (in.Byte() % 4) {
    case 0:
      return nullptr;
    case 1:
      return reinterpret_cast<IDispatch*>(&foreign);
    case 2:
      return pool.Take(in);
    default:
      break;
  }
  IDispatch* object = pool.Pick(in);
  if (object != nullptr) object->lpVtbl->AddRef(object);
  return object;
}

// A plain value of a kind from the input into `out`.
void PlainValue(Input& in, Pool& pool, VARIANT& out) {
  static constexpr std::array<VARTYPE, 12> kKinds{VT_EMPTY, VT_NULL,     VT_I2,    VT_I4,
                                                  VT_R8,    VT_BSTR,     VT_BOOL,  VT_DATE,
                                                  VT_UI1,   VT_DISPATCH, VT_ERROR, VT_UNKNOWN};
  out = VARIANT{};
  out.vt = kKinds[in.Byte() % kKinds.size()];
  switch (out.vt) {
    case VT_I2:
    case VT_BOOL:
      out.iVal = static_cast<int16_t>(in.Word());
      break;
    case VT_I4:
      out.lVal = static_cast<int32_t>(in.Word());
      break;
    case VT_R8:
    case VT_DATE:
      out.dblVal = in.Real();
      break;
    case VT_UI1:
      out.bVal = in.Byte();
      break;
    case VT_BSTR:
      out.bstrVal = Bstr(in.Text());
      break;
    case VT_ERROR:
      out.scode = in.Byte() % 2 ? DISP_E_PARAMNOTFOUND : static_cast<SCODE>(in.Word());
      break;
    case VT_DISPATCH:
    case VT_UNKNOWN:
      out.pdispVal = ObjectFor(in, pool);
      break;
  }
}

// An argument as Invoke takes it: a plain value, a typed reference, a reference to a VARIANT, a
// reference through a null pointer, or a type the route does not know.
void BuildArgument(Input& in, Pool& pool, Argument& arg) {
  switch (in.Byte() % 5) {
    case 0:
      PlainValue(in, pool, arg.value);
      return;
    case 1:
      PlainValue(in, pool, arg.typed);
      if (arg.typed.vt == VT_EMPTY || arg.typed.vt == VT_NULL || arg.typed.vt == VT_UNKNOWN) return;
      arg.value.vt = static_cast<VARTYPE>(arg.typed.vt | VT_BYREF);
      arg.value.byref = &arg.typed.bVal;
      return;
    case 2:
      PlainValue(in, pool, arg.referenced);
      arg.value.vt = VT_VARIANT | VT_BYREF;
      arg.value.pvarVal = &arg.referenced;
      return;
    case 3:
      arg.value.vt = static_cast<VARTYPE>((in.Byte() % 24) | VT_BYREF);
      arg.value.byref = nullptr;
      return;
    default:
      arg.value.vt = static_cast<VARTYPE>(in.Word() & 0x0FFF);  // any type, owning nothing
      return;
  }
}

void FreeException(EXCEPINFO& exception) {
  SysFreeString(exception.bstrSource);
  SysFreeString(exception.bstrDescription);
  SysFreeString(exception.bstrHelpFile);
}

DISPID MemberId(Input& in) {
  switch (in.Byte() % 4) {
    case 0:
      return tessera::frame::kFirstMemberId + in.Byte() % 48;
    case 1:
      return static_cast<DISPID>(in.Word());
    case 2:
      return static_cast<DISPID>(in.Byte() % 5) - 4;  // DISPID_VALUE, DISPID_NEWENUM ...
    default:
      return static_cast<DISPID>(in.Byte() % 4);  // a collection's members
  }
}

void Invoke(Input& in, Pool& pool, IDispatch* target) {
  const DISPID id = MemberId(in);
  const auto flags = static_cast<uint16_t>(in.Byte() % 16);
  std::vector<Argument> args(in.Byte() % 6);
  for (Argument& arg : args) BuildArgument(in, pool, arg);
  std::vector<VARIANT> passed;
  for (const Argument& arg : args) passed.push_back(arg.value);
  // The value of a property write is named DISPID_PROPERTYPUT; a careless host names another or
  // passes no names.
  DISPID named = in.Byte() % 2 ? DISPID_PROPERTYPUT : static_cast<DISPID>(in.Word());
  DISPPARAMS params{passed.data(), nullptr, static_cast<uint32_t>(passed.size()), 0};
  if (const uint8_t naming = in.Byte() % 3; naming > 0 && !passed.empty()) {
    params.cNamedArgs = 1;
    params.rgdispidNamedArgs = naming == 1 ? &named : nullptr;
  }
  VARIANT result{};
  EXCEPINFO exception{};
  const bool wants_result = in.Byte() % 2;
  const bool wants_exception = in.Byte() % 2;
  target->lpVtbl->Invoke(target, id, &IID_NULL, 0, flags, &params, wants_result ? &result : nullptr,
                         wants_exception ? &exception : nullptr, nullptr);
  VariantClear(&result);
  FreeException(exception);
}

// One value of `type` as an entry takes it, in `storage`, the VARIANT that owns it.
void EntryValue(Input& in, Pool& pool, tessera::frame::ValueType type, VARIANT& storage) {
  using tessera::frame::ValueType;
  storage = VARIANT{};
  if (type == ValueType::kVariant) return PlainValue(in, pool, storage);
  storage.vt = tessera::frame::AbiShapeOf(type).vt;
  if (type == ValueType::kString)
    storage.bstrVal = Bstr(in.Text());
  else if (type == ValueType::kObject)
    storage.pdispVal = ObjectFor(in, pool);
  else if (type == ValueType::kDouble || type == ValueType::kDate)
    storage.dblVal = in.Real();
  else
    storage.lVal = static_cast<int32_t>(in.Word());
}

// A member through its entry of the dual vtable, which hands the arguments' addresses on.
void CallEntry(Input& in, Pool& pool, IDispatch* target) {
  if (tessera::frame::QueryPrivate(reinterpret_cast<IUnknown*>(target), tessera::frame::kLibraryObjectId) ==
      nullptr)
    return;
  target->lpVtbl->Release(target);  // for the query's reference
  const tessera::frame::DualVtable& vtable = tessera::frame::DualVtableOf(target);
  const auto rows = vtable.table->vtable();
  const std::size_t index = in.Byte() % rows.size();
  const tessera::frame::MemberRow* row = rows[index];
  if (row == nullptr) return;
  std::vector<VARIANT> values(row->params.size());
  std::vector<void*> pointers(row->params.size());
  std::vector<void*> addresses(row->params.size() + 1);
  for (std::size_t i = 0; i < row->params.size(); ++i) {
    EntryValue(in, pool, row->params[i].type, values[i]);
    void* value = row->params[i].type == tessera::frame::ValueType::kVariant
                      ? static_cast<void*>(&values[i])
                      : static_cast<void*>(&values[i].bVal);
    pointers[i] = in.Byte() % 8 == 0 ? nullptr : value;
    addresses[i] = row->params[i].by_ref ? static_cast<void*>(&pointers[i]) : value;
  }
  VARIANT out{};
  if (row->result != tessera::frame::ValueType::kVariant) out.vt = tessera::frame::AbiShapeOf(row->result).vt;
  void* result = row->result == tessera::frame::ValueType::kVariant ? static_cast<void*>(&out)
                                                                    : static_cast<void*>(&out.bVal);
  vtable.call(target, vtable.entries[index], addresses.data(),
              row->result == tessera::frame::ValueType::kNone || in.Byte() % 8 == 0 ? nullptr : result);
  VariantClear(&out);
  for (VARIANT& value : values) VariantClear(&value);
}

void Names(Input& in, IDispatch* target) {
  const std::u16string text = in.Text();
  std::array<OLECHAR*, 3> names{in.Byte() % 4 == 0 ? nullptr : const_cast<OLECHAR*>(text.c_str()), nullptr,
                                nullptr};
  std::array<DISPID, 3> ids{};
  target->lpVtbl->GetIDsOfNames(target, &IID_NULL, names.data(), in.Byte() % 4, 0, ids.data());
}

void TypeInformation(Input& in, Pool& pool, IDispatch* target) {
  ITypeInfo* info = nullptr;
  uint32_t count = 0;
  target->lpVtbl->GetTypeInfoCount(target, &count);
  if (target->lpVtbl->GetTypeInfo(target, in.Byte() % 2, 0, &info) != S_OK) return;
  FUNCDESC* function = nullptr;
  if (info->lpVtbl->GetFuncDesc(info, in.Byte(), &function) == S_OK)
    info->lpVtbl->ReleaseFuncDesc(info, function);
  std::array<BSTR, 4> names{};
  uint32_t named = 0;
  const auto member = static_cast<MEMBERID>(tessera::frame::kFirstMemberId + in.Byte() % 48);
  info->lpVtbl->GetNames(info, member, names.data(), in.Byte() % 5, &named);
  for (uint32_t i = 0; i < named; ++i) SysFreeString(names[i]);
  BSTR name = nullptr;
  info->lpVtbl->GetDocumentation(info, in.Byte() % 2 ? member : static_cast<MEMBERID>(in.Word()), &name,
                                 nullptr, nullptr, nullptr);
  SysFreeString(name);
  IDispatch* instance = ObjectFor(in, pool);
  VARIANT result{};
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  info->lpVtbl->Invoke(info, instance, member, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr);
  VariantClear(&result);
  if (instance != nullptr) instance->lpVtbl->Release(instance);
  ITypeLib* library = nullptr;
  if (info->lpVtbl->GetContainingTypeLib(info, &library, nullptr) == S_OK) {
    ITypeInfo* other = nullptr;
    if (library->lpVtbl->GetTypeInfo(library, in.Byte() % 12, &other) == S_OK) other->lpVtbl->Release(other);
    library->lpVtbl->Release(library);
  }
  info->lpVtbl->Release(info);
}

void Events(Input& in, Pool& pool, IDispatch* target, Sink& sink) {
  IConnectionPointContainer* container = nullptr;
  if (target->lpVtbl->QueryInterface(target, &IID_IConnectionPointContainer,
                                     reinterpret_cast<void**>(&container)) != S_OK)
    return;
  IConnectionPoint* point = nullptr;
  for (const tessera::ClassBinding& binding : tessera::ClassBindings()) {
    const IID events = binding.info.events_id ? ToIid(*binding.info.events_id) : IID_NULL;
    if (container->lpVtbl->FindConnectionPoint(container, &events, &point) == S_OK) break;
  }
  container->lpVtbl->Release(container);
  if (point == nullptr) return;
  uint32_t cookie = 0;
  if (sink.drop == nullptr) sink.drop = pool.Take(in);
  point->lpVtbl->Advise(point, reinterpret_cast<IUnknown*>(&sink.dispatch), &cookie);
  if (in.Byte() % 2) point->lpVtbl->Unadvise(point, in.Byte() % 2 ? cookie : in.Word());
  point->lpVtbl->Release(point);
}

void Enumerate(Input& in, IDispatch* target) {
  VARIANT walker{};
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  if (target->lpVtbl->Invoke(target, DISPID_NEWENUM, &IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &walker,
                             nullptr, nullptr) != S_OK)
    return;
  IEnumVARIANT* items = nullptr;
  if (walker.vt == VT_UNKNOWN &&
      walker.punkVal->lpVtbl->QueryInterface(walker.punkVal, &IID_IEnumVARIANT,
                                             reinterpret_cast<void**>(&items)) == S_OK) {
    std::array<VARIANT, 4> got{};
    uint32_t fetched = 0;
    items->lpVtbl->Skip(items, in.Word());
    items->lpVtbl->Next(items, in.Byte() % 5, got.data(), in.Byte() % 2 ? &fetched : nullptr);
    for (VARIANT& item : got) VariantClear(&item);
    IEnumVARIANT* copy = nullptr;
    if (items->lpVtbl->Clone(items, &copy) == S_OK) copy->lpVtbl->Release(copy);
    items->lpVtbl->Reset(items);
    items->lpVtbl->Release(items);
  }
  VariantClear(&walker);
}

IDispatch* NewObject(const tessera::ClassBinding& binding) {
  const CLSID id = ToIid(binding.info.class_id);
  IClassFactory* factory = nullptr;
  if (DllGetClassObject(&id, &IID_IClassFactory, reinterpret_cast<void**>(&factory)) != S_OK) std::abort();
  IDispatch* object = nullptr;
  factory->lpVtbl->CreateInstance(factory, nullptr, &IID_IDispatch, reinterpret_cast<void**>(&object));
  factory->lpVtbl->Release(factory);
  if (object == nullptr) std::abort();
  return object;
}

void Prepare() {
  static std::ostream quiet(nullptr);
  tessera::platform::SetUiServices(std::make_shared<tessera::platform::HeadlessUi>(quiet));
  EnterScratchDirectory("tessera-component-fuzz");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const bool prepared = (Prepare(), true);
  (void)prepared;
  Input in(data, size);
  Sink sink{{&kSinkVtable}};
  {
    Pool pool;
    for (const tessera::ClassBinding& binding : tessera::ClassBindings())
      pool.held.push_back(NewObject(binding));
    pool.held.push_back(tessera::frame::NewCollectionObject(std::make_shared<tessera::platform::Collection>(),
                                                            tessera::ServedClassOf));
    for (int step = 0; step < 64 && !in.Done(); ++step) {
      IDispatch* target = pool.Pick(in);
      if (target == nullptr) continue;
      switch (in.Byte() % 7) {
        case 0:
          Invoke(in, pool, target);
          break;
        case 1:
          CallEntry(in, pool, target);
          break;
        case 2:
          Names(in, target);
          break;
        case 3:
          TypeInformation(in, pool, target);
          break;
        case 4:
          Events(in, pool, target, sink);
          break;
        case 5:
          Enumerate(in, target);
          break;
        default:
          if (IDispatch* dropped = pool.Take(in)) dropped->lpVtbl->Release(dropped);
          break;
      }
    }
  }
  if (sink.drop != nullptr) sink.drop->lpVtbl->Release(sink.drop);
  if (DllCanUnloadNow() != S_OK) std::abort();  // a reference the library handed out or kept leaked
  return 0;
}
