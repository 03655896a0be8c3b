// What a settings file keeps through a write: its protection, owner, group, mode, hard links and
// place; and what a write leaves behind or clears away beside it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "../runtime/error_number.hpp"
#include "../runtime/lonely_fifo.hpp"
#include "support/temp_dir.hpp"
#include "tessera/platform/profile/profile.hpp"
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

class ProfileRewrite : public ::testing::Test {
 protected:
  tessera::testing::TempDir dir_;
  std::string file_ = dir_.File("Raster.ini");
};

// Writes that cannot be made raise their error and leave the file and its directory as they were;
// reads of the same places answer as if nothing could be read there. A read that waited for a
// pipe's writer would hang, so all of it must come back on its own.
TEST_F(ProfileRewrite, WritesThatCannotBeMadeRaiseAndChangeNothing) {
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

TEST_F(ProfileRewrite, HardLinksAndAWriteProtectedDirectoryAreWrittenInPlace) {
  WriteBytes(file_, "[s]\nk=1\n");
  const std::string other_name = dir_.File("Raster-link.ini");
  fs::create_hard_link(file_, other_name);
  const struct stat before = StatusOf(file_);
  EXPECT_EQ(Write(file_, "a longer value than before"), 0);
  EXPECT_EQ(ReadBytes(other_name), "[s]\nk=a longer value than before\n");
  EXPECT_TRUE(SameFile(StatusOf(file_), before));

  fs::remove(other_name);
  ::chmod(dir_.path().c_str(), 0555);
  EXPECT_EQ(Write(file_, "3"), 0);
  EXPECT_EQ(ReadBytes(file_), "[s]\nk=3\n");
  EXPECT_TRUE(SameFile(StatusOf(file_), before));
  EXPECT_EQ(Write(dir_.File("Neu.ini")), err::kPermissionDenied);
  EXPECT_FALSE(fs::exists(dir_.File("Neu.ini")));
  ::chmod(dir_.path().c_str(), 0755);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), fs::directory_iterator()), 1);
}

// The owner and group of a file that others share survive a write by any of them. Giving a file
// away takes the superuser, so the write is made by a child that has given up its privileges.
TEST_F(ProfileRewrite, OwnerGroupAndModeOfASharedFileAreKept) {
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

TEST_F(ProfileRewrite, TemporaryFilesOfWritersThatDiedAreRemoved) {
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
