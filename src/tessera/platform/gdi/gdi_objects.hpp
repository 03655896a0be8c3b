// GDI objects: fonts in a handle table, device contexts of the drawing surfaces, and the calls
// that the library makes on them (CreateFontA, SelectObject, DeleteObject, GetDeviceCaps).
//
// Handles are 32-bit and never 0 for a live object; fonts share one pool with the device contexts
// of the surfaces (surface/device_contexts.hpp). A device context starts with the stock font
// selected, which no one deletes. As in GDI, a failing call answers 0 (false) and raises nothing;
// a font that is selected into a live device context is not deleted. Used from the host's UI
// thread only.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "tessera/export.hpp"

namespace tessera::platform {

// The fourteen arguments of CreateFontA as they were given; the face name in library text.
struct TESSERA_API LogicalFont {
  int32_t height = 0;  // below 0: the character height, above 0: the cell height, 0: the default
  int32_t width = 0;
  int32_t escapement = 0;  // tenths of a degree, counter-clockwise
  int32_t orientation = 0;
  int32_t weight = 0;  // 400 normal, 700 bold
  bool italic = false;
  bool underline = false;
  bool strike_out = false;
  uint32_t char_set = 0;
  uint32_t out_precision = 0;
  uint32_t clip_precision = 0;
  uint32_t quality = 0;
  uint32_t pitch_and_family = 0;
  std::string face_name;

  bool operator==(const LogicalFont&) const = default;
};

// GetDeviceCaps indexes.
inline constexpr int32_t HORZSIZE = 4;  // millimetres
inline constexpr int32_t VERTSIZE = 6;
inline constexpr int32_t HORZRES = 8;  // pixels
inline constexpr int32_t VERTRES = 10;
inline constexpr int32_t LOGPIXELSX = 88;  // pixels per inch
inline constexpr int32_t LOGPIXELSY = 90;

// The longest face name GDI keeps (LF_FACESIZE less its terminating NUL).
inline constexpr std::size_t kMaxFaceNameBytes = 31;

// How many fonts a process may hold at once, as GDI's per-process object quota.
inline constexpr std::size_t kMaxLiveFonts = 10000;

// A new font; a face name (ANSI bytes) longer than GDI keeps is cut to its first 31 bytes. 0 when
// the process already holds kMaxLiveFonts fonts.
TESSERA_API int32_t CreateFontA(int32_t cHeight, int32_t cWidth, int32_t cEscapement, int32_t cOrientation,
                                int32_t cWeight, uint32_t bItalic, uint32_t bUnderline, uint32_t bStrikeOut,
                                uint32_t iCharSet, uint32_t iOutPrecision, uint32_t iClipPrecision,
                                uint32_t iQuality, uint32_t iPitchAndFamily, std::string_view pszFaceName);

// Selects a font into a device context and answers the font selected before; 0 when either
// handle names nothing of its kind.
TESSERA_API int32_t SelectObject(int32_t hdc, int32_t object);

// Deletes a font; false for a handle that names none and for a font that is still selected.
// Deleting the stock font succeeds and changes nothing.
TESSERA_API bool DeleteObject(int32_t object);

// A device capability of a surface's device context, 0 for another index or handle.
TESSERA_API int32_t GetDeviceCaps(int32_t hdc, int32_t index);

// The font selected into a device context (GetCurrentObject), 0 for a handle that names none.
TESSERA_API int32_t SelectedFont(int32_t hdc);

// The record of a live font, nullptr for any other handle.
TESSERA_API const LogicalFont* FontRecord(int32_t font);

// How many fonts are alive, the stock font not counted.
TESSERA_API std::size_t LiveFontCount();

}  // namespace tessera::platform
