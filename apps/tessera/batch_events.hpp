// The batch's side of the events: the events a request raised, in order, and what the script's
// host answers when a raster asks it for its control and transformation.
//
// A raster is watched from the moment the script names it; the dialog it opens reports its own
// events to its owner under "<name>.dialog", each before the owner handles it.
#pragma once

#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "tessera/platform/ui/form.hpp"
#include "tessera/raster/raster_background.hpp"

namespace tessera::cli {

class EventLog : public platform::FormObserver {
 public:
  using Json = nlohmann::ordered_json;

  void EventRaised(const platform::Form& form, std::string_view event,
                   const platform::EventArgs& args) override;
  void Record(const std::string& source, std::string_view event, Json args);

  // Starts a new list of events and answers the one it replaces.
  Json Exchange(Json events) { return std::exchange(events_, std::move(events)); }

  // Watches `raster` under `name`; a raster watched already keeps its first name.
  void Watch(const std::shared_ptr<RasterBackground>& raster, const std::string& name);
  // From now on `raster`'s GetPbAndTrans is answered with this control and transformation.
  void AnswerGetPbAndTrans(const std::shared_ptr<RasterBackground>& raster, platform::ObjectRef control,
                           std::shared_ptr<mensura::MensTrans> trans);
  // Forgets every answer, so that an answer that is the asking raster itself does not keep it.
  void DropAnswers();

 private:
  class RasterSink;

  // "r.dialog" for the dialog of the raster watched as "r"; a dialog whose owner is going away
  // keeps the name it had while the owner lived.
  std::string DialogName(const platform::Form& form);

  Json events_ = Json::array();
  std::map<const platform::Form*, std::string> dialog_names_;
  // By owner, so that a raster made where a dropped one lived is not taken for it.
  std::map<std::weak_ptr<RasterBackground>, std::shared_ptr<RasterSink>, std::owner_less<>> sinks_;
};

}  // namespace tessera::cli
