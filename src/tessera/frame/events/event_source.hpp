// The sinks attached to one object's events, and the raising of an event into each of them.
//
// An events interface is an abstract class whose events are virtual functions with empty
// defaults; a host derives from it, overrides what it wants and attaches its sink:
//
//   struct Watch : CRasterBgrdEvents { void TransChanged() override { repaint(); } };
//   const auto cookie = raster.events().Attach(std::make_shared<Watch>());
//
// Raising calls the sinks in the order they were attached. A by-reference argument reaches each
// sink as a reference, so what a sink stores in it is what the raiser and later sinks see. A
// sink's failure is the sink's own: it does not stop the other sinks and does not reach the
// raiser, as the host's event handlers do not report to the object that raised the event.
// A sink attached or detached while an event is raised takes part from the next event on.
#pragma once

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace tessera::frame {

template <typename Events>
class EventSource {
 public:
  using Cookie = uint32_t;  // never 0

  Cookie Attach(std::shared_ptr<Events> sink) {
    sinks_.emplace_back(next_cookie_, std::move(sink));
    return next_cookie_++;
  }

  // False when no sink is attached under `cookie`.
  bool Detach(Cookie cookie) {
    for (auto it = sinks_.begin(); it != sinks_.end(); ++it) {
      if (it->first != cookie) continue;
      sinks_.erase(it);
      return true;
    }
    return false;
  }

  std::size_t size() const noexcept { return sinks_.size(); }

  template <typename... Params, typename... Args>
  void Raise(void (Events::*event)(Params...), Args&&... args) const {
    const auto attached = sinks_;  // a sink may attach or detach sinks while it runs
    for (const auto& [cookie, sink] : attached) {
      try {
        (sink.get()->*event)(args...);
      } catch (...) {
      }
    }
  }

 private:
  std::vector<std::pair<Cookie, std::shared_ptr<Events>>> sinks_;
  Cookie next_cookie_ = 1;
};

}  // namespace tessera::frame
