#include "tessera/platform/profile/profile.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "../runtime/error_number.hpp"
#include "support/temp_dir.hpp"
#include "tessera/platform/runtime/codepage.hpp"
#include "tessera/platform/runtime/error.hpp"

namespace tessera::platform {
namespace {

using tessera::testing::ReadBytes;
using tessera::testing::WriteBytes;
using testing::ErrorNumberOf;

class Profile : public ::testing::Test {
 protected:
  std::string Get(const char* section, const char* key, const char* default_value = "",
                  uint32_t size = 2048) {
    std::string buffer(size, ' ');
    const uint32_t n =
        GetPrivateProfileStringA(section, key, default_value, buffer.data(), size, file_.c_str());
    return buffer.substr(0, n);
  }
  std::string Section(const char* section, uint32_t size = 2048, uint32_t* count = nullptr) {
    std::string buffer(size, ' ');
    const uint32_t n = GetPrivateProfileSectionA(section, buffer.data(), size, file_.c_str());
    if (count != nullptr) *count = n;
    return buffer.substr(0, n + 1);
  }

  tessera::testing::TempDir dir_;
  std::string file_ = dir_.File("Raster.ini");
};

TEST_F(Profile, ValuesAndListsWithTheirDefaultsAndCuts) {
  WriteBytes(file_, "[5]\r\nDatei=plan.bmp\r\nLeer=\r\nQuote=\"a b \"\r\nHalb=\"a\r\nLang=" +
                        std::string(3000, 'y') + "\r\n");
  EXPECT_EQ(Get("5", "DATEI"), "plan.bmp");
  EXPECT_EQ(Get("5", "Leer", "dflt"), "");
  EXPECT_EQ(Get("5", "Quote"), "a b ");
  EXPECT_EQ(Get("5", "Halb"), "\"a");
  EXPECT_EQ(Get("5", "Fehlt", "Wahr  "), "Wahr");
  EXPECT_EQ(Get("5", "Fehlt", nullptr), "");
  EXPECT_EQ(Get("5", "Lang"), std::string(2047, 'y'));
  EXPECT_EQ(Get("5", "Datei", "", 5), "plan");
  char untouched = 'x';
  EXPECT_EQ(GetPrivateProfileStringA("5", "Datei", "", &untouched, 0, file_.c_str()), 0U);
  EXPECT_EQ(untouched, 'x');
  // Section and name lists end in two NULs; cut short, they answer the size minus two.
  WriteBytes(file_, "[a]\nx = 1\n; note\ny=22\nbare\n[b]\n[A]\nz=3\n");
  uint32_t count = 0;
  EXPECT_EQ(Section("A", 2048, &count), std::string("x=1\0y=22\0bare\0\0", 15));
  EXPECT_EQ(count, 14U);
  std::string cut(8, ' ');
  EXPECT_EQ(GetPrivateProfileSectionA("a", cut.data(), 8, file_.c_str()), 6U);
  EXPECT_EQ(cut, std::string("x=1\0y=\0\0", 8));
  EXPECT_EQ(Section("b", 2048, &count), std::string("\0", 1));
  EXPECT_EQ(count, 0U);
  EXPECT_EQ(Get(nullptr, nullptr), std::string("a\0b\0", 4));
  EXPECT_EQ(Get("a", nullptr), std::string("x\0y\0", 4));
}

TEST_F(Profile, AMissingFileReadsAsDefaultsAndIsCreatedWithCrlf) {
  EXPECT_EQ(Get("5", "Datei", "keine"), "keine");
  EXPECT_EQ(Section("5"), std::string("\0", 1));
  WritePrivateProfileStringA("5", "Datei", "plan.bmp", file_.c_str());
  WritePrivateProfileStringA("5", "Faktor", "12,5", file_.c_str());
  EXPECT_EQ(ReadBytes(file_), "[5]\r\nDatei=plan.bmp\r\nFaktor=12,5\r\n");
  WritePrivateProfileSectionA("6", "DX=1\0DY=2\0", file_.c_str());
  WritePrivateProfileSectionA("5", "Datei=x.bmp\0", file_.c_str());
  EXPECT_EQ(ReadBytes(file_), "[5]\r\nDatei=x.bmp\r\n[6]\r\nDX=1\r\nDY=2\r\n");
  WritePrivateProfileStringA("5", nullptr, nullptr, file_.c_str());
  WritePrivateProfileStringA("6", "DX", nullptr, file_.c_str());
  EXPECT_EQ(ReadBytes(file_), "[6]\r\nDY=2\r\n");
}

TEST_F(Profile, BytesOfTheAnsiCodePageGoThroughUnchanged) {
  WriteBytes(file_, ToAnsi("[GrÖßE]\r\nGröße=ä\r\n"));
  EXPECT_EQ(Get(ToAnsi("größe").c_str(), ToAnsi("GRÖßE").c_str()), ToAnsi("ä"));
  WritePrivateProfileStringA(ToAnsi("größe").c_str(), ToAnsi("€").c_str(), ToAnsi("ü").c_str(),
                             file_.c_str());
  EXPECT_EQ(ReadBytes(file_), ToAnsi("[GrÖßE]\r\nGröße=ä\r\n€=ü\r\n"));
}

TEST_F(Profile, NamesThatCannotBeStoredAreRefusedAndTheFileKept) {
  WriteBytes(file_, "[s]\nk=1\n");
  for (const auto& [section, key, value] : {std::tuple{"s\n", "k", "v"},
                                            {"s", "k\r", "v"},
                                            {"s", "k", "v\nx"},
                                            {"s", "a=b", "v"},
                                            {"s]", "k", "v"},
                                            {" ", "k", "v"},
                                            {"s", "[k", "v"}}) {
    EXPECT_EQ(ErrorNumberOf([&] { WritePrivateProfileStringA(section, key, value, file_.c_str()); }),
              err::kInvalidProcedureCall)
        << section << "/" << key << "/" << value;
  }
  EXPECT_EQ(ErrorNumberOf([&] { WritePrivateProfileSectionA("s", "a\nb\0", file_.c_str()); }),
            err::kInvalidProcedureCall);
  EXPECT_EQ(ReadBytes(file_), "[s]\nk=1\n");
}

TEST_F(Profile, AWriteKeepsPermissionsAndSymbolicLinks) {
  WriteBytes(file_, "[s]\nk=1\n");
  ::chmod(file_.c_str(), 0640);
  const std::string link = dir_.File("link.ini");
  std::filesystem::create_symlink(file_, link);
  WritePrivateProfileStringA("s", "k", "2", link.c_str());
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadBytes(file_), "[s]\nk=2\n");
  struct stat info {};
  ::stat(file_.c_str(), &info);
  EXPECT_EQ(info.st_mode & 07777, 0640U);
}

TEST_F(Profile, ChangesByOthersAreSeenDespiteTheCache) {
  WriteBytes(file_, "[s]\nk=1\n");
  EXPECT_EQ(Get("s", "k"), "1");
  // Same size, written in place: only the modification time tells the versions apart.
  WriteBytes(file_, "[s]\nk=2\n");
  const timespec times[2] = {{0, UTIME_OMIT}, {1'000'000'000, 123}};
  ::utimensat(AT_FDCWD, file_.c_str(), times, 0);
  EXPECT_EQ(Get("s", "k"), "2");
  WritePrivateProfileStringA("s", "k", "3", file_.c_str());
  EXPECT_EQ(Get("s", "k"), "3");
}

TEST_F(Profile, ABinaryFileReadsWithoutHarmAndIsEditedLikeText) {
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary.push_back(static_cast<char>((i * 131 + 7) % 256));
  WriteBytes(file_, binary);
  EXPECT_EQ(Get("s", "k", "d"), "d");
  WritePrivateProfileStringA("neu", "k", "v", file_.c_str());
  const std::string after = ReadBytes(file_);
  EXPECT_EQ(after.substr(0, binary.size()), binary);
  EXPECT_EQ(Get("neu", "k"), "v");
}

}  // namespace
}  // namespace tessera::platform
