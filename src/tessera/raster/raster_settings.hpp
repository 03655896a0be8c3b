// The raster directory's settings file: its name, its section names and its five keys.
//
//   [5]            a floor raster; "So5" for level 5 of the second kind
//   Datei=plan.bmp the bare name for a file in the raster directory, else the full path
//   DX=-120        the shift, 32-bit integers
//   DY=48
//   Faktor=12,5    world units per pixel, in the user's number format
//   Sichtbar=Wahr  in the words of the user's locale
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "tessera/export.hpp"

namespace tessera {

inline constexpr std::string_view kRasterSubDir = "Raster";
inline constexpr std::string_view kRasterIniFile = "Raster.ini";
// The section name prefix of a level of the second kind; floors have none.
inline constexpr std::string_view kSecondKindPrefix = "So";
inline constexpr std::array<std::string_view, 5> kRasterKeys{"Datei", "DX", "DY", "Faktor", "Sichtbar"};

using RasterValues = std::array<std::string, kRasterKeys.size()>;

// "5", "-2", "So12".
TESSERA_API std::string RasterSectionName(std::string_view prefix, int32_t id);

// The settings file of a raster directory given without its trailing "\".
TESSERA_API std::string RasterIniPath(const std::string& raster_dir);

// Writes the five keys in their order in one rewrite of the file: all of them, or none and the
// run-time error raised, so that a placement is never saved in part and fails once.
void WriteRasterSection(const std::string& file, const std::string& section, const RasterValues& values);

}  // namespace tessera
