// Binds the shared resource reader to a catalogue of the test's own for the life of the object.
#pragma once

#include <fstream>
#include <string>

#include "support/temp_dir.hpp"
#include "tessera/frame/shared/shared_objects.hpp"

namespace tessera::testing {

class ResbankCatalogue {
 public:
  // `lines` in the catalogue format ("1258 = dd.mm.yyyy\n"), for every language.
  explicit ResbankCatalogue(const std::string& lines) {
    for (const char* language : {"de", "en"}) {
      std::ofstream(dir_.File(std::string("Resbank.") + language + ".txt")) << lines;
    }
    frame::EnsureSharedResbankStrings().Attach(dir_.File("Resbank.dll"));
  }
  ~ResbankCatalogue() { frame::ReleaseSharedObjects(); }
  ResbankCatalogue(const ResbankCatalogue&) = delete;
  ResbankCatalogue& operator=(const ResbankCatalogue&) = delete;

 private:
  TempDir dir_;
};

}  // namespace tessera::testing
