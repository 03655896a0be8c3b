#include "tessera/platform/gdi/font_faces.hpp"

#include <fontconfig/fontconfig.h>

#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <utility>

#include "tessera/platform/runtime/error.hpp"

namespace tessera::platform {

namespace {

constexpr int32_t kBoldWeight = 600;  // from here on GDI draws a face bold

FT_Library Library() {
  static FT_Library library = [] {
    FT_Library fresh = nullptr;
    if (FT_Init_FreeType(&fresh) != 0) Raise(err::kInvalidProcedureCall, "FreeType could not start");
    return fresh;
  }();
  return library;
}

// The matched file, its face index, and whether it is bold and italic of its own.
struct FontFile {
  std::string path;
  int index = 0;
  bool bold = false;
  bool italic = false;
};

FontFile Match(const LogicalFont& font) {
  using Pattern = std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)>;
  const Pattern wanted(FcPatternCreate(), &FcPatternDestroy);
  const auto* family = reinterpret_cast<const FcChar8*>(font.face_name.c_str());
  FcPatternAddString(wanted.get(), FC_FAMILY, family);
  FcPatternAddInteger(wanted.get(), FC_WEIGHT, FcWeightFromOpenType(font.weight == 0 ? 400 : font.weight));
  FcPatternAddInteger(wanted.get(), FC_SLANT, font.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(wanted.get(), FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, wanted.get(), FcMatchPattern);
  FcDefaultSubstitute(wanted.get());
  FcResult result = FcResultNoMatch;
  const Pattern match(FcFontMatch(nullptr, wanted.get(), &result), &FcPatternDestroy);
  FcChar8* file = nullptr;
  if (!match || FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch)
    Raise(err::kInvalidProcedureCall, "No font is installed");
  FontFile found{reinterpret_cast<const char*>(file)};
  FcPatternGetInteger(match.get(), FC_INDEX, 0, &found.index);
  int weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
  FcPatternGetInteger(match.get(), FC_WEIGHT, 0, &weight);
  FcPatternGetInteger(match.get(), FC_SLANT, 0, &slant);
  found.bold = weight >= FC_WEIGHT_DEMIBOLD;
  found.italic = slant != FC_SLANT_ROMAN;
  return found;
}

FT_Face Open(const FontFile& file) {
  static std::map<std::pair<std::string, int>, FT_Face> faces;
  const auto key = std::make_pair(file.path, file.index);
  if (const auto found = faces.find(key); found != faces.end()) return found->second;
  FT_Face face = nullptr;
  if (FT_New_Face(Library(), file.path.c_str(), file.index, &face) != 0)
    Raise(err::kInvalidProcedureCall, "The font file " + file.path + " could not be opened");
  faces.emplace(key, face);
  return face;
}

// The match of a face name, weight and slant, asked of fontconfig once.
const FontFile& CachedMatch(const LogicalFont& font) {
  static std::map<std::tuple<std::string, int32_t, bool>, FontFile> matches;
  const auto key = std::make_tuple(font.face_name, font.weight, font.italic);
  if (const auto found = matches.find(key); found != matches.end()) return found->second;
  return matches.emplace(key, Match(font)).first->second;
}

}  // namespace

std::recursive_mutex& TypefaceGuard() {
  static std::recursive_mutex guard;
  return guard;
}

MatchedFace FaceFor(const LogicalFont& font) {
  const std::lock_guard lock(TypefaceGuard());
  const FontFile& file = CachedMatch(font);
  return {Open(file), font.weight >= kBoldWeight && !file.bold, font.italic && !file.italic};
}

}  // namespace tessera::platform

#if defined(__SANITIZE_ADDRESS__)
// fontconfig 2.14 loses its first configuration (288 bytes, once per process), whoever calls it.
// Sanitizer builds tell their leak checker so, and keep it reporting every other leak; a host that
// has suppressions of its own adds this line to them. The checker finds the hook by name, so it
// stays visible although the library hides its symbols.
extern "C" __attribute__((visibility("default"))) const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}
#endif
