// Identities across the component ABI: the catalogue's Guid and the ABI's GUID, field by field.
#pragma once

#include <cstring>

#include "tessera/frame/catalogue/guid.hpp"
#include "tessera/frame/component/com_abi.h"

namespace tessera::frame {

// Private identities by which the library recognises its own objects among a host's: QueryInterface
// for them answers the object itself on one of the library's objects, and nothing on any other.
inline constexpr IID kLibraryObjectId = {
    0x5E7A1C42, 0x93D1, 0x4B6E, {0x8F, 0x21, 0x6C, 0x0D, 0x3A, 0x77, 0xB4, 0x19}};
inline constexpr IID kLibraryCollectionId = {
    0x5E7A1C43, 0x93D1, 0x4B6E, {0x8F, 0x21, 0x6C, 0x0D, 0x3A, 0x77, 0xB4, 0x19}};

inline bool SameId(const IID& a, const IID& b) noexcept {
  return std::memcmp(&a, &b, sizeof(IID)) == 0;
}

inline Guid ToGuid(const IID& id) noexcept {
  Guid guid{id.Data1, id.Data2, id.Data3, {}};
  std::memcpy(guid.data4.data(), id.Data4, sizeof id.Data4);
  return guid;
}

inline IID ToIid(const Guid& guid) noexcept {
  IID id{guid.data1, guid.data2, guid.data3, {}};
  std::memcpy(id.Data4, guid.data4.data(), sizeof id.Data4);
  return id;
}

// What `unknown` answers for the private identity `id` (one reference, which the caller releases),
// or nullptr. Only the object's QueryInterface is called: nothing of a host's object is read.
inline void* QueryPrivate(IUnknown* unknown, const IID& id) {
  void* answer = nullptr;
  if (unknown == nullptr || unknown->lpVtbl->QueryInterface(unknown, &id, &answer) != S_OK) return nullptr;
  return answer;
}

}  // namespace tessera::frame
