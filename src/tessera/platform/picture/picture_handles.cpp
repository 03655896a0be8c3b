#include "tessera/platform/picture/picture_handles.hpp"

#include <map>
#include <mutex>

namespace tessera::platform {

namespace {

struct Table {
  std::mutex guard;
  std::map<int32_t, std::weak_ptr<LoadedPicture>> pictures;
  int32_t next = 0;

  // The next free handle, never 0; numbers are reused only after wrapping around.
  int32_t Add(const std::shared_ptr<LoadedPicture>& picture) {
    std::lock_guard lock(guard);
    do {
      next = next == INT32_MAX ? 1 : next + 1;
    } while (pictures.count(next) != 0);
    pictures[next] = picture;
    return next;
  }
};

// Never destroyed: a host may give up a picture from its own statics after the library's are gone.
Table& Handles() {
  static Table& table = *new Table;
  return table;
}

}  // namespace

std::shared_ptr<Picture> PictureFromHandle(int32_t handle) {
  Table& table = Handles();
  std::shared_ptr<LoadedPicture> loaded;
  {
    std::lock_guard lock(table.guard);
    const auto found = table.pictures.find(handle);
    if (found != table.pictures.end()) loaded = found->second.lock();
  }
  return loaded ? loaded->Full() : nullptr;  // outside the lock: it may decode
}

HeldPicture::HeldPicture(std::shared_ptr<LoadedPicture> picture) : picture_(std::move(picture)) {
  if (picture_) handle_ = Handles().Add(picture_);
}

HeldPicture::~HeldPicture() {
  Release();
}

HeldPicture::HeldPicture(HeldPicture&& other) noexcept
    : picture_(std::move(other.picture_)), handle_(other.handle_) {
  other.handle_ = 0;
}

HeldPicture& HeldPicture::operator=(HeldPicture&& other) noexcept {
  if (this != &other) {
    Release();
    picture_ = std::move(other.picture_);
    handle_ = other.handle_;
    other.handle_ = 0;
  }
  return *this;
}

void HeldPicture::Release() noexcept {
  if (handle_ != 0) {
    Table& table = Handles();
    std::lock_guard lock(table.guard);
    table.pictures.erase(handle_);
  }
  handle_ = 0;
  picture_.reset();
}

}  // namespace tessera::platform
