// frmLoadPicture: the hidden form whose file dialog and picture control the raster objects borrow
// for one call, as a model without a toolkit.
//
// Loading the form (constructing it) makes sure the shared resource texts exist and takes its
// caption from text 13101 when that is not empty. Unloading (destroying) it releases both
// controls; nothing survives between calls.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "tessera/platform/picture/loaded_picture.hpp"

namespace tessera {

class frmLoadPicture {
 public:
  frmLoadPicture();

  const std::string& Caption() const { return caption_; }

  // The common file dialog: set the fields, ShowOpen, read FileName back ("" after a cancel).
  struct CommonDialog {
    std::string Filter = "Windows Bitmap (*.bmp) | *.bmp|JPEG - Format (*.jpg)|*.jpg";
    std::string DefaultExt = ".bmp";
    std::string InitDir;
    std::string FileName;
    int32_t Flags = 0;
    void ShowOpen();
  } FileOpenDlg;

  // The hidden picture control, which sizes itself to its picture and measures in pixels.
  struct PictureBox {
    // Loads the file at the library path `file`: 53, 75, 481 or 7 as the picture loader has them.
    void LoadPicture(const std::string& file);
    std::shared_ptr<platform::LoadedPicture> Picture;
    int32_t ScaleWidth() const { return Picture ? Picture->width() : 0; }
    int32_t ScaleHeight() const { return Picture ? Picture->height() : 0; }
  } MainPicture;

 private:
  std::string caption_ = "Rasterdatei laden";
};

}  // namespace tessera
