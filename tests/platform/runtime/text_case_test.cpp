#include "tessera/platform/runtime/text_case.hpp"

#include <gtest/gtest.h>

namespace tessera::platform {
namespace {

TEST(TextCase, MapsEachCharacterWithoutChangingTheLength) {
  EXPECT_EQ(UCase("größe straße"), "GRÖßE STRAßE");
  EXPECT_EQ(LCase("ÄÖÜ Été"), "äöü été");
  EXPECT_EQ(UCase("a\x80z"), "A\xEF\xBF\xBDZ");
}

TEST(TextCase, CaseBlindEqualityFoldsEveryCharacter) {
  EXPECT_TRUE(EqualsIgnoringCase("Raster", "rASTER"));
  EXPECT_TRUE(EqualsIgnoringCase("ÄRGER", "ärger"));
  EXPECT_FALSE(EqualsIgnoringCase("Straße", "STRASSE"));
  EXPECT_FALSE(EqualsIgnoringCase("abc", "ab"));
  EXPECT_EQ(FoldCase("DATEI"), FoldCase("datei"));
}

}  // namespace
}  // namespace tessera::platform
