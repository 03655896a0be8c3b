// The component registry: an INI file in which the library records its type library and classes,
// and through which a host's loader finds the file that serves a class.
//
//   [TypeLib\{library id}]     Version, Description, Library
//   [CLSID\{class id}]         Class, ProgID, InprocServer, TypeLib
//   [ProgID\Tessera.GTool]     CLSID
//
// The file is written through the profile layer; its values are UTF-8, so that any library path
// is kept as it is. Unregistering removes exactly the keys registering wrote, and a section only
// when nothing else is left in it.
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string_view>

#include "tessera/frame/catalogue/catalogue.hpp"

namespace tessera::frame {

// $TESSERA_REGISTRY, else $XDG_CONFIG_HOME/tessera/registry.ini, else ~/.config/tessera/registry.ini.
std::filesystem::path DefaultRegistryPath();

// Records the type library and, for each class, its identity, its registered name and
// `library_file` as its in-process server. Creates the registry's directory as needed; raises
// the profile layer's errors when the file cannot be written.
void RegisterLibrary(const std::filesystem::path& registry, std::span<const ClassInfo* const> classes,
                     const std::filesystem::path& library_file);

// Removes what RegisterLibrary wrote for these classes; other entries stay as they are.
void UnregisterLibrary(const std::filesystem::path& registry, std::span<const ClassInfo* const> classes);

// The class identity registered under `prog_id` ("Tessera.GTool"), or nullopt.
std::optional<Guid> RegisteredClassId(const std::filesystem::path& registry, std::string_view prog_id);

// The in-process server registered for `class_id`, or nullopt.
std::optional<std::filesystem::path> RegisteredServer(const std::filesystem::path& registry,
                                                      const Guid& class_id);

}  // namespace tessera::frame
