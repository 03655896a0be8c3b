#include "tessera/frame/companions/resbank/resbank_strings.hpp"

#include <dlfcn.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

#include "tessera/platform/locale/user_locale.hpp"
#include "tessera/platform/runtime/error.hpp"
#include "tessera/platform/runtime/host_path.hpp"

#ifndef TESSERA_RESBANK_DATADIR
#define TESSERA_RESBANK_DATADIR "/usr/local/share/tessera"
#endif
#ifndef TESSERA_RESBANK_FROM_LIBDIR
#define TESSERA_RESBANK_FROM_LIBDIR "../share/tessera"
#endif
#ifndef TESSERA_RESBANK_FROM_BINDIR
#define TESSERA_RESBANK_FROM_BINDIR "../share/tessera"
#endif

namespace resbank {

namespace {

// The directory of the binary this code is linked into: libtessera.so for a host, the tool itself
// for `tessera`.
std::filesystem::path OwnDirectory() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&OwnDirectory), &info) == 0 || info.dli_fname == nullptr) return {};
  std::error_code ignored;
  return std::filesystem::canonical(info.dli_fname, ignored).parent_path();
}

std::vector<std::filesystem::path> SearchDirectories(const std::filesystem::path& named_directory) {
  std::vector<std::filesystem::path> directories;
  if (!named_directory.empty()) directories.push_back(named_directory);
  if (const char* list = std::getenv("TESSERA_RESBANK_PATH")) {
    std::string_view rest(list);
    while (!rest.empty()) {
      const auto colon = rest.find(':');
      if (colon != 0) directories.emplace_back(rest.substr(0, colon));
      if (colon == std::string_view::npos) break;
      rest.remove_prefix(colon + 1);
    }
  }
  // Beside the binary in the build tree, then the share directory of the prefix it is installed in.
  const std::filesystem::path own = OwnDirectory();
  directories.push_back(own);
  directories.push_back((own / TESSERA_RESBANK_FROM_LIBDIR).lexically_normal());
  directories.push_back((own / TESSERA_RESBANK_FROM_BINDIR).lexically_normal());
  directories.emplace_back(TESSERA_RESBANK_DATADIR);
  return directories;
}

// "Resbank.de-AT.txt" then "Resbank.de.txt" for the locale de-AT.
std::vector<std::string> CandidateNames(const std::string& stem) {
  const std::string locale = tessera::platform::UserLocale().name;
  std::vector<std::string> names{stem + "." + locale + ".txt"};
  const auto dash = locale.find('-');
  if (dash != std::string::npos) names.push_back(stem + "." + locale.substr(0, dash) + ".txt");
  return names;
}

std::optional<std::filesystem::path> FindCatalogue(std::string_view file_name) {
  const std::filesystem::path named = tessera::platform::ToHostPath(file_name);
  const std::vector<std::string> names = CandidateNames(named.stem().string());
  for (const auto& directory : SearchDirectories(named.parent_path())) {
    for (const auto& name : names) {
      std::error_code ignored;
      if (std::filesystem::is_regular_file(directory / name, ignored)) return directory / name;
    }
  }
  return std::nullopt;
}

std::string ReadCatalogue(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad() || !in.is_open()) {
    throw tessera::platform::RuntimeError(tessera::platform::err::kInvalidProcedureCall, "Resbank",
                                          file.string() + ": cannot be read");
  }
  return content;
}

}  // namespace

void ResbankStrings::Attach(std::string_view file_name) {
  const auto found = FindCatalogue(file_name);
  if (!found) {
    catalogue_.clear();
    texts_.clear();
    return;
  }
  texts_ = ParseCatalogue(ReadCatalogue(*found), found->string());
  catalogue_ = *found;
}

std::string ResbankStrings::GetText(int32_t id) const {
  const auto found = texts_.find(id);
  return found == texts_.end() ? std::string() : found->second;
}

}  // namespace resbank
