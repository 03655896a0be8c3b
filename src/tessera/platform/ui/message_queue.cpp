#include "tessera/platform/ui/message_queue.hpp"

#include <utility>

namespace tessera::platform {

void MessageQueue::Post(std::function<void()> message) {
  const std::lock_guard lock(mutex_);
  messages_.push_back(std::move(message));
}

void MessageQueue::ProcessPending() {
  for (std::size_t remaining = Pending(); remaining > 0; --remaining) {
    std::function<void()> message;
    {
      const std::lock_guard lock(mutex_);
      if (messages_.empty()) return;  // a nested call ran them
      message = std::move(messages_.front());
      messages_.pop_front();
    }
    message();  // outside the lock: it may post or process messages itself
  }
}

std::size_t MessageQueue::Pending() const {
  const std::lock_guard lock(mutex_);
  return messages_.size();
}

}  // namespace tessera::platform
