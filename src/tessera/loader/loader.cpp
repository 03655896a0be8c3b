#include "tessera/loader/loader.hpp"

#include <dlfcn.h>

#include <cstdio>
#include <map>
#include <mutex>

#include "tessera/frame/catalogue/catalogue.hpp"
#include "tessera/frame/component/com_ids.hpp"
#include "tessera/frame/component/registry.hpp"

namespace tessera::loader {

namespace {

namespace fs = std::filesystem;

using GetClassObject = HRESULT (*)(const CLSID*, const IID*, void**);
using PlainEntry = HRESULT (*)();

std::mutex servers_guard;
std::map<fs::path, void*> open_servers;  // guarded by servers_guard

std::string Hex(HRESULT code) {
  char text[11];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(code));
  return text;
}

frame::Guid ClassIdOf(std::string_view name, const fs::path& registry) {
  if (auto id = frame::ParseGuid(name)) return *id;
  if (auto id = frame::RegisteredClassId(registry, name)) return *id;
  throw ComponentError(REGDB_E_CLASSNOTREG, std::string(name) + " is not registered in " + registry.string());
}

void* Open(const fs::path& server) {
  void* handle = dlopen(server.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* reason = dlerror();
    throw ComponentError(E_FAIL,
                         "cannot open " + server.string() + ": " + (reason ? reason : "unknown reason"));
  }
  return handle;
}

template <typename Function>
Function EntryPoint(void* handle, const char* name, const fs::path& server) {
  void* entry = dlsym(handle, name);
  if (entry == nullptr) throw ComponentError(E_FAIL, server.string() + " has no " + name);
  return reinterpret_cast<Function>(entry);
}

// The server, opened once and kept open for later objects. A library without the entry points of
// a server is closed again at once: nothing of it can be in use.
void* OpenServer(const fs::path& server) {
  std::lock_guard lock(servers_guard);
  auto& handle = open_servers[server];
  if (handle == nullptr) {
    try {
      handle = Open(server);
      for (const char* entry : {"DllGetClassObject", "DllCanUnloadNow"})
        EntryPoint<void*>(handle, entry, server);
    } catch (...) {
      if (handle != nullptr) dlclose(handle);
      open_servers.erase(server);
      throw;
    }
  }
  return handle;
}

void Check(HRESULT answer, const std::string& doing) {
  if (answer < 0) throw ComponentError(answer, doing + " failed with " + Hex(answer));
}

// A success that hands back no interface is an error too: the caller would go on with nothing.
void CheckHandedBack(HRESULT answer, const void* handed_back, const std::string& doing) {
  Check(answer, doing);
  if (handed_back == nullptr)
    throw ComponentError(E_POINTER, doing + " answered " + Hex(answer) + " without an interface");
}

void RunOnce(const fs::path& server, const char* entry_name) {
  void* handle = Open(server);
  try {
    Check(EntryPoint<PlainEntry>(handle, entry_name, server)(),
          std::string(entry_name) + " of " + server.string());
  } catch (...) {
    dlclose(handle);
    throw;
  }
  dlclose(handle);
}

}  // namespace

fs::path DefaultRegistry() {
  return frame::DefaultRegistryPath();
}

IDispatch* CreateObject(std::string_view name, const fs::path& registry) {
  const frame::Guid class_id = ClassIdOf(name, registry);
  const auto server = frame::RegisteredServer(registry, class_id);
  if (!server) {
    throw ComponentError(REGDB_E_CLASSNOTREG,
                         frame::ToString(class_id) + " has no server registered in " + registry.string());
  }
  const auto get_class_object = EntryPoint<GetClassObject>(OpenServer(*server), "DllGetClassObject", *server);
  const CLSID clsid = frame::ToIid(class_id);
  IClassFactory* factory = nullptr;
  const HRESULT got = get_class_object(&clsid, &IID_IClassFactory, reinterpret_cast<void**>(&factory));
  CheckHandedBack(got, factory, "DllGetClassObject for " + std::string(name));
  IDispatch* object = nullptr;
  const HRESULT made =
      factory->lpVtbl->CreateInstance(factory, nullptr, &IID_IDispatch, reinterpret_cast<void**>(&object));
  factory->lpVtbl->Release(factory);
  CheckHandedBack(made, object, "creating " + std::string(name));
  return object;
}

void RegisterServer(const fs::path& server) {
  RunOnce(server, "DllRegisterServer");
}

void UnregisterServer(const fs::path& server) {
  RunOnce(server, "DllUnregisterServer");
}

std::size_t FreeUnusedLibraries() {
  std::lock_guard lock(servers_guard);
  std::size_t closed = 0;
  for (auto it = open_servers.begin(); it != open_servers.end();) {
    const auto can_unload = reinterpret_cast<PlainEntry>(dlsym(it->second, "DllCanUnloadNow"));
    if (can_unload != nullptr && can_unload() == S_OK) {
      dlclose(it->second);
      it = open_servers.erase(it);
      ++closed;
    } else {
      ++it;
    }
  }
  return closed;
}

std::size_t OpenServers() {
  std::lock_guard lock(servers_guard);
  return open_servers.size();
}

}  // namespace tessera::loader
