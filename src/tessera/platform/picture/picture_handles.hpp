// The handle table behind a picture's hBitmap: a non-zero number through which the host reaches
// the same picture file for as long as the library holds it.
#pragma once

#include <cstdint>
#include <memory>

#include "tessera/export.hpp"
#include "tessera/platform/picture/loaded_picture.hpp"

namespace tessera::platform {

// The full picture behind `handle` (decoded again from its file when only a reduced one is held),
// or nullptr when no picture is held under it or its full picture cannot be had.
TESSERA_API std::shared_ptr<Picture> PictureFromHandle(int32_t handle);

// Holds a picture under a handle of its own; the handle is given up with the holder.
class TESSERA_API HeldPicture {
 public:
  HeldPicture() = default;
  explicit HeldPicture(std::shared_ptr<LoadedPicture> picture);
  ~HeldPicture();
  HeldPicture(HeldPicture&& other) noexcept;
  HeldPicture& operator=(HeldPicture&& other) noexcept;
  HeldPicture(const HeldPicture&) = delete;
  HeldPicture& operator=(const HeldPicture&) = delete;

  int32_t handle() const noexcept { return handle_; }  // 0 when empty
  const std::shared_ptr<LoadedPicture>& picture() const noexcept { return picture_; }
  explicit operator bool() const noexcept { return picture_ != nullptr; }

 private:
  void Release() noexcept;

  std::shared_ptr<LoadedPicture> picture_;
  int32_t handle_ = 0;
};

}  // namespace tessera::platform
