#include "tessera/bindings/gtool_dispatch.hpp"

#include "tessera/raster/crasterbgrd.hpp"
#include "tessera/tool/gtool.hpp"

namespace tessera {

using frame::Method;
using frame::Optional;
using frame::PropertyGet;

// The member with its by-reference position; the two-argument overload is for C++ hosts.
using ReverseSearch = std::string (GTool::*)(const std::string&, const std::string&,
                                             platform::Variant&) const;

// GTool's table lives with the raster objects, which its raster factories return.
const frame::DispatchTable& GToolDispatch() {
  static const frame::DispatchTable table(
      "GTool",
      {"RasterSubDir",
       "RasterIniFileExt",
       "ParaAnz",
       "ParaGib",
       "RInStr",
       "SortString",
       "DateiName",
       "Pfad",
       "Kennung",
       "NameOhneKennung",
       "GetIniString",
       "WriteIniString",
       "GetIniSection",
       "WriteIniSection",
       "GetIniTopics",
       "RasterBgrdFromIni",
       "RasterBgrdFromIniSo",
       "RasterBgrdCopyIniData",
       "RasterBgrdCopyIniDataSo",
       "IncName",
       "SQLDate",
       "DatumAusStrings",
       "ZeitAusStrings",
       "RNrByFormat",
       "ExistsFile",
       "KopiereFile",
       "GetCur",
       "ShortDate",
       "LongDate",
       "LongDateSpace",
       "ShortDateSpace",
       "LongTime",
       "ShortTime",
       "ReplaceH",
       "ReplaceGermanSonderzeichen",
       "RGBReverse"},
      {
          PropertyGet<&GTool::RasterSubDir>("RasterSubDir"),
          PropertyGet<&GTool::RasterIniFileExt>("RasterIniFileExt"),
          Method<&GTool::RasterBgrdFromIni>("RasterBgrdFromIni", {"lEtId", "lEtHeight", "stRasterDir"}),
          Method<&GTool::RasterBgrdFromIniSo>("RasterBgrdFromIniSo", {"lSoId", "lSoHeight", "stRasterDir"}),
          Method<&GTool::RasterBgrdCopyIniData>("RasterBgrdCopyIniData",
                                                {"lFromEtId", "lToEtId", "stRasterDir"}),
          Method<&GTool::RasterBgrdCopyIniDataSo>("RasterBgrdCopyIniDataSo",
                                                  {"lFromSoId", "lToSoId", "stRasterDir"}),
          Method<&GTool::ParaAnz>("ParaAnz", {"TxT", "trz"}),
          Method<&GTool::ParaGib>("ParaGib", {"TxT", "trz", "nr"}),
          Method<static_cast<ReverseSearch>(&GTool::RInStr)>("RInStr",
                                                             {"stZeichenk", "stSuche", Optional("vPos")}),
          Method<&GTool::SortString>("SortString", {"stZeichenk"}),
          Method<&GTool::DateiName>("DateiName", {"stVollstaendig"}),
          Method<&GTool::Pfad>("Pfad", {"stVollstaendig"}),
          Method<&GTool::Kennung>("Kennung", {"stDateiName"}),
          Method<&GTool::NameOhneKennung>("NameOhneKennung", {"stDateiName"}),
          Method<&GTool::GetIniString>("GetIniString", {"stIniPath", "stTopic", "stItem", "stDefault"}),
          Method<&GTool::WriteIniString>("WriteIniString", {"stIniPath", "stTopic", "stItem", "stString"}),
          Method<&GTool::GetIniSection>("GetIniSection", {"stIniPath", "stTopic", "coll"}),
          Method<&GTool::WriteIniSection>("WriteIniSection", {"stIniPath", "stTopic", "coll"}),
          Method<&GTool::GetIniTopics>("GetIniTopics", {"stIniPath", "Topics"}),
          Method<&GTool::IncName>("IncName", {"stName"}),
          Method<&GTool::RNrByFormat>("RNrByFormat", {"stIniPath", "stNormal", "stB", "str",
                                                      Optional("bSoNotwendig"), Optional("bGebNotwendig")}),
          Method<&GTool::ExistsFile>("ExistsFile", {"stFilepath"}),
          Method<&GTool::KopiereFile>("KopiereFile", {"stSourcePath", "stTargetPath"}),
          Method<&GTool::SQLDate>("SQLDate", {"datChange"}),
          Method<&GTool::DatumAusStrings>("DatumAusStrings", {"stDay", "stMonth", "stYear"}),
          Method<&GTool::ZeitAusStrings>("ZeitAusStrings", {"stHours", "stMinutes", "stSeconds"}),
          Method<&GTool::GetCur>("GetCur"),
          Method<&GTool::ShortDate>("ShortDate"),
          Method<&GTool::LongDate>("LongDate"),
          Method<&GTool::LongDateSpace>("LongDateSpace"),
          Method<&GTool::ShortDateSpace>("ShortDateSpace"),
          Method<&GTool::LongTime>("LongTime"),
          Method<&GTool::ShortTime>("ShortTime"),
          Method<&GTool::ReplaceH>("ReplaceH", {"stString"}),
          Method<&GTool::ReplaceGermanSonderzeichen>("ReplaceGermanSonderzeichen", {"stString"}),
          Method<&GTool::RGBReverse>("RGBReverse", {"lFarbe", "R", "G", "b"}),
      });
  return table;
}

}  // namespace tessera
