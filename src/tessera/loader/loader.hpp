// The host side of the component route: objects of a registered in-process server, created by
// name ("Tessera.GTool") or by class identity ("{...}") and handed back as dispatch interfaces.
//
//   IDispatch* tool = tessera::loader::CreateObject("Tessera.GTool");
//   ... tool->lpVtbl->GetIDsOfNames / Invoke ...
//   tool->lpVtbl->Release(tool);
//   tessera::loader::FreeUnusedLibraries();
//
// Servers stay loaded once opened, as the component runtime keeps them, until
// FreeUnusedLibraries finds that a server has nothing left in use. Thread-safe.
#pragma once

#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include "tessera/frame/component/com_abi.h"

namespace tessera::loader {

// A step of creation that failed: its HRESULT and what was being done.
class ComponentError : public std::runtime_error {
 public:
  ComponentError(HRESULT code, const std::string& what) : std::runtime_error(what), code_(code) {}
  HRESULT code() const noexcept { return code_; }

 private:
  HRESULT code_;
};

// $TESSERA_REGISTRY, else $XDG_CONFIG_HOME/tessera/registry.ini, else ~/.config/tessera/registry.ini.
std::filesystem::path DefaultRegistry();

// A new object of the class `name` names (a registered name or a class identity in braces),
// served by the file the registry names for it; one reference for the caller. Raises
// ComponentError: REGDB_E_CLASSNOTREG when the registry does not know the class, E_FAIL when the
// server cannot be opened or lacks DllGetClassObject or DllCanUnloadNow (such a library is closed
// again), E_POINTER when the server answers success without a class factory or an object, else
// the server's own answer.
IDispatch* CreateObject(std::string_view name, const std::filesystem::path& registry = DefaultRegistry());

// Opens `server`, runs its DllRegisterServer or DllUnregisterServer and closes it again, as a
// host's installer does. The server writes the registry it is configured for ($TESSERA_REGISTRY ...).
void RegisterServer(const std::filesystem::path& server);
void UnregisterServer(const std::filesystem::path& server);

// Closes every opened server whose DllCanUnloadNow answers S_OK; answers how many were closed.
std::size_t FreeUnusedLibraries();

// How many servers are open.
std::size_t OpenServers();

}  // namespace tessera::loader
