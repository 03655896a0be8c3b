#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/recorded_ui.hpp"
#include "support/temp_dir.hpp"
#include "tessera/platform/runtime/host_path.hpp"
#include "tessera/tool/gtool.hpp"

namespace tessera {
namespace {

using platform::Collection;
using platform::Variant;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

// A settings file as users have them: comments, blank lines, mixed line ends, a cp1252 umlaut
// (0xE4) and a value holding "=".
constexpr std::string_view kSettings =
    "; Raster placement\r\n"
    "[Raster]\r\n"
    "File=plan.bmp\r\n"
    "Empty=\n"
    "Formula=a=b+c\r\n"
    "\r\n"
    "[R\xE4ume]\n"
    "Name=B\xFCro\n";

class GToolIniTest : public tessera::testing::RecordedUiTest {
 protected:
  void SetUp() override { WriteBytes(file_, kSettings); }

  std::vector<std::string> Items(const Collection& coll) const {
    std::vector<std::string> items;
    for (int32_t i = 1; i <= coll.Count(); ++i) items.push_back(coll.Item(i).AsString());
    return items;
  }
  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> texts;
    for (const auto& box : ui_->message_boxes()) texts.push_back(box.text);
    return texts;
  }

  TempDir dir_;
  std::filesystem::path file_ = dir_.path() / "Raster.ini";
  std::string path_ = platform::ToLibraryPath(file_);
  GTool tool_;
};

TEST_F(GToolIniTest, ReadsValuesWithTheDefaultForEmptyOrMissingOnesAndCutsLongOnes) {
  EXPECT_EQ(tool_.GetIniString(path_, "raster", "FILE", "-"), "plan.bmp");
  EXPECT_EQ(tool_.GetIniString(path_, "Raster", "Formula", "-"), "a=b+c");
  EXPECT_EQ(tool_.GetIniString(path_, "Raster", "Empty", "-"), "-");
  EXPECT_EQ(tool_.GetIniString(path_, "Räume", "Name", "-"), "Büro");
  EXPECT_EQ(tool_.GetIniString(path_ + ".missing", "Raster", "File", "none"), "none");
  EXPECT_TRUE(ui_->message_boxes().empty());

  tool_.WriteIniString(path_, "Long", "Value", std::string(3000, 'x'));
  EXPECT_EQ(tool_.GetIniString(path_, "Long", "Value", ""), std::string(2047, 'x'));
}

TEST_F(GToolIniTest, WritesChangeOnlyTheirLineOrSectionAndNeedTopicItemAndNoNul) {
  tool_.WriteIniString(path_, "Raster", "File", "Größe.bmp");
  std::string expected(kSettings);
  expected.replace(expected.find("plan.bmp"), 8,
                   "Gr\xF6\xDF"
                   "e.bmp");
  EXPECT_EQ(ReadBytes(file_), expected);
  tool_.WriteIniString(path_, "", "File", "x");
  tool_.WriteIniString(path_, "Raster", "", "x");
  EXPECT_EQ(ReadBytes(file_), expected);

  tool_.WriteIniString(path_, std::string("Ras\0ter", 7), "File", "x");
  EXPECT_EQ(tool_.GetIniString(path_, "Raster", std::string("Fi\0le", 5), "-"), "-");
  EXPECT_EQ(ReadBytes(file_), expected);
  ASSERT_EQ(ui_->message_boxes().size(), 2u);
  EXPECT_EQ(ui_->message_boxes()[0].style, 16);
  EXPECT_EQ(ui_->message_boxes()[0].title, "Tessera");

  auto coll = std::make_shared<Collection>();
  coll->Add(Variant("Name=Küche"));
  coll->Add(Variant("Id=7"));
  tool_.WriteIniSection(path_, "Räume", coll);
  EXPECT_EQ(ReadBytes(file_).substr(expected.find("[R\xE4")),
            "[R\xE4ume]\nName=K\xFC"
            "che\r\nId=7\r\n");
  tool_.WriteIniSection(path_, "Räume", std::make_shared<Collection>());
  tool_.WriteIniSection(path_, "Räume", nullptr);
  EXPECT_EQ(tool_.GetIniString(path_, "Räume", "Id", ""), "7");
}

TEST_F(GToolIniTest, ReadsASectionIntoKeyedItemsFailsOnADuplicateKeyAndCutsALongOne) {
  auto coll = std::make_shared<Collection>();
  coll->Add(Variant("old"));
  EXPECT_TRUE(tool_.GetIniSection(path_, "Raster", coll));
  EXPECT_EQ(Items(*coll), (std::vector<std::string>{"File=plan.bmp", "Empty=", "Formula=a=b+c"}));
  EXPECT_EQ(coll->Item("formula").AsString(), "Formula=a=b+c");

  std::shared_ptr<Collection> none;
  EXPECT_TRUE(tool_.GetIniSection(path_, "Räume", none));
  ASSERT_NE(none, nullptr);
  EXPECT_EQ(Items(*none), (std::vector<std::string>{"Name=Büro"}));

  auto kept = std::make_shared<Collection>();
  kept->Add(Variant("kept"));
  EXPECT_TRUE(tool_.GetIniSection(path_, "Nothing", kept));
  EXPECT_TRUE(tool_.GetIniSection(path_ + ".missing", "Raster", kept));
  EXPECT_EQ(Items(*kept), (std::vector<std::string>{"kept"}));
  std::shared_ptr<Collection> created;
  EXPECT_FALSE(tool_.GetIniSection(path_, "", created));
  EXPECT_EQ(created, nullptr);

  WriteBytes(file_, "[Dup]\r\nA=1\r\nb=2\r\na=3\r\nNoEquals\r\n");
  auto dup = std::make_shared<Collection>();
  EXPECT_FALSE(tool_.GetIniSection(path_, "Dup", dup));
  EXPECT_EQ(Items(*dup), (std::vector<std::string>{"A=1", "b=2"}));
  EXPECT_EQ(BoxTexts(),
            (std::vector<std::string>{"This key is already associated with an element of this collection"}));

  std::string section = "[Big]\r\n";
  for (int i = 0; i < 300; ++i) section += "Key" + std::to_string(1000 + i) + "=v\r\n";  // 3300 characters
  WriteBytes(file_, section);
  auto big = std::make_shared<Collection>();
  EXPECT_TRUE(tool_.GetIniSection(path_, "Big", big));
  // 9 characters and a NUL per line: 204 whole lines fit in the 2046 characters before the two
  // closing NULs, and 6 characters of the 205th.
  ASSERT_EQ(big->Count(), 205);
  EXPECT_EQ(big->Item(204).AsString(), "Key1203=v");
  EXPECT_EQ(big->Item(205).AsString(), "Key120");
}

TEST_F(GToolIniTest, ListsHeaderLinesTrimmedOfSpacesAndReportsMissingFilesAndDuplicates) {
  WriteBytes(file_, "[A]\r\n [B] \nx=[y]\r\n\t[Tab]\r[C]");
  auto topics = std::make_shared<Collection>();
  topics->Add(Variant("before"));
  tool_.GetIniTopics(path_, topics);
  EXPECT_EQ(Items(*topics), (std::vector<std::string>{"before", "[A]", "[B]", "[C]"}));
  EXPECT_EQ(topics->Item("$[b]").AsString(), "[B]");
  EXPECT_TRUE(ui_->message_boxes().empty());

  auto reported = std::make_shared<Collection>();
  tool_.GetIniTopics(path_ + ".missing", reported);
  WriteBytes(file_, "[A]\r\n[B]\r\n[a]\r\n[C]\r\n");
  tool_.GetIniTopics(path_, reported);
  EXPECT_EQ(Items(*reported), (std::vector<std::string>{"[A]", "[B]"}));
  EXPECT_EQ(BoxTexts(),
            (std::vector<std::string>{
                "GTool.GetIniTopics\r\nFile not found",
                "GTool.GetIniTopics\r\nThis key is already associated with an element of this collection"}));
}

}  // namespace
}  // namespace tessera
