#include "tessera/frame/component/registry.hpp"

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "tessera/platform/profile/profile.hpp"
#include "tessera/platform/runtime/error.hpp"
#include "tessera/platform/runtime/host_path.hpp"

namespace tessera::frame {

namespace {

namespace fs = std::filesystem;

// Library paths are long on some hosts; a value that fills this buffer is taken as cut off.
constexpr uint32_t kValueBuffer = 32768;

struct Entry {
  std::string section;
  std::string key;
  std::string value;
};

std::string TypeLibSection() {
  return "TypeLib\\" + ToString(kLibraryId);
}
std::string ClassSection(const Guid& class_id) {
  return "CLSID\\" + ToString(class_id);
}
std::string ProgIdSection(std::string_view prog_id) {
  return "ProgID\\" + std::string(prog_id);
}

// Every key RegisterLibrary writes, with its value.
std::vector<Entry> Entries(std::span<const ClassInfo* const> classes, const std::string& library) {
  const std::string version =
      std::to_string(kLibraryMajorVersion) + "." + std::to_string(kLibraryMinorVersion);
  std::vector<Entry> entries{{TypeLibSection(), "Version", version},
                             {TypeLibSection(), "Description", std::string(kLibraryDescription)},
                             {TypeLibSection(), "Library", library}};
  for (const ClassInfo* info : classes) {
    const std::string clsid = ToString(info->class_id);
    entries.push_back({ClassSection(info->class_id), "Class", std::string(info->name)});
    entries.push_back({ClassSection(info->class_id), "ProgID", ProgId(*info)});
    entries.push_back({ClassSection(info->class_id), "InprocServer", library});
    entries.push_back({ClassSection(info->class_id), "TypeLib", ToString(kLibraryId)});
    entries.push_back({ProgIdSection(ProgId(*info)), "CLSID", clsid});
  }
  return entries;
}

std::string ProfileFile(const fs::path& registry) {
  return platform::ToLibraryPath(registry);
}

std::optional<std::string> ReadValue(const fs::path& registry, const std::string& section, const char* key) {
  std::string buffer(kValueBuffer, '\0');
  const uint32_t length = platform::GetPrivateProfileStringA(section.c_str(), key, "", buffer.data(),
                                                             kValueBuffer, ProfileFile(registry).c_str());
  if (length == 0 || length >= kValueBuffer - 1) return std::nullopt;
  buffer.resize(length);
  return buffer;
}

// Three bytes are the least in which a cut key list still shows a first character.
bool SectionIsEmpty(const fs::path& registry, const std::string& section) {
  char keys[3] = {};
  return platform::GetPrivateProfileStringA(section.c_str(), nullptr, "", keys, sizeof keys,
                                            ProfileFile(registry).c_str()) == 0;
}

}  // namespace

fs::path DefaultRegistryPath() {
  if (const char* explicit_file = std::getenv("TESSERA_REGISTRY"); explicit_file != nullptr && *explicit_file)
    return explicit_file;
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config)
    return fs::path(config) / "tessera" / "registry.ini";
  const char* home = std::getenv("HOME");
  return fs::path(home != nullptr ? home : "") / ".config" / "tessera" / "registry.ini";
}

void RegisterLibrary(const fs::path& registry, std::span<const ClassInfo* const> classes,
                     const fs::path& library_file) {
  std::error_code error;
  if (registry.has_parent_path()) fs::create_directories(registry.parent_path(), error);
  const std::string file = ProfileFile(registry);
  for (const Entry& entry : Entries(classes, library_file.string())) {
    platform::WritePrivateProfileStringA(entry.section.c_str(), entry.key.c_str(), entry.value.c_str(),
                                         file.c_str());
  }
}

void UnregisterLibrary(const fs::path& registry, std::span<const ClassInfo* const> classes) {
  if (!fs::exists(registry)) return;
  const std::string file = ProfileFile(registry);
  std::vector<std::string> sections;
  for (const Entry& entry : Entries(classes, "")) {
    platform::WritePrivateProfileStringA(entry.section.c_str(), entry.key.c_str(), nullptr, file.c_str());
    if (sections.empty() || sections.back() != entry.section) sections.push_back(entry.section);
  }
  for (const std::string& section : sections) {
    if (SectionIsEmpty(registry, section))
      platform::WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, file.c_str());
  }
}

std::optional<Guid> RegisteredClassId(const fs::path& registry, std::string_view prog_id) {
  const auto text = ReadValue(registry, ProgIdSection(prog_id), "CLSID");
  return text ? ParseGuid(*text) : std::nullopt;
}

std::optional<fs::path> RegisteredServer(const fs::path& registry, const Guid& class_id) {
  const auto text = ReadValue(registry, ClassSection(class_id), "InprocServer");
  if (!text) return std::nullopt;
  return fs::path(*text);
}

}  // namespace tessera::frame
