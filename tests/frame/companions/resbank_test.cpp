#include <gtest/gtest.h>

#include <cstdlib>

#include "support/temp_dir.hpp"
#include "tessera/frame/companions/resbank/resbank_strings.hpp"
#include "tessera/platform/locale/user_locale.hpp"

namespace resbank {
namespace {

using tessera::testing::TempDir;
using tessera::testing::WriteBytes;

class ResbankTest : public ::testing::Test {
 protected:
  void SetUp() override { ::setenv("TESSERA_RESBANK_PATH", dir_.path().c_str(), 1); }
  void TearDown() override { ::unsetenv("TESSERA_RESBANK_PATH"); }

  TempDir dir_;
};

TEST_F(ResbankTest, TakesTheCatalogueOfTheUsersLanguage) {
  WriteBytes(dir_.path() / "Resbank.de.txt",
             "# German\n13003 = Transformation konnte nicht gelesen werden\n1001 =\n");
  WriteBytes(dir_.path() / "Resbank.en.txt", "13003 = Cannot read\n");
  WriteBytes(dir_.path() / "Resbank.de-CH.txt", "13003 = Schweiz\n");

  ResbankStrings strings;
  EXPECT_EQ(strings.GetText(13003), "");  // nothing bound yet
  {
    tessera::platform::ScopedUserLocale locale("de-AT");
    strings.Attach("Resbank.dll");
  }
  EXPECT_EQ(strings.GetText(13003), "Transformation konnte nicht gelesen werden");
  EXPECT_EQ(strings.GetText(1001), "");
  EXPECT_EQ(strings.GetText(4711), "");
  {
    tessera::platform::ScopedUserLocale locale("de-CH");
    strings.Attach("Resbank.dll");
  }
  EXPECT_EQ(strings.GetText(13003), "Schweiz");
  {
    tessera::platform::ScopedUserLocale locale("en-US");
    strings.Attach("C:\\Programme\\Talmo\\Resbank.dll");
  }
  EXPECT_EQ(strings.GetText(13003), "Cannot read");
}

TEST_F(ResbankTest, NoCatalogueLeavesEveryTextEmpty) {
  tessera::platform::ScopedUserLocale locale("fr-FR");
  ResbankStrings strings;
  strings.Attach("Resbank.dll");
  EXPECT_TRUE(strings.CatalogueFile().empty());
  EXPECT_EQ(strings.GetText(13101), "");
}

TEST_F(ResbankTest, MalformedCatalogueFailsAndKeepsTheEarlierBinding) {
  tessera::platform::ScopedUserLocale locale("de-DE");
  WriteBytes(dir_.path() / "Resbank.de.txt", "13101 = Rasterdatei laden\n");
  ResbankStrings strings;
  strings.Attach("Resbank.dll");
  WriteBytes(dir_.path() / "Resbank.de.txt", "13101 = Neu\nkein Text\n");
  try {
    strings.Attach("Resbank.dll");
    ADD_FAILURE() << "a malformed catalogue was accepted";
  } catch (const tessera::platform::RuntimeError& e) {
    EXPECT_EQ(e.number(), 5);
    EXPECT_EQ(e.source(), "Resbank");
    EXPECT_NE(e.description().find("line 2"), std::string::npos) << e.description();
  }
  EXPECT_EQ(strings.GetText(13101), "Rasterdatei laden");
}

TEST(ResbankCatalogue, ParsesEscapesAndRejectsBadLines) {
  const auto texts = ParseCatalogue("1 = a\\r\\nb\\\\c\\t\n  2=  x = y  \r\n\n# 3 = no\n", "t");
  EXPECT_EQ(texts.at(1), "a\r\nb\\c\t");
  EXPECT_EQ(texts.at(2), "x = y");
  EXPECT_FALSE(texts.contains(3));
  for (const char* bad : {"x = 1", "1 = a\n1 = b", "99999999999 = big", "1 = bad\\q", "= empty id"}) {
    EXPECT_THROW(ParseCatalogue(bad, "t"), tessera::platform::RuntimeError) << bad;
  }
}

TEST(ResbankCatalogue, ShippedCataloguesHoldEveryTextButTheTwoSettings) {
  for (const char* language : {"de", "en"}) {
    const std::string file = std::string(TESSERA_CATALOGUE_DIR) + "/Resbank." + language + ".txt";
    const auto texts = ParseCatalogue(tessera::testing::ReadBytes(file), file);
    for (int32_t id : {1041, 1042, 1061, 1160, 1186, 1197, 1211, 1217, 1234, 1301, 13002, 13003, 13101, 13201,
                       13202, 13303}) {
      EXPECT_FALSE(texts.at(id).empty()) << language << " " << id;
    }
    EXPECT_EQ(texts.at(1001), "");
    EXPECT_EQ(texts.at(1258), "");
  }
}

}  // namespace
}  // namespace resbank
