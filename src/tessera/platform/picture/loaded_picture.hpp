// A picture file as the library holds it once it is loaded: what `hBitmap` names and what the
// raster draws from.
//
// A BMP, and a JPEG whose picture takes less than 8 MB, are held whole, as they load. A larger
// JPEG is decoded at load at 1/8 of each side (every coefficient of the file still decoded, so a
// broken file is refused at load), and only that reduced picture is kept: a fitted view of a
// 14 000 x 10 000 scan shows fewer pixels than its 1 750 x 1 250. A drawing that needs more detail
// decodes the file again, at the smallest scale that shows every pixel it needs (1/4, 1/2 or
// whole), and keeps that copy until a more detailed one is needed or the process's picture
// budget asks for its memory back (the least recently drawn first). The file is not kept open:
// a host may hold a building of such files. When the file changed since the load (its size or
// modification time), the picture stays as loaded, without more detail, and FileChanged says so.
//
// Every picture held counts against the budget for as long as it lives. Used from one thread at
// a time, as the raster objects are; the budget may release the detailed copy from any thread.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "tessera/export.hpp"
#include "tessera/platform/picture/byte_source.hpp"
#include "tessera/platform/picture/picture.hpp"
#include "tessera/platform/picture/picture_budget.hpp"

namespace tessera::platform {

// A picture to draw from in place of the file's own, and its size over the file's.
struct DrawablePicture {
  std::shared_ptr<const Picture> picture;
  double scale_x = 1;
  double scale_y = 1;
};

class TESSERA_API LoadedPicture : public ReleasablePicture,
                                  public std::enable_shared_from_this<LoadedPicture> {
 public:
  // The file at the library path `path`: 53 when it is missing, 75 when it cannot be read, 481
  // when it is neither a BMP nor a JPEG, is broken or does not fit `budget`, 7 when memory runs out.
  static std::shared_ptr<LoadedPicture> Load(std::string_view path,
                                             PictureBudget& budget = PictureBudget::Shared());
  ~LoadedPicture() override;
  LoadedPicture(const LoadedPicture&) = delete;
  LoadedPicture& operator=(const LoadedPicture&) = delete;

  // The file's picture size in pixels.
  int32_t width() const noexcept { return width_; }
  int32_t height() const noexcept { return height_; }

  // What to draw from where `shrink` pixels of the file's picture meet in one device pixel (the
  // smaller of the two axes): the least detailed copy that still has a pixel for every device
  // pixel, decoded now when none is held; where that fails, the most detailed one held.
  DrawablePicture ForDrawing(double shrink);

  // The picture at its full size, decoded now when it is not held; nullptr when that fails (the
  // file changed, or the picture does not fit the budget).
  std::shared_ptr<Picture> Full();

  bool FileChanged() const noexcept { return file_changed_; }
  // The bytes of the pictures held now.
  uint64_t HeldBytes() const noexcept;

  // Gives up the detailed copy; the reduced picture stays.
  void Release() noexcept override;

 private:
  LoadedPicture(std::string_view path, PictureBudget& budget) : path_(path), budget_(budget) {}
  void LoadFirst();
  // Decodes the file again at 1/`denominator` into the detailed copy; false when it cannot.
  bool DecodeDetail(int denominator);
  std::shared_ptr<Picture> Detail(int& denominator) const;
  DrawablePicture Drawing(std::shared_ptr<const Picture> picture) const;

  std::string path_;
  PictureBudget& budget_;
  FileStamp stamp_;
  int32_t width_ = 0;
  int32_t height_ = 0;
  std::shared_ptr<Picture> base_;
  int base_denominator_ = 1;
  mutable std::mutex detail_guard_;
  std::shared_ptr<Picture> detail_;
  int detail_denominator_ = 1;
  bool file_changed_ = false;
};

}  // namespace tessera::platform
