#include "tessera/platform/profile/profile.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "../runtime/error_number.hpp"
#include "../runtime/lonely_fifo.hpp"
#include "support/temp_dir.hpp"
#include "tessera/platform/runtime/codepage.hpp"
#include "tessera/platform/runtime/error.hpp"

namespace tessera::platform {
namespace {

namespace fs = std::filesystem;
using tessera::testing::ReadBytes;
using tessera::testing::WriteBytes;
using testing::ErrorNumberOf;

struct stat StatusOf(const std::string& file) {
  struct stat info {};
  ::stat(file.c_str(), &info);
  return info;
}

int32_t Write(const std::string& file, const char* value = "2") {
  return ErrorNumberOf([&] { WritePrivateProfileStringA("s", "k", value, file.c_str()); });
}

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_ino == b.st_ino && a.st_uid == b.st_uid && a.st_gid == b.st_gid && a.st_mode == b.st_mode;
}

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

// A write through a symbolic link renames a new file into the link's target with the old mode; a
// file with hard links, or in a directory that takes no new files, is written in place.
TEST_F(Profile, AWriteKeepsModeAndLinksAndWritesInPlaceWhereItMust) {
  WriteBytes(file_, "[s]\nk=1\n");
  ::chmod(file_.c_str(), 0640);
  const std::string symbolic = dir_.File("link.ini"), hard = dir_.File("Raster-link.ini");
  fs::create_symlink(file_, symbolic);
  EXPECT_EQ(Write(symbolic), 0);
  EXPECT_TRUE(fs::is_symlink(symbolic));
  EXPECT_EQ(ReadBytes(file_), "[s]\nk=2\n");
  EXPECT_EQ(StatusOf(file_).st_mode & 07777, 0640U);

  fs::remove(symbolic);
  fs::create_hard_link(file_, hard);
  const struct stat before = StatusOf(file_);
  EXPECT_EQ(Write(file_, "a longer value than before"), 0);
  EXPECT_EQ(ReadBytes(hard), "[s]\nk=a longer value than before\n");
  EXPECT_TRUE(SameFile(StatusOf(file_), before));

  fs::remove(hard);
  ::chmod(dir_.path().c_str(), 0555);
  EXPECT_EQ(Write(file_, "3"), 0);
  EXPECT_EQ(ReadBytes(file_), "[s]\nk=3\n");
  EXPECT_TRUE(SameFile(StatusOf(file_), before));
  EXPECT_EQ(Write(dir_.File("Neu.ini")), err::kPermissionDenied);
  EXPECT_FALSE(fs::exists(dir_.File("Neu.ini")));
  ::chmod(dir_.path().c_str(), 0755);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), fs::directory_iterator()), 1);
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

// Writes that cannot be made raise their error and leave the file and its directory as they were;
// reads of the same places answer as if nothing could be read there. A read that waited for a
// pipe's writer would hang, so all of it must come back on its own.
TEST_F(Profile, WritesThatCannotBeMadeRaiseAndChangeNothing) {
  WriteBytes(file_, "[s]\nk=1\n");
  ::chmod(file_.c_str(), 0444);
  const struct stat before = StatusOf(file_);
  const testing::LonelyFifo fifo(dir_.File("pipe.ini"));
  const struct {
    std::string path;
    const char* read;
    int32_t error;
  } cases[] = {{file_, "1", err::kPermissionDenied},
               {dir_.File("fehlt/Raster.ini"), "d", err::kPathNotFound},
               {dir_.path().string(), "d", err::kPathFileAccessError},
               {fifo.path(), "d", err::kPathFileAccessError}};
  EXPECT_TRUE(fifo.Returns([&] {
    for (const auto& c : cases) {
      char buffer[8];
      const uint32_t n = GetPrivateProfileStringA("s", "k", "d", buffer, sizeof buffer, c.path.c_str());
      EXPECT_EQ(std::string(buffer, n), c.read) << c.path;
      EXPECT_EQ(Write(c.path), c.error) << c.path;
    }
  }));
  EXPECT_EQ(ReadBytes(file_), "[s]\nk=1\n");
  EXPECT_EQ(StatusOf(file_).st_mtim.tv_nsec, before.st_mtim.tv_nsec);
  for (const auto& entry : fs::recursive_directory_iterator(dir_.path())) {
    EXPECT_NE(entry.path().filename().string().front(), '.') << "temporary file left: " << entry.path();
  }
}

// The owner and group of a file that others share survive a write by any of them. Giving a file
// away takes the superuser, so the write is made by a child that has given up its privileges.
TEST_F(Profile, OwnerGroupAndModeOfASharedFileAreKept) {
  if (::geteuid() != 0) GTEST_SKIP() << "making a file of another owner takes the superuser";
  WriteBytes(file_, "[s]\nk=1\n");
  ::chown(file_.c_str(), 4321, 4322);
  ::chmod(file_.c_str(), 02666);
  ::chmod(dir_.path().c_str(), 0777);
  EXPECT_EQ(Write(file_), 0);  // privileged: through a new file that is given away
  EXPECT_EQ(StatusOf(file_).st_uid, 4321U);
  EXPECT_EQ(StatusOf(file_).st_gid, 4322U);
  EXPECT_EQ(StatusOf(file_).st_mode & 07777, 02666U);
  ::chmod(file_.c_str(), 0666);  // a write by anyone but the owner clears set-id bits anyway
  const struct stat shared = StatusOf(file_);
  const pid_t child = ::fork();
  if (child == 0) {
    const bool dropped = ::setgid(65534) == 0 && ::setuid(65534) == 0;
    ::_exit(dropped && Write(file_, "3") == 0 ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ReadBytes(file_), "[s]\nk=3\n");
  EXPECT_TRUE(SameFile(StatusOf(file_), shared));
}

TEST_F(Profile, TemporaryFilesOfWritersThatDiedAreRemoved) {
  const pid_t gone = ::fork();
  if (gone == 0) ::_exit(0);
  ::waitpid(gone, nullptr, 0);
  const std::string dead = ".Raster.ini.tessera-" + std::to_string(gone) + "-7";
  const std::string kept[] = {".Raster.ini.tessera-1-0", ".Raster.ini.tessera-" + std::to_string(gone),
                              ".Other.ini.tessera-" + std::to_string(gone) + "-0"};
  WriteBytes(dir_.File(dead), "[s]\nk=half");
  for (const auto& name : kept) WriteBytes(dir_.File(name), "");
  EXPECT_EQ(Write(file_), 0);
  EXPECT_FALSE(fs::exists(dir_.File(dead)));
  for (const auto& name : kept) EXPECT_TRUE(fs::exists(dir_.File(name))) << name;
}

}  // namespace
}  // namespace tessera::platform
