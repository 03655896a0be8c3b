// Undo and redo of the placement changes of each floor: what its section of "Raster.ini" held
// before a change is kept, and written back through GTool's section members, so that an undone
// change leaves the file as it was (values, order and notation), however the change wrote it.
//
// Each floor keeps its own history while the viewer runs; switching floors keeps it. A section
// that did not exist comes back as the five raster keys with empty values, as ClearIni leaves
// them: the factories find no plan there.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "floor_list.hpp"

namespace tessera::viewer {

class PlacementHistory {
 public:
  // Steps kept per floor and direction; the oldest go first.
  static constexpr std::size_t kDepth = 100;

  explicit PlacementHistory(std::string raster_dir) : raster_dir_(std::move(raster_dir)) {}

  // Notes the section of `entry` before a change, and Commit records it as a step when the
  // change altered the section (a cancelled or failed change is no step). True when recorded.
  void Begin(const FloorEntry& entry);
  bool Commit();

  bool CanUndo(const FloorEntry& entry) const;
  bool CanRedo(const FloorEntry& entry) const;
  // Writes the section back as it was before the last step (after the last undone step); false
  // when there is nothing to do or the file did not take it, which the library has reported.
  bool Undo(const FloorEntry& entry);
  bool Redo(const FloorEntry& entry);

 private:
  using Lines = std::vector<std::string>;
  struct Steps {
    std::vector<Lines> undo;
    std::vector<Lines> redo;
  };

  std::optional<Lines> Read(const FloorEntry& entry) const;
  bool Write(const FloorEntry& entry, const Lines& lines) const;
  bool Step(const FloorEntry& entry, std::vector<Lines>& from, std::vector<Lines>& to);

  std::string raster_dir_;
  std::map<std::string, Steps> floors_;  // by section name
  std::optional<std::pair<FloorEntry, Lines>> pending_;
};

}  // namespace tessera::viewer
