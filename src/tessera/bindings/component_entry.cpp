#include "tessera/bindings/component_entry.hpp"

#include <dlfcn.h>

#include <new>

#include "tessera/bindings/class_bindings.hpp"
#include "tessera/bindings/companion_dispatch.hpp"
#include "tessera/frame/component/class_factory.hpp"
#include "tessera/frame/component/com_abi.h"
#include "tessera/frame/component/com_ids.hpp"
#include "tessera/frame/component/com_object.hpp"
#include "tessera/frame/component/module_usage.hpp"
#include "tessera/frame/component/registry.hpp"

namespace tessera {

namespace {

// A change of the default registry as the entry points answer it.
template <typename Change>
HRESULT SelfRegistration(Change&& change) {
  try {
    change(frame::DefaultRegistryPath());
    return S_OK;
  } catch (...) {
    return SELFREG_E_CLASS;
  }
}

// Only classes that are built can be served, so only those are registered.
std::vector<const frame::ClassInfo*> RegisteredClasses() {
  std::vector<const frame::ClassInfo*> classes;
  for (const ClassBinding& binding : ClassBindings()) classes.push_back(&binding.info);
  return classes;
}

std::vector<std::string> ProgIds(const std::vector<const frame::ClassInfo*>& classes) {
  std::vector<std::string> names;
  for (const frame::ClassInfo* info : classes) names.push_back(frame::ProgId(*info));
  return names;
}

const ClassBinding* ServedBinding(const CLSID& class_id) {
  const frame::ClassInfo* info = frame::FindClass(frame::ToGuid(class_id));
  return info == nullptr ? nullptr : FindClassBinding(info->name);
}

}  // namespace

const frame::ServedClass* ServedClassOf(const platform::Object& object) {
  const ClassBinding* binding = FindClassBinding(object.TypeName());
  return binding == nullptr ? CompanionServedClass(object) : &binding->served;
}

std::filesystem::path ServerFile() {
  Dl_info where{};
  if (dladdr(reinterpret_cast<const void*>(&DllGetClassObject), &where) == 0 || where.dli_fname == nullptr)
    return {};
  return std::filesystem::absolute(where.dli_fname);
}

std::vector<std::string> RegisterServer(const std::filesystem::path& registry,
                                        const std::filesystem::path& server) {
  const auto classes = RegisteredClasses();
  frame::RegisterLibrary(registry, classes, server);
  return ProgIds(classes);
}

std::vector<std::string> UnregisterServer(const std::filesystem::path& registry) {
  const auto classes = RegisteredClasses();
  frame::UnregisterLibrary(registry, classes);
  return ProgIds(classes);
}

}  // namespace tessera

extern "C" {

HRESULT DllRegisterServer(void) {
  return tessera::SelfRegistration([](const std::filesystem::path& registry) {
    tessera::RegisterServer(registry, tessera::ServerFile());
  });
}

HRESULT DllUnregisterServer(void) {
  return tessera::SelfRegistration(tessera::UnregisterServer);
}

HRESULT DllGetClassObject(const CLSID* class_id, const IID* id, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (class_id == nullptr || id == nullptr) return E_INVALIDARG;
  const tessera::ClassBinding* binding = tessera::ServedBinding(*class_id);
  if (binding == nullptr) return CLASS_E_CLASSNOTAVAILABLE;
  return tessera::frame::AnswerUnlessOutOfMemory([&] {
    IClassFactory* factory =
        tessera::frame::NewClassFactory({binding->create, &binding->served, tessera::ServedClassOf});
    const HRESULT answer = factory->lpVtbl->QueryInterface(factory, id, object);
    factory->lpVtbl->Release(factory);
    return answer;
  });
}

HRESULT DllCanUnloadNow(void) {
  return tessera::frame::ModuleInUse() ? S_FALSE : S_OK;
}

}  // extern "C"
