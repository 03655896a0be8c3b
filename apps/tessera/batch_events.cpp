#include "batch_events.hpp"

#include "json_values.hpp"

namespace tessera::cli {

class EventLog::RasterSink : public RasterEvents {
 public:
  RasterSink(EventLog& log, std::string name) : log_(log), name_(std::move(name)) {}

  const std::string& name() const { return name_; }

  void TransChanged() override { log_.Record(name_, "TransChanged", Json::object()); }
  void TransEnd(bool bSaved) override { log_.Record(name_, "TransEnd", {{"bSaved", bSaved}}); }
  void GetPbAndTrans(platform::ObjectRef& PictBox, std::shared_ptr<mensura::MensTrans>& Trans) override {
    log_.Record(name_, "GetPbAndTrans", Json::object());
    PictBox = control_;
    Trans = trans_;
  }

  void Answer(platform::ObjectRef control, std::shared_ptr<mensura::MensTrans> trans) {
    control_ = std::move(control);
    trans_ = std::move(trans);
  }

 private:
  EventLog& log_;
  std::string name_;
  platform::ObjectRef control_;
  std::shared_ptr<mensura::MensTrans> trans_;
};

void EventLog::EventRaised(const platform::Form& form, std::string_view event,
                           const platform::EventArgs& args) {
  Json values = Json::object();
  for (const auto& [name, value] : args) values[name] = ToJson(value);
  Record(DialogName(form), event, std::move(values));
}

std::string EventLog::DialogName(const platform::Form& form) {
  for (const auto& [watched, sink] : sinks_) {
    const auto raster = watched.lock();
    if (raster && raster->TransDialog() && &raster->TransDialog()->form == &form) {
      return dialog_names_[&form] = sink->name() + ".dialog";
    }
  }
  return dialog_names_[&form];
}

void EventLog::Record(const std::string& source, std::string_view event, Json args) {
  events_.push_back({{"source", source}, {"event", event}, {"args", std::move(args)}});
}

void EventLog::Watch(const std::shared_ptr<RasterBackground>& raster, const std::string& name) {
  if (sinks_.contains(raster)) return;
  auto sink = std::make_shared<RasterSink>(*this, name);
  raster->events().Attach(sink);
  sinks_.emplace(raster, std::move(sink));
}

void EventLog::AnswerGetPbAndTrans(const std::shared_ptr<RasterBackground>& raster,
                                   platform::ObjectRef control, std::shared_ptr<mensura::MensTrans> trans) {
  const auto found = sinks_.find(raster);
  if (found == sinks_.end()) platform::Raise(platform::err::kObjectRequired, "The raster is not named");
  found->second->Answer(std::move(control), std::move(trans));
}

void EventLog::DropAnswers() {
  for (const auto& [raster, sink] : sinks_) sink->Answer(nullptr, nullptr);
}

}  // namespace tessera::cli
