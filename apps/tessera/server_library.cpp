#include "server_library.hpp"

#include <dlfcn.h>

#include "tessera/platform/runtime/error.hpp"

namespace tessera::cli {

std::filesystem::path ServerLibraryFile() {
  // The tool carries the library's code itself; the server a host loads is the shared library,
  // so that is what gets registered. It stays loaded for the rest of the run.
  void* library = dlopen(TESSERA_SERVER_NAME, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) platform::Raise(platform::err::kFileNotFound, dlerror());
  void* entry = dlsym(library, "DllGetClassObject");
  Dl_info where{};
  if (entry == nullptr || dladdr(entry, &where) == 0 || where.dli_fname == nullptr)
    platform::Raise(platform::err::kFileNotFound, TESSERA_SERVER_NAME " is no component server");
  return std::filesystem::absolute(where.dli_fname);
}

}  // namespace tessera::cli
