#include "tessera/text/ctextattribut.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/runtime/error_number.hpp"
#include "support/recorded_ui.hpp"
#include "support/temp_dir.hpp"
#include "tessera/platform/locale/user_locale.hpp"

namespace tessera {
namespace {

using platform::testing::ErrorNumberOf;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

class TextAttribut : public tessera::testing::RecordedUiTest {
 protected:
  static void Style(CTextAttribut& a) {
    a.FontName("Liberation Serif");
    a.FontSize(-7);
    a.FontColor(255);
    a.FontBold(true);
    a.FontUnderline(true);
    a.IniSection("Raumtext");
  }
  TempDir dir_;
  std::string ini_ = dir_.File("Talmo.ini");
  platform::ScopedUserLocale german_{"de-DE"};
};

// Init gives the defaults, and without a section neither member touches the file or the object.
TEST_F(TextAttribut, InitGivesTheDefaultsAndWithoutASectionNothingIsReadOrWritten) {
  WriteBytes(ini_, "[]\r\nFontSize=30\r\n");
  CTextAttribut a;
  Style(a);
  a.Init();
  EXPECT_EQ(a.FontName(), "Arial");
  EXPECT_EQ(a.FontSize(), 12);
  EXPECT_EQ(a.FontColor(), 0);
  EXPECT_FALSE(a.FontBold() || a.FontItalic() || a.FontStrikeThrough() || a.FontUnderline());
  EXPECT_EQ(a.IniSection(), "");
  a.Write2Ini(ini_);
  a.ReadFromIni(ini_);
  EXPECT_EQ(ReadBytes(ini_), "[]\r\nFontSize=30\r\n");
  EXPECT_EQ(a.FontSize(), 12);
}

TEST_F(TextAttribut, WritesTheKeysInOrderOrNoneWithOneReportAndReadsOrCopiesThem) {
  auto saved = std::make_shared<CTextAttribut>();
  Style(*saved);
  saved->Write2Ini(ini_);
  EXPECT_EQ(ReadBytes(ini_),
            "[Raumtext]\r\nFontName=Liberation Serif\r\nFontSize=-7\r\nFontColor=255\r\nFontBold=Wahr\r\n"
            "FontItalic=Falsch\r\nFontStrikeThrough=Falsch\r\nFontUnderline=Wahr\r\n");
  CTextAttribut loaded;
  loaded.IniSection("Raumtext");
  loaded.ReadFromIni(ini_);
  CTextAttribut copied;
  copied.CopyFrom(saved);
  for (const CTextAttribut* a : {&loaded, &copied}) {
    EXPECT_EQ(a->FontName(), "Liberation Serif");
    EXPECT_EQ(a->FontSize(), -7);
    EXPECT_EQ(a->FontColor(), 255);
    EXPECT_TRUE(a->FontBold() && a->FontUnderline());
    EXPECT_FALSE(a->FontItalic() || a->FontStrikeThrough());
    EXPECT_EQ(a->IniSection(), "Raumtext");
  }
  EXPECT_EQ(ErrorNumberOf([&] { copied.CopyFrom(nullptr); }), platform::err::kObjectNotSet);
  EXPECT_TRUE(ui_->message_boxes().empty());

  WriteBytes(ini_,
             "[T]\r\nFontName=\r\nFontSize=abc\r\nFontColor=99999999999\r\nFontBold=1\r\nFontItalic=ja\r\n"
             "FontUnderline=True\r\n");
  CTextAttribut a;
  a.IniSection("T");
  a.FontItalic(true);
  a.ReadFromIni(ini_);
  EXPECT_EQ(a.FontName(), "Arial");
  EXPECT_EQ(a.FontSize(), 12);
  EXPECT_EQ(a.FontColor(), 0);
  EXPECT_TRUE(a.FontBold());
  EXPECT_TRUE(a.FontItalic()) << "'ja' is no Boolean";
  EXPECT_FALSE(a.FontStrikeThrough());
  EXPECT_TRUE(a.FontUnderline());
  EXPECT_TRUE(ui_->message_boxes().empty());

  // A file that cannot take the seven keys gets none of them and one plain report, not one per key.
  WriteBytes(ini_, "[Raumtext]\r\nFontSize=30\r\n");
  std::filesystem::permissions(ini_, std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  std::filesystem::create_directory(dir_.path() / "folder.ini");
  const struct {
    std::string path;
    std::string description;
  } cases[] = {{ini_, "Permission denied"},
               {dir_.File("folder.ini"), "Path/File access error"},
               {dir_.File("gone/Talmo.ini"), "Path not found"}};
  CTextAttribut styled;
  Style(styled);
  for (const auto& c : cases) {
    const std::size_t shown = ui_->message_boxes().size();
    styled.Write2Ini(c.path);
    ASSERT_EQ(ui_->message_boxes().size(), shown + 1) << c.path;
    EXPECT_EQ(ui_->message_boxes().back(), (platform::MessageBoxCall{c.description, 16, "Tessera"}));
  }
  EXPECT_EQ(ReadBytes(ini_), "[Raumtext]\r\nFontSize=30\r\n");
}

}  // namespace
}  // namespace tessera
