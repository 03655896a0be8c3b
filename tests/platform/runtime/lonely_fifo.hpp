// A named pipe that no one writes to, where a settings or picture file is expected: an open for
// reading that does not take care waits for a writer for ever.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <string>
#include <utility>

namespace tessera::platform::testing {

class LonelyFifo {
 public:
  explicit LonelyFifo(std::string path) : path_(std::move(path)) { ::mkfifo(path_.c_str(), 0666); }
  ~LonelyFifo() { ::unlink(path_.c_str()); }
  LonelyFifo(const LonelyFifo&) = delete;
  LonelyFifo& operator=(const LonelyFifo&) = delete;

  const std::string& path() const { return path_; }

  // Whether `operation` comes back on its own. If it waits, a writer comes along and lets it go,
  // so that the test fails instead of hanging.
  template <typename Operation>
  bool Returns(Operation operation) const {
    auto done = std::async(std::launch::async, operation);
    if (done.wait_for(std::chrono::seconds(5)) == std::future_status::ready) return true;
    const int writer = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK);
    done.wait();
    ::close(writer);
    return false;
  }

 private:
  std::string path_;
};

}  // namespace tessera::platform::testing
