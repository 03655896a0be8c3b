#include "tessera/platform/picture/loaded_picture.hpp"

#include "tessera/platform/picture/jpeg_decoder.hpp"
#include "tessera/platform/picture/picture_loader.hpp"
#include "tessera/platform/runtime/error.hpp"

namespace tessera::platform {

namespace {

// Below this a JPEG is held whole: decoding it again for detail would cost more than it saves.
constexpr uint64_t kReduceFrom = uint64_t{8} << 20;
constexpr int kSmallestScale = 8;  // libjpeg's DCT scaling goes down to 1/8

// The picture held under `budget` for as long as it lives.
std::shared_ptr<Picture> Charged(std::unique_ptr<Picture> picture, PictureBudget& budget) {
  struct Held {
    BudgetCharge charge;
    std::unique_ptr<Picture> picture;
  };
  BudgetCharge charge(budget, picture->ByteSize());
  auto held = std::make_shared<Held>(Held{std::move(charge), std::move(picture)});
  return {held, held->picture.get()};
}

// The largest denominator, up to `most`, that keeps a pixel for every device pixel.
int DenominatorFor(double shrink, int most) {
  int denominator = most;
  while (denominator > 1 && denominator > shrink) denominator /= 2;
  return denominator;
}

PictureLimits LimitsUnder(PictureBudget& budget) {
  return {budget.limit(), &budget};
}

}  // namespace

std::shared_ptr<LoadedPicture> LoadedPicture::Load(std::string_view path, PictureBudget& budget) {
  std::shared_ptr<LoadedPicture> loaded(new LoadedPicture(path, budget));
  loaded->LoadFirst();
  return loaded;
}

LoadedPicture::~LoadedPicture() {
  budget_.Withdraw(this);
}

void LoadedPicture::LoadFirst() {
  const auto source = OpenFileSource(path_, &stamp_);
  if (KindOf(*source) == PictureKind::kBmp) {
    base_ = Charged(DecodeBmp(*source, LimitsUnder(budget_)), budget_);
    width_ = base_->width(), height_ = base_->height();
    return;
  }
  ScaledJpeg jpeg = DecodeJpegScaled(*source, LimitsUnder(budget_), [&](int32_t width, int32_t height) {
    const bool large = PictureBytes(width, height, PixelFormat::kBgr24) >= kReduceFrom;
    base_denominator_ = large ? kSmallestScale : 1;
    return base_denominator_;
  });
  base_ = Charged(std::move(jpeg.picture), budget_);
  width_ = jpeg.width, height_ = jpeg.height;
}

std::shared_ptr<Picture> LoadedPicture::Detail(int& denominator) const {
  std::lock_guard lock(detail_guard_);
  denominator = detail_denominator_;
  return detail_;
}

bool LoadedPicture::DecodeDetail(int denominator) {
  if (file_changed_) return false;
  Release();  // the copy it replaces gives its memory back first
  try {
    FileStamp now;
    const auto source = OpenFileSource(path_, &now);
    if (now != stamp_) {
      file_changed_ = true;
      return false;
    }
    ScaledJpeg jpeg =
        DecodeJpegScaled(*source, LimitsUnder(budget_), [&](int32_t, int32_t) { return denominator; });
    if (jpeg.width != width_ || jpeg.height != height_) {
      file_changed_ = true;
      return false;
    }
    auto detail = Charged(std::move(jpeg.picture), budget_);
    {
      std::lock_guard lock(detail_guard_);
      detail_ = std::move(detail);
      detail_denominator_ = denominator;
    }
    return true;
  } catch (const RuntimeError&) {
    return false;  // drawn from what is held; the host learns of a file gone when it loads it
  }
}

DrawablePicture LoadedPicture::Drawing(std::shared_ptr<const Picture> picture) const {
  const double scale_x = double(picture->width()) / width_, scale_y = double(picture->height()) / height_;
  return {std::move(picture), scale_x, scale_y};
}

DrawablePicture LoadedPicture::ForDrawing(double shrink) {
  const int needed = DenominatorFor(shrink, base_denominator_);
  if (needed == base_denominator_) return Drawing(base_);
  int held = 0;
  std::shared_ptr<Picture> detail = Detail(held);
  if (!detail || held > needed) {
    detail.reset();
    if (DecodeDetail(needed)) detail = Detail(held);
  }
  if (!detail) detail = Detail(held);  // what a failed decode left, perhaps nothing
  if (!detail) return Drawing(base_);
  budget_.Offer(this, weak_from_this());
  return Drawing(std::move(detail));
}

std::shared_ptr<Picture> LoadedPicture::Full() {
  if (base_denominator_ == 1) return base_;
  int held = 0;
  if (auto detail = Detail(held); detail && held == 1) return detail;
  if (!DecodeDetail(1)) return nullptr;
  budget_.Offer(this, weak_from_this());
  return Detail(held);
}

uint64_t LoadedPicture::HeldBytes() const noexcept {
  int held = 0;
  const auto detail = Detail(held);
  return base_->ByteSize() + (detail ? detail->ByteSize() : 0);
}

void LoadedPicture::Release() noexcept {
  std::shared_ptr<Picture> dropped;
  {
    std::lock_guard lock(detail_guard_);
    dropped = std::move(detail_);
  }
  budget_.Withdraw(this);
}  // the copy goes here, outside the lock, and gives its memory back

}  // namespace tessera::platform
