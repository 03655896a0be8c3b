#include "placement_history.hpp"

#include <memory>

#include "tessera/platform/runtime/collection.hpp"
#include "tessera/raster/raster_settings.hpp"
#include "tessera/tool/gtool.hpp"

namespace tessera::viewer {
namespace {

std::string Section(const FloorEntry& entry) {
  return RasterSectionName(entry.second_kind ? kSecondKindPrefix : "", entry.id);
}

void Push(std::vector<std::vector<std::string>>& steps, std::vector<std::string> lines) {
  if (steps.size() == PlacementHistory::kDepth) steps.erase(steps.begin());
  steps.push_back(std::move(lines));
}

}  // namespace

// nullopt when the section cannot be read as lines (GTool has said why).
std::optional<PlacementHistory::Lines> PlacementHistory::Read(const FloorEntry& entry) const {
  auto section = std::make_shared<platform::Collection>();
  if (!SharedGTool().GetIniSection(RasterIniPath(raster_dir_), Section(entry), section)) return std::nullopt;
  Lines lines;
  for (int32_t i = 1; i <= section->Count(); ++i) lines.push_back(section->Item(i).AsString());
  return lines;
}

// True when the file holds `lines` afterwards: the profile calls report a failed write in a
// message box and return nothing.
bool PlacementHistory::Write(const FloorEntry& entry, const Lines& lines) const {
  Lines written = lines;
  if (written.empty())
    for (const std::string_view key : kRasterKeys) written.push_back(std::string(key) + "=");
  auto section = std::make_shared<platform::Collection>();
  for (const std::string& line : written) section->Add(platform::Variant(line));
  SharedGTool().WriteIniSection(RasterIniPath(raster_dir_), Section(entry), section);
  return Read(entry) == written;
}

void PlacementHistory::Begin(const FloorEntry& entry) {
  pending_.reset();
  if (auto lines = Read(entry)) pending_.emplace(entry, std::move(*lines));
}

bool PlacementHistory::Commit() {
  if (!pending_) return false;
  auto [entry, before] = std::move(*pending_);
  pending_.reset();
  if (Read(entry) == before) return false;
  Steps& steps = floors_[Section(entry)];
  Push(steps.undo, std::move(before));
  steps.redo.clear();
  return true;
}

bool PlacementHistory::CanUndo(const FloorEntry& entry) const {
  const auto found = floors_.find(Section(entry));
  return found != floors_.end() && !found->second.undo.empty();
}

bool PlacementHistory::CanRedo(const FloorEntry& entry) const {
  const auto found = floors_.find(Section(entry));
  return found != floors_.end() && !found->second.redo.empty();
}

// The step moves to the other stack only once the file holds it.
bool PlacementHistory::Step(const FloorEntry& entry, std::vector<Lines>& from, std::vector<Lines>& to) {
  if (from.empty()) return false;
  auto now = Read(entry);
  if (!now || !Write(entry, from.back())) return false;
  from.pop_back();
  Push(to, std::move(*now));
  return true;
}

bool PlacementHistory::Undo(const FloorEntry& entry) {
  Steps& steps = floors_[Section(entry)];
  return Step(entry, steps.undo, steps.redo);
}

bool PlacementHistory::Redo(const FloorEntry& entry) {
  Steps& steps = floors_[Section(entry)];
  return Step(entry, steps.redo, steps.undo);
}

}  // namespace tessera::viewer
