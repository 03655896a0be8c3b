// CFont: puts a GDI font of a chosen face, height, angle and style onto a device context that the
// host owns, and later takes it off again (Reset), so the host can draw with it in between and
// leave the device context as it found it.
//
// The object owns at most one created font; the device context and the font that was selected
// before belong to the host. ChangeFontByHDC reports any run-time error in a message box with
// the bare description, then runs Reset and answers false; a font that cannot be created sounds
// the beep instead. Reset passes over every failure. ChangeFont does the same for a picture
// control or the printer passed as an object (the printer is "Printer", any other control
// "PictureBox") and answers false for any other object. The host keeps the device context alive
// until Reset has run or the object is gone.
#pragma once

#include <cstdint>
#include <string>

#include "tessera/export.hpp"
#include "tessera/platform/runtime/object.hpp"

namespace tessera {

class TESSERA_API CFont : public platform::Object {
 public:
  CFont();
  ~CFont() override;
  CFont(const CFont&) = delete;
  CFont& operator=(const CFont&) = delete;

  std::string_view TypeName() const noexcept override { return "CFont"; }

  bool ChangeFont(platform::ObjectRef& DC, int32_t lDcHeight, int32_t lEscapement, bool bBold, bool bItalic,
                  bool bUnderline, bool bStrikeOut, const std::string& stFontName);
  // lDcHeight is the character height in the device context's units, its sign ignored and at
  // least 2; lEscapement the angle in tenths of a degree.
  bool ChangeFontByHDC(const std::string& stType, int32_t hDC, int32_t lDcHeight, int32_t lEscapement,
                       bool bBold, bool bItalic, bool bUnderline, bool bStrikeOut,
                       const std::string& stFontName);
  // Selects the previous font back, then deletes the created one; nothing while no device
  // context is known.
  void Reset();

 private:
  int32_t created_font_ = 0;
  int32_t previous_font_ = 0;
  int32_t device_context_ = 0;
  std::string device_type_;
};

}  // namespace tessera
