#include "server_library.hpp"

#include <dlfcn.h>
#include <link.h>

#include <cstddef>
#include <string>
#include <vector>

#include "tessera/platform/runtime/error.hpp"

namespace tessera::cli {

namespace {

// The directories the dynamic loader searches for this program's libraries (its run path among
// them, $ORIGIN expanded). dlopen alone would do the same, but under a sanitizer the call reaches
// the loader from the sanitizer's runtime, whose run path is not ours.
std::vector<std::string> SearchDirectories() {
  void* program = dlopen(nullptr, RTLD_NOW);
  Dl_serinfo size{};
  if (program == nullptr || dlinfo(program, RTLD_DI_SERINFOSIZE, &size) != 0) return {};
  std::vector<std::max_align_t> storage(size.dls_size / sizeof(std::max_align_t) + 1);
  auto* info = reinterpret_cast<Dl_serinfo*>(storage.data());
  *info = size;
  if (dlinfo(program, RTLD_DI_SERINFO, info) != 0) return {};
  std::vector<std::string> directories;
  for (unsigned i = 0; i < info->dls_cnt; ++i) directories.emplace_back(info->dls_serpath[i].dls_name);
  return directories;
}

void* LoadServer() {
  if (void* library = dlopen(TESSERA_SERVER_NAME, RTLD_NOW | RTLD_LOCAL)) return library;
  for (const std::string& directory : SearchDirectories()) {
    const std::string file = directory + "/" TESSERA_SERVER_NAME;
    if (void* library = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL)) return library;
  }
  return nullptr;
}

}  // namespace

std::filesystem::path ServerLibraryFile() {
  // The tool carries the library's code itself; the server a host loads is the shared library,
  // so that is what gets registered. It stays loaded for the rest of the run.
  void* library = LoadServer();
  if (library == nullptr) platform::Raise(platform::err::kFileNotFound, TESSERA_SERVER_NAME " was not found");
  void* entry = dlsym(library, "DllGetClassObject");
  Dl_info where{};
  if (entry == nullptr || dladdr(entry, &where) == 0 || where.dli_fname == nullptr)
    platform::Raise(platform::err::kFileNotFound, TESSERA_SERVER_NAME " is no component server");
  return std::filesystem::absolute(where.dli_fname);
}

}  // namespace tessera::cli
