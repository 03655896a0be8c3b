// GTool: the library's global utility class.
//
// GTool holds no data: every member works only on its arguments, the files it is given and the
// shared objects, so the host's implicit instance, any object it creates and the library's own
// shared instance all give the same results. The members arrive with their areas (strings, file
// names, settings files, room numbers, dates, raster factories).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "tessera/export.hpp"
#include "tessera/platform/runtime/collection.hpp"
#include "tessera/platform/runtime/date.hpp"
#include "tessera/platform/runtime/object.hpp"
#include "tessera/platform/runtime/variant.hpp"

namespace tessera {

class CRasterBgrd;
class CRasterBgrdSo;

class TESSERA_API GTool : public platform::Object {
 public:
  // Makes sure that the shared ResbankStrings object exists; nothing else.
  GTool();

  std::string_view TypeName() const noexcept override { return "GTool"; }

  // Raster backgrounds (defined with the raster objects, raster/gtool_raster.cpp): the usual
  // raster sub-directory and settings file names, the factories that build a placed raster object
  // from a floor's or level's section of the settings file (none when there is nothing to show),
  // and the copies of one section to another. Directories come without their trailing "".
  std::string RasterSubDir() const;
  std::string RasterIniFileExt() const;
  std::shared_ptr<CRasterBgrd> RasterBgrdFromIni(int32_t lEtId, int32_t lEtHeight,
                                                 const std::string& stRasterDir) const;
  std::shared_ptr<CRasterBgrdSo> RasterBgrdFromIniSo(int32_t lSoId, int32_t lSoHeight,
                                                     const std::string& stRasterDir) const;
  void RasterBgrdCopyIniData(int32_t lFromEtId, int32_t lToEtId, const std::string& stRasterDir) const;
  void RasterBgrdCopyIniDataSo(int32_t lFromSoId, int32_t lToSoId, const std::string& stRasterDir) const;

  // Separated parameter lists (strings.cpp). Fields count from 1 at the front and from -1 at the
  // back; a separator occurrence is searched again one character after the start of the last.
  int16_t ParaAnz(const std::string& TxT, const std::string& trz) const;
  std::string ParaGib(const std::string& TxT, const std::string& trz, int16_t nr) const;
  // The position of the last occurrence of stSuche starting at or before vPos (when numeric), as
  // decimal text; "" when there is none. vPos is never changed.
  std::string RInStr(const std::string& stZeichenk, const std::string& stSuche,
                     platform::Variant& vPos) const;
  // The same with vPos left out: the search starts at the end.
  std::string RInStr(const std::string& stZeichenk, const std::string& stSuche) const {
    platform::Variant missing = platform::Variant::Missing();
    return RInStr(stZeichenk, stSuche, missing);
  }
  // The characters in ascending Windows-1252 order, equal ones in their original order.
  std::string SortString(const std::string& stZeichenk) const;
  // The name with its trailing number one higher, keeping its digit count ("Raum09" -> "Raum10").
  std::string IncName(const std::string& stName) const;
  // Every "'" doubled, for database statements.
  std::string ReplaceH(const std::string& stString) const;
  // Umlauts and sharp s spelled out, in stString itself and as the result.
  std::string ReplaceGermanSonderzeichen(std::string& stString) const;
  // The red, green and blue bytes of a colour value; its highest byte is ignored.
  void RGBReverse(int32_t lFarbe, int16_t& R, int16_t& G, int16_t& b) const;

  // File names (filenames.cpp). Only "\" separates directories here, on every platform; the
  // extension starts at the last "." anywhere in the text.
  std::string DateiName(const std::string& stVollstaendig) const;
  std::string Pfad(const std::string& stVollstaendig) const;
  std::string Kennung(const std::string& stDateiName) const;
  std::string NameOhneKennung(const std::string& stDateiName) const;
  bool ExistsFile(const std::string& stFilepath) const;
  // Copies over an existing target; false without a message when the source does not exist.
  bool KopiereFile(const std::string& stSourcePath, const std::string& stTargetPath) const;

  // Settings files (inifiles.cpp), through the profile-file calls in the ANSI code page. Values
  // and sections pass through 2048-character buffers, so a value keeps at most 2047 characters
  // and a longer section arrives cut off. Names and values holding a NUL are refused with 5.
  std::string GetIniString(const std::string& stIniPath, const std::string& stTopic,
                           const std::string& stItem, const std::string& stDefault) const;
  void WriteIniString(const std::string& stIniPath, const std::string& stTopic, const std::string& stItem,
                      const std::string& stString) const;
  // The section's lines as items keyed by the text before their first "="; a new collection when
  // `coll` is none. A missing or empty section leaves `coll` as it was.
  bool GetIniSection(const std::string& stIniPath, const std::string& stTopic,
                     std::shared_ptr<platform::Collection>& coll) const;
  void WriteIniSection(const std::string& stIniPath, const std::string& stTopic,
                       std::shared_ptr<platform::Collection> coll) const;
  // Appends every section header line ("[Raster]", keyed "$[Raster]") of the file to Topics.
  void GetIniTopics(const std::string& stIniPath, std::shared_ptr<platform::Collection> Topics) const;

  // The display form of a room number (roomnumbers.cpp): the location path stNormal
  // ("SO\Geb\Et"), stB and str laid out by the pattern in section "RNR", key "Format" of the
  // settings file, whose letters S, G, E, B and R stand for those parts.
  std::string RNrByFormat(const std::string& stIniPath, const platform::Variant& stNormal,
                          const std::string& stB, const std::string& str, bool bSoNotwendig = false,
                          bool bGebNotwendig = false) const;

  // Dates and times (defined in dates/gtool_dates.cpp). The masks read the user locale anew on
  // every call through GetLocaleInfoA, in buffers of 10 (currency), 2 (separators) and 15
  // (patterns) characters; a value that does not fit raises 5. Masks write the year field in upper
  // case ("DD.MM.YY"); other fields keep the locale's case while no field is a four-digit year.
  // "#3/4/2024#": the date as a literal for database queries, without its time.
  std::string SQLDate(platform::Date datChange) const;
  // The date of day, month and year texts, the zero date when they make none. Resource text 1001
  // empty: "d.m.y" read by CDate. Set: LongDate's mask filled with the texts in the locale's
  // order, so that the date typed is read under any locale.
  platform::Date DatumAusStrings(const std::string& stDay, const std::string& stMonth,
                                 const std::string& stYear) const;
  // The time of hour, minute and (optional) second texts; texts that are not numbers show
  // "Kein Zeitformat h:m[:s]" (title "Talmo") and give the zero date, as does any other failure.
  platform::Date ZeitAusStrings(const std::string& stHours, const std::string& stMinutes,
                                const std::string& stSeconds) const;
  std::string GetCur() const;
  std::string ShortDate() const;
  std::string LongDate() const;
  std::string LongDateSpace() const;
  std::string ShortDateSpace() const;
  // The locale's time format without its seconds ("HH:mm"), and that with a one-digit hour ("H:mm").
  std::string LongTime() const;
  std::string ShortTime() const;
};

// The instance through which the host calls GTool without creating an object.
TESSERA_API GTool& ImplicitGTool();

// The library's own instance, distinct from the implicit one, through which other classes (and
// some GTool members) call GTool. Created on first call, kept until ReleaseSharedGTool.
TESSERA_API GTool& SharedGTool();

// Drops both instances, as unloading the library does.
TESSERA_API void ReleaseGToolInstances();

}  // namespace tessera
