// The floors and levels of the second kind that a raster directory's "Raster.ini" holds, and
// their raster backgrounds as the host gets them.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tessera/raster/raster_background.hpp"

namespace tessera::viewer {

struct FloorEntry {
  bool second_kind = false;  // a level of the second kind, section "So<id>"
  int32_t id = 0;

  std::string Label() const;
  bool operator==(const FloorEntry&) const = default;
};

// The entry a section name stands for: "5", "-2", "So12"; nullopt for any other section.
std::optional<FloorEntry> EntryOfSection(std::string_view section);

// Every floor and level section of `raster_dir`'s "Raster.ini", in the file's order; none when
// the file is missing.
std::vector<FloorEntry> ListFloors(const std::string& raster_dir);

// The raster the factory makes from the entry's section, nullptr when it holds none (the factory
// has reported why, where there is something to report).
std::shared_ptr<RasterBackground> OpenRaster(const FloorEntry& entry, int32_t height,
                                             const std::string& raster_dir);

// The placement's factor (world units per raster pixel) that the entry's section stores; 1 when
// it holds none that reads as a positive number.
double StoredFactor(const FloorEntry& entry, const std::string& raster_dir);

// The plan file the entry's section names, in the user's notation and joined to `raster_dir` when
// relative; "" when it names none.
std::string StoredPlanFile(const FloorEntry& entry, const std::string& raster_dir);

// A raster object of the entry's kind without a plan, for loading one.
std::shared_ptr<RasterBackground> NewRaster(const FloorEntry& entry);

}  // namespace tessera::viewer
