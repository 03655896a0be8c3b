// The typefaces behind logical fonts: fontconfig matches the face name, weight and slant to an
// installed font file (a face that is not installed falls back as fontconfig decides), FreeType
// opens it. Matches and faces are made once and kept until the library is unloaded.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <mutex>

#include "tessera/platform/gdi/gdi_objects.hpp"

namespace tessera::platform {

struct MatchedFace {
  FT_Face face = nullptr;
  bool embolden = false;  // bold asked for, but the matched file is not bold
  bool slant = false;     // italic asked for, but the matched file is upright
};

// The face for `font`; 5 when fontconfig finds no font file at all or FreeType cannot open it.
MatchedFace FaceFor(const LogicalFont& font);

// Faces are shared by every caller: whoever draws with one holds this for as long, as FreeType
// faces take one thread at a time.
std::recursive_mutex& TypefaceGuard();

}  // namespace tessera::platform
