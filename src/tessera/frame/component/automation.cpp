// The automation runtime's string and variant calls, for the library and for hosts alike.
//
// A BSTR points just past a 32-bit byte count and is followed by a UTF-16 NUL, so that it can be
// passed where a plain NUL-terminated string is expected; it is allocated with malloc, so that any
// copy of these functions frees what another made.
#include <cstdlib>
#include <cstring>

#include "tessera/frame/component/com_abi.h"

extern "C" {

BSTR SysAllocStringLen(const OLECHAR* text, uint32_t length) {
  if (length > (UINT32_MAX - sizeof(uint32_t) - sizeof(OLECHAR)) / sizeof(OLECHAR)) return nullptr;
  const uint32_t bytes = length * static_cast<uint32_t>(sizeof(OLECHAR));
  auto* block = static_cast<unsigned char*>(std::malloc(sizeof(uint32_t) + bytes + sizeof(OLECHAR)));
  if (block == nullptr) return nullptr;
  std::memcpy(block, &bytes, sizeof bytes);
  auto* chars = reinterpret_cast<OLECHAR*>(block + sizeof(uint32_t));
  if (text != nullptr) {
    std::memcpy(chars, text, bytes);
  } else {
    std::memset(chars, 0, bytes);
  }
  chars[length] = 0;
  return chars;
}

void SysFreeString(BSTR text) {
  if (text != nullptr) std::free(reinterpret_cast<unsigned char*>(text) - sizeof(uint32_t));
}

uint32_t SysStringLen(BSTR text) {
  if (text == nullptr) return 0;
  uint32_t bytes = 0;
  std::memcpy(&bytes, reinterpret_cast<unsigned char*>(text) - sizeof(uint32_t), sizeof bytes);
  return bytes / static_cast<uint32_t>(sizeof(OLECHAR));
}

void VariantInit(VARIANT* value) {
  if (value == nullptr) return;
  std::memset(value, 0, sizeof *value);
}

HRESULT VariantClear(VARIANT* value) {
  if (value == nullptr) return E_INVALIDARG;
  switch (value->vt) {
    case VT_BSTR:
      SysFreeString(value->bstrVal);
      break;
    case VT_DISPATCH:
      if (value->pdispVal != nullptr) value->pdispVal->lpVtbl->Release(value->pdispVal);
      break;
    case VT_UNKNOWN:
      if (value->punkVal != nullptr) value->punkVal->lpVtbl->Release(value->punkVal);
      break;
    default:
      break;  // values and references own nothing
  }
  VariantInit(value);
  return S_OK;
}

}  // extern "C"
