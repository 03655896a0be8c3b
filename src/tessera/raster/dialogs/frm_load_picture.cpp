#include "tessera/raster/dialogs/frm_load_picture.hpp"

#include "tessera/frame/shared/shared_objects.hpp"
#include "tessera/platform/picture/picture_loader.hpp"
#include "tessera/platform/ui/ui.hpp"

namespace tessera {

namespace {

constexpr int32_t kCaptionText = 13101;

}  // namespace

frmLoadPicture::frmLoadPicture() {
  const std::string caption = frame::EnsureSharedResbankStrings().GetText(kCaptionText);
  if (!caption.empty()) caption_ = caption;
}

void frmLoadPicture::CommonDialog::ShowOpen() {
  FileName = platform::ShowFileOpen({Filter, DefaultExt, InitDir, FileName, Flags});
}

void frmLoadPicture::PictureBox::LoadPicture(const std::string& file) {
  Picture = platform::LoadPicture(file);
}

}  // namespace tessera
