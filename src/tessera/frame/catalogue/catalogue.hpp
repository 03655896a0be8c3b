// The catalogue of the library's public classes: names, instancing, interfaces and identities.
//
// The entries are fixed data in the order of the type library; nothing here creates objects (the
// class bindings do that). The identities were chosen once and must never change: hosts keep them
// in their registries and in compiled code.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "tessera/frame/catalogue/guid.hpp"

namespace tessera::frame {

// The library as the type library names it.
inline constexpr std::string_view kLibraryName = "Tessera";
inline constexpr std::string_view kLibraryDescription = "Talmo - Tools Bibliothek";
inline constexpr Guid kLibraryId = "{D535301D-DDCB-4262-AC5A-49815CF5A99E}"_guid;
inline constexpr int kLibraryMajorVersion = 1;
inline constexpr int kLibraryMinorVersion = 0;

enum class Instancing {
  kCreatable,  // the host creates any number of independent objects
  kGlobal,     // also callable through one implicit instance without creating an object
};

struct ClassInfo {
  std::string_view name;  // "GTool"
  Instancing instancing;
  std::string_view default_interface;  // "_GTool"
  std::string_view events_interface;   // "__CRasterBgrd", or "" for a class without events
  Guid class_id;
  Guid interface_id;
  std::optional<Guid> events_id;

  bool IsGlobal() const { return instancing == Instancing::kGlobal; }
};

// The nine public classes in type-library order.
std::span<const ClassInfo> PublicClasses();

// The class with this name, compared without regard to case; "Tessera.GTool" names GTool too.
// nullptr when there is none.
const ClassInfo* FindClass(std::string_view name);
const ClassInfo* FindClass(const Guid& class_id);

// "Tessera.GTool": the name under which the class is registered.
std::string ProgId(const ClassInfo& info);

}  // namespace tessera::frame
