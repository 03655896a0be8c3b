// The pending window messages of a headless host: callbacks that the host or a test queued.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>

#include "tessera/export.hpp"

namespace tessera::platform {

class TESSERA_API MessageQueue {
 public:
  void Post(std::function<void()> message);

  // Runs the messages that were pending when it was called, oldest first. A message may post
  // more (they wait for the next call) or process pending messages itself (it then runs the
  // next ones), as a re-entrant DoEvents does.
  void ProcessPending();

  std::size_t Pending() const;

 private:
  mutable std::mutex mutex_;
  std::deque<std::function<void()>> messages_;
};

}  // namespace tessera::platform
