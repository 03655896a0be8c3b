#include "tessera/bindings/gtool_dispatch.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tessera/tool/gtool.hpp"

namespace tessera {
namespace {

using platform::Variant;

// GTool's interface, slot by slot.
const std::vector<std::string> kInterface{"RasterSubDir",
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
                                          "RGBReverse"};

// The members of the string, file name, settings file, room number and date groups, all built.
const std::vector<std::string> kStringAndFileMembers{"ParaAnz",
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
                                                     "IncName",
                                                     "RNrByFormat",
                                                     "ExistsFile",
                                                     "KopiereFile",
                                                     "ReplaceH",
                                                     "ReplaceGermanSonderzeichen",
                                                     "RGBReverse",
                                                     "SQLDate",
                                                     "DatumAusStrings",
                                                     "ZeitAusStrings",
                                                     "GetCur",
                                                     "ShortDate",
                                                     "LongDate",
                                                     "LongDateSpace",
                                                     "ShortDateSpace",
                                                     "LongTime",
                                                     "ShortTime"};

TEST(GToolDispatchTest, SlotsAreTheInterfaceOrder) {
  const frame::DispatchTable& table = GToolDispatch();
  ASSERT_EQ(std::vector<std::string>(table.members().begin(), table.members().end()), kInterface);
  for (const std::string& name : kStringAndFileMembers) {
    const int slot = table.SlotOf(name);
    ASSERT_NE(table.Find(slot, frame::MemberKind::kMethod), nullptr) << name << " has no row";
  }
}

TEST(GToolDispatchTest, CallsMembersWithByReferenceResults) {
  GTool tool;
  std::vector<Variant> field{"a;;b;", ";", "3"};
  EXPECT_EQ(GToolDispatch().Invoke(tool, "paragib", field), Variant("b"));

  std::vector<Variant> colour{int32_t{16711680 + 32768 + 1}, Variant(), Variant(), Variant()};
  GToolDispatch().Invoke(tool, "RGBReverse", colour);
  EXPECT_EQ(colour[1], Variant(int16_t{1}));
  EXPECT_EQ(colour[2], Variant(int16_t{128}));
  EXPECT_EQ(colour[3], Variant(int16_t{255}));

  std::vector<Variant> text{"Größe"};
  EXPECT_EQ(GToolDispatch().Invoke(tool, "ReplaceGermanSonderzeichen", text), Variant("Groesse"));
  EXPECT_EQ(text[0], Variant("Groesse"));
}

}  // namespace
}  // namespace tessera
