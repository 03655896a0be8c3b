// Parses any bytes as a profile file, reads every section and key it finds, and applies each
// edit; an edit must keep the bytes before the section it touches and read back what it wrote.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tessera/platform/profile/ini_document.hpp"

using tessera::platform::IniDocument;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size > 65536) return 0;
  const IniDocument ini(std::string(reinterpret_cast<const char*>(data), size));
  for (const auto& section : ini.SectionNames()) {
    for (const auto& key : ini.KeyNames(section)) {
      if (!ini.Value(section, key)) std::abort();  // a listed key must be found
    }
    (void)ini.SectionLines(section);
    (void)ini.WithoutSection(section);
    (void)ini.WithSectionLines(section, {"k=v"});
  }
  const IniDocument edited(ini.WithValue("Fuzz", "Key", "Wert"));
  if (ini.HasSection("Fuzz") == false && edited.Value("Fuzz", "Key") != "Wert") std::abort();
  return 0;
}
