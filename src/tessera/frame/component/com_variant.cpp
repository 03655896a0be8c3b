#include "tessera/frame/component/com_variant.hpp"

#include "tessera/frame/component/collection_object.hpp"
#include "tessera/frame/component/com_strings.hpp"
#include "tessera/frame/component/dispatch_object.hpp"
#include "tessera/frame/dispatch/dispatch_types.hpp"
#include "tessera/platform/runtime/convert.hpp"

namespace tessera::frame {

namespace {

using platform::Raise;
using platform::Variant;
using platform::VarType;

constexpr VARTYPE kTypeMask = static_cast<VARTYPE>(~VT_BYREF);

platform::ObjectRef ObjectFrom(IUnknown* unknown) {
  auto object = LibraryObjectOf(unknown);
  if (!object) Raise(platform::err::kTypeMismatch);
  return *object;
}

// The value a typed reference points at, as a VARIANT that owns nothing.
VARIANT Dereferenced(const VARIANT& reference) {
  if (reference.byref == nullptr) Raise(platform::err::kInvalidProcedureCall);
  VARIANT plain{};
  plain.vt = reference.vt & kTypeMask;
  switch (plain.vt) {
    case VT_UI1:
      plain.bVal = *reference.pbVal;
      break;
    case VT_I2:
      plain.iVal = *reference.piVal;
      break;
    case VT_I4:
      plain.lVal = *reference.plVal;
      break;
    case VT_R4:
      plain.fltVal = *reference.pfltVal;
      break;
    case VT_R8:
    case VT_DATE:
      plain.dblVal = *reference.pdblVal;
      break;
    case VT_BOOL:
      plain.boolVal = *reference.pboolVal;
      break;
    case VT_BSTR:
      plain.bstrVal = *reference.pbstrVal;
      break;
    case VT_DISPATCH:
      plain.pdispVal = *reference.ppdispVal;
      break;
    case VT_VARIANT:
      if (IsByReference(*reference.pvarVal)) Raise(platform::err::kUnsupportedAutomationType);
      return *reference.pvarVal;
    default:
      Raise(platform::err::kUnsupportedAutomationType);
  }
  return plain;
}

// A new dispatch interface for `value`, which must be an object; collections are served by the
// component route itself, as every class may hand them out.
IDispatch* DispatchFor(const Variant& value, ClassFinder finder) {
  const platform::ObjectRef& object = value.AsObject();
  if (!object) return nullptr;
  if (auto collection = std::dynamic_pointer_cast<platform::Collection>(object))
    return NewCollectionObject(std::move(collection), finder);
  const ServedClass* served = finder(*object);
  if (served == nullptr) Raise(platform::err::kTypeMismatch);
  return NewDispatchObject(object, *served, finder);
}

void ReplaceString(BSTR& target, const Variant& value) {
  BSTR text = BstrFromUtf8(platform::CStr(value));
  SysFreeString(target);
  target = text;
}

void ReplaceDispatch(IDispatch*& target, const Variant& value, ClassFinder finder) {
  if (!value.IsObject()) Raise(platform::err::kTypeMismatch);
  IDispatch* dispatch = DispatchFor(value, finder);
  if (target != nullptr) target->lpVtbl->Release(target);
  target = dispatch;
}

}  // namespace

bool IsByReference(const VARIANT& value) noexcept {
  return (value.vt & VT_BYREF) != 0;
}

Variant FromComVariant(const VARIANT& value) {
  if (IsByReference(value)) return FromComVariant(Dereferenced(value));
  switch (value.vt) {
    case VT_EMPTY:
      return Variant();
    case VT_NULL:
      return Variant::Null();
    case VT_UI1:
      return Variant(value.bVal);
    case VT_I2:
      return Variant(value.iVal);
    case VT_I4:
      return Variant(value.lVal);
    case VT_R4:
      return Variant(static_cast<double>(value.fltVal));
    case VT_R8:
      return Variant(value.dblVal);
    case VT_DATE:
      return Variant(platform::Date(value.date));
    case VT_BOOL:
      return Variant(value.boolVal != VARIANT_FALSE);
    case VT_BSTR:
      return Variant(Utf8FromBstr(value.bstrVal));
    case VT_DISPATCH:  // every interface begins with IUnknown's
      return Variant(ObjectFrom(reinterpret_cast<IUnknown*>(value.pdispVal)));
    case VT_UNKNOWN:
      return Variant(ObjectFrom(value.punkVal));
    case VT_ERROR:
      if (value.scode == DISP_E_PARAMNOTFOUND) return Variant::Missing();
      break;
    default:
      break;
  }
  Raise(platform::err::kUnsupportedAutomationType);
}

void ToComVariant(const Variant& value, VARIANT& out, ClassFinder finder) {
  VARIANT result{};
  result.vt = static_cast<VARTYPE>(value.kind());
  switch (value.kind()) {
    case VarType::kEmpty:
    case VarType::kNull:
      break;
    case VarType::kMissing:
      result.scode = DISP_E_PARAMNOTFOUND;
      break;
    case VarType::kBoolean:
      result.boolVal = value.AsBoolean() ? VARIANT_TRUE : VARIANT_FALSE;
      break;
    case VarType::kByte:
      result.bVal = value.AsByte();
      break;
    case VarType::kInteger:
      result.iVal = value.AsInteger();
      break;
    case VarType::kLong:
      result.lVal = value.AsLong();
      break;
    case VarType::kDouble:
      result.dblVal = value.AsDouble();
      break;
    case VarType::kDate:
      result.date = value.AsDate().serial();
      break;
    case VarType::kString:
      result.bstrVal = BstrFromUtf8(value.AsString());
      break;
    case VarType::kObject:
      result.pdispVal = DispatchFor(value, finder);
      break;
  }
  out = result;
}

void WriteThroughReference(const Variant& value, VARIANT& target, ClassFinder finder) {
  if (target.byref == nullptr) Raise(platform::err::kInvalidProcedureCall);
  switch (target.vt & kTypeMask) {
    case VT_VARIANT: {
      VARIANT fresh{};
      ToComVariant(value, fresh, finder);
      VariantClear(target.pvarVal);
      *target.pvarVal = fresh;
      break;
    }
    case VT_UI1:
      *target.pbVal = platform::CByte(value);
      break;
    case VT_I2:
      *target.piVal = platform::CInt(value);
      break;
    case VT_I4:
      *target.plVal = platform::CLng(value);
      break;
    case VT_R4:
      *target.pfltVal = static_cast<float>(platform::CDbl(value));
      break;
    case VT_R8:
      *target.pdblVal = platform::CDbl(value);
      break;
    case VT_DATE:
      *target.pdate = ArgumentType<platform::Date>::From(value).serial();
      break;
    case VT_BOOL:
      *target.pboolVal = platform::CBool(value) ? VARIANT_TRUE : VARIANT_FALSE;
      break;
    case VT_BSTR:
      ReplaceString(*target.pbstrVal, value);
      break;
    case VT_DISPATCH:
      ReplaceDispatch(*target.ppdispVal, value, finder);
      break;
    default:
      Raise(platform::err::kUnsupportedAutomationType);
  }
}

}  // namespace tessera::frame
