#include "tessera/text/cfont.hpp"

#include "tessera/frame/errors/error_styles.hpp"
#include "tessera/frame/shared/shared_objects.hpp"
#include "tessera/platform/gdi/gdi_objects.hpp"
#include "tessera/platform/runtime/checked.hpp"
#include "tessera/platform/runtime/codepage.hpp"
#include "tessera/platform/surface/picture_control.hpp"
#include "tessera/platform/ui/ui.hpp"

namespace tessera {

namespace {

constexpr int32_t kMinimumHeight = 2;
constexpr int32_t kNormalWeight = 400;  // FW_NORMAL
constexpr int32_t kBoldWeight = 700;    // FW_BOLD
constexpr uint32_t kDefaultCharset = 1;
constexpr uint32_t kOutTtPrecis = 4;
constexpr uint32_t kClipLhAngles = 16;
constexpr uint32_t kDefaultQuality = 0;
constexpr uint32_t kDefaultPitchDontCare = 0;
constexpr std::string_view kPrinterType = "Printer";

int32_t CharacterHeight(int32_t lDcHeight) {
  const int32_t magnitude = lDcHeight < 0 ? platform::CheckedSub(int32_t{0}, lDcHeight) : lDcHeight;
  return magnitude < kMinimumHeight ? kMinimumHeight : magnitude;
}

// A printer's pixels per millimetre, asked for as the host product always has: a device context
// that answers no size fails in the rounding. The font does not depend on it.
void CheckPrinterResolution(int32_t hDC) {
  const double millimetres = platform::GetDeviceCaps(hDC, platform::VERTSIZE);
  const double pixels = platform::GetDeviceCaps(hDC, platform::VERTRES);
  frame::SharedMensGlobal().RoundToLong(pixels / millimetres);
}

}  // namespace

CFont::CFont() {
  frame::EnsureSharedResbankStrings();
}

CFont::~CFont() {
  Reset();
}

bool CFont::ChangeFont(platform::ObjectRef& DC, int32_t lDcHeight, int32_t lEscapement, bool bBold,
                       bool bItalic, bool bUnderline, bool bStrikeOut, const std::string& stFontName) {
  const auto control = std::dynamic_pointer_cast<platform::PictureControl>(DC);
  if (!control) return false;
  return ChangeFontByHDC(std::string(control->TypeName()), control->hDC(), lDcHeight, lEscapement, bBold,
                         bItalic, bUnderline, bStrikeOut, stFontName);
}

bool CFont::ChangeFontByHDC(const std::string& stType, int32_t hDC, int32_t lDcHeight, int32_t lEscapement,
                            bool bBold, bool bItalic, bool bUnderline, bool bStrikeOut,
                            const std::string& stFontName) {
  return frame::ReportPlain<bool>(
      platform::ApplicationTitle(),
      [&](bool& result) {
        Reset();
        device_context_ = hDC;
        device_type_ = stType;
        if (stFontName.empty()) return;
        const int32_t height = CharacterHeight(lDcHeight);
        if (stType == kPrinterType) CheckPrinterResolution(hDC);
        created_font_ = platform::CreateFontA(-height, 0, lEscapement, 0, bBold ? kBoldWeight : kNormalWeight,
                                              bItalic ? 1 : 0, bUnderline ? 1 : 0, bStrikeOut ? 1 : 0,
                                              kDefaultCharset, kOutTtPrecis, kClipLhAngles, kDefaultQuality,
                                              kDefaultPitchDontCare, platform::ToAnsi(stFontName));
        if (created_font_ == 0) {
          platform::Beep();
          Reset();
          return;
        }
        previous_font_ = platform::SelectObject(hDC, created_font_);
        result = true;
      },
      [&] { Reset(); });
}

void CFont::Reset() {
  if (device_context_ == 0) return;
  frame::PassOver(
      [&] {
        if (previous_font_ == 0) return;
        platform::SelectObject(device_context_, previous_font_);
        previous_font_ = 0;
      },
      [&] {
        if (created_font_ == 0) return;
        platform::DeleteObject(created_font_);
        created_font_ = 0;
      });
}

}  // namespace tessera
