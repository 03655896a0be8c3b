// Identities across the component ABI: the catalogue's Guid and the ABI's GUID, field by field.
#pragma once

#include <cstring>

#include "tessera/frame/catalogue/guid.hpp"
#include "tessera/frame/component/com_abi.h"

namespace tessera::frame {

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

}  // namespace tessera::frame
