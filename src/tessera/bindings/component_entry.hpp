// The library as an in-process component server: what its four exported entry points
// (DllRegisterServer, DllUnregisterServer, DllGetClassObject, DllCanUnloadNow) do, for callers
// that want the run-time error rather than an HRESULT.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tessera/frame/component/served_class.hpp"

namespace tessera {

// How an object leaves the library: served as its class or as a companion; nullptr for any other
// (collections the component route serves itself).
const frame::ServedClass* ServedClassOf(const platform::Object& object);

// The file this library was loaded from, as the dynamic loader names it, made absolute.
std::filesystem::path ServerFile();

// Registers every class that can be created into `registry` with `server` (the library file) as
// their server, and answers their registered names. Raises the profile layer's errors.
std::vector<std::string> RegisterServer(const std::filesystem::path& registry,
                                        const std::filesystem::path& server);

// Removes what RegisterServer wrote from `registry`; answers the names removed.
std::vector<std::string> UnregisterServer(const std::filesystem::path& registry);

}  // namespace tessera
