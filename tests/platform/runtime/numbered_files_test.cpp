#include "tessera/platform/runtime/numbered_files.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "error_number.hpp"
#include "lonely_fifo.hpp"
#include "support/temp_dir.hpp"
#include "tessera/platform/runtime/regular_file.hpp"

namespace tessera::platform {
namespace {

using tessera::testing::ReadBytes;
using tessera::testing::TempDir;
using tessera::testing::WriteBytes;
using testing::ErrorNumberOf;

class NumberedFiles : public ::testing::Test {
 protected:
  ~NumberedFiles() override { CloseAllFiles(); }
  std::string File(std::string_view name, std::string_view bytes) {
    WriteBytes(dir_.path() / name, bytes);
    return dir_.File(name);
  }
  TempDir dir_;
};

TEST_F(NumberedFiles, LineInputEndsAtCrOrCrLfAndTextCrossesInTheAnsiCodePageWithCrLf) {
  OpenFile(File("t.txt", "a\r\n\r\nb\nc\rd"), FileMode::kInput, 1);
  std::vector<std::string> lines;
  while (!Eof(1)) lines.push_back(LineInput(1));
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "", "b\nc", "d"}));
  EXPECT_EQ(ErrorNumberOf([] { LineInput(1); }), err::kInputPastEndOfFile);
  const std::string path = dir_.File("out.txt");
  OpenFile(path, FileMode::kOutput, 3);
  PrintLine(3, "Größe €");
  CloseFile(3);
  OpenFile(path, FileMode::kAppend, 3);
  PrintLine(3, "x");
  EXPECT_EQ(LOF(3), 12);
  CloseFile(3);
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_LT(info.st_blocks * 512, 64 * 1024) << "close gives back the space claimed ahead";
  EXPECT_EQ(ReadBytes(path),
            "Gr\xF6\xDF"
            "e \x80\r\nx\r\n");
  OpenFile(path, FileMode::kInput, 3);
  Seek(3, 3);
  EXPECT_EQ(InputChars(3, 3), "öße");
  EXPECT_EQ(Seek(3), 6);
  EXPECT_EQ(ErrorNumberOf([] { InputChars(20, 3); }), err::kInputPastEndOfFile);
}

TEST_F(NumberedFiles, FreeFileAnswersTheLowestFreeNumberUntilNoneIsLeft) {
  const std::string path = File("shared.txt", "x");
  for (int16_t number = 1; number <= kMaxFileNumber; ++number) OpenFile(path, FileMode::kInput, number);
  EXPECT_EQ(ErrorNumberOf([] { FreeFile(); }), err::kTooManyFiles);
  CloseFile(7);
  CloseFile(4);
  EXPECT_EQ(FreeFile(), 4);
}

TEST_F(NumberedFiles, RaisesTheRuntimeErrors) {
  const std::string text = File("t.txt", "line\r\n");
  OpenFile(text, FileMode::kInput, 1);
  const std::string missing_dir = dir_.File("nowhere") + "\\f.txt";
  const struct {
    const char* what;
    std::function<void()> operation;
    int32_t number;
  } cases[] = {
      {"number 0", [&] { OpenFile(text, FileMode::kInput, 0); }, err::kBadFileNameOrNumber},
      {"number 256", [&] { OpenFile(text, FileMode::kInput, 256); }, err::kBadFileNameOrNumber},
      {"number not open", [] { LineInput(2); }, err::kBadFileNameOrNumber},
      {"missing file", [&] { OpenFile(dir_.File("none.txt"), FileMode::kInput, 2); }, err::kFileNotFound},
      {"print to input", [] { PrintLine(1, "x"); }, err::kBadFileMode},
      {"bytes from input", [] { GetBytes(1, 1); }, err::kBadFileMode},
      {"number in use", [&] { OpenFile(text, FileMode::kInput, 1); }, err::kFileAlreadyOpen},
      {"output beside input", [&] { OpenFile(text, FileMode::kOutput, 2); }, err::kFileAlreadyOpen},
      {"seek to 0", [] { Seek(1, 0); }, err::kBadRecordNumber},
      {"directory", [&] { OpenFile(dir_.path().string(), FileMode::kInput, 2); }, err::kPathFileAccessError},
      {"empty name", [] { OpenFile("", FileMode::kInput, 2); }, err::kPathFileAccessError},
      {"missing directory", [&] { OpenFile(missing_dir, FileMode::kOutput, 2); }, err::kPathNotFound},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorNumberOf(c.operation), c.number) << c.what;
  EXPECT_EQ(FreeFile(), 2) << "no failed open keeps its number";
  EXPECT_EQ(ReadBytes(text), "line\r\n") << "the refused output did not truncate";
}

TEST_F(NumberedFiles, APipeInTheFilesPlaceIsRefusedWithoutWaiting) {
  const testing::LonelyFifo fifo(dir_.File("pipe.txt"));
  for (const FileMode mode : {FileMode::kInput, FileMode::kOutput}) {
    EXPECT_TRUE(fifo.Returns([&] {
      EXPECT_EQ(ErrorNumberOf([&] { OpenFile(fifo.path(), mode, 1); }), err::kPathFileAccessError);
    }));
  }
  EXPECT_EQ(FreeFile(), 1);
}

TEST_F(NumberedFiles, AFileThatAnotherOpenWritesIsRefusedWithPermissionDenied) {
  const std::string path = File("locked.txt", "old");
  const int other = ::open(path.c_str(), O_RDWR);
  ASSERT_EQ(::flock(other, LOCK_EX), 0);
  EXPECT_EQ(ErrorNumberOf([&] { OpenFile(path, FileMode::kInput, 1); }), err::kPermissionDenied);
  EXPECT_EQ(ErrorNumberOf([&] { OpenFile(path, FileMode::kOutput, 1); }), err::kPermissionDenied);
  ::close(other);
  EXPECT_EQ(ReadBytes(path), "old");
  // Readers share: a second reader is welcome, a writer is not.
  OpenFile(path, FileMode::kInput, 1);
  OpenFile(path, FileMode::kBinary, 2, FileAccess::kRead);
  EXPECT_EQ(ErrorNumberOf([&] { OpenFile(path, FileMode::kBinary, 3, FileAccess::kWrite); }),
            err::kPermissionDenied);
}

TEST_F(NumberedFiles, BinaryAndRandomPositions) {
  const std::string path = File("b.bin", "abcdef");
  OpenFile(path, FileMode::kBinary, 1, FileAccess::kWrite);
  Seek(1, 3);
  PutBytes(1, "XY");
  EXPECT_EQ(ErrorNumberOf([] { GetBytes(1, 1); }), err::kPathFileAccessError);
  CloseFile(1);
  EXPECT_EQ(ReadBytes(path), "abXYef") << "a binary write open keeps the rest of the file";
  OpenFile(path, FileMode::kRandom, 1, FileAccess::kReadWrite, 2);
  Seek(1, 3);
  EXPECT_EQ(Seek(1), 3);
  EXPECT_EQ(ErrorNumberOf([] { LineInput(1); }), err::kBadFileMode);
}

// A full disk fails the write that needs the space, whether space is claimed ahead or every write
// goes straight through; what was accepted before is written out whole, and nothing else.
TEST_F(NumberedFiles, AFullDiskFailsTheWriteThatNeedsTheSpace) {
  for (const bool claims : {true, false}) {
    const std::string path = dir_.File("f.txt");
    OpenFile(path, FileMode::kOutput, 1);
    std::string accepted;
    {
      const ScopedDiskSpace disk(20, claims);
      for (const char* line : {"abcdef", "ghijkl", "m", "nopqrstu"}) {
        if (ErrorNumberOf([&] { PrintLine(1, line); }) == 0) accepted += std::string(line) + "\r\n";
      }
      EXPECT_EQ(ErrorNumberOf([] { PrintLine(1, "vwxyz"); }), err::kDiskFull) << claims;
      EXPECT_EQ(LOF(1), static_cast<int32_t>(accepted.size()));
      CloseFile(1);
    }
    EXPECT_EQ(accepted, "abcdef\r\nghijkl\r\nm\r\n") << claims;
    EXPECT_EQ(ReadBytes(path), accepted) << claims;
  }
}

TEST_F(NumberedFiles, ReadingFollowsTheFileAsItIsNow) {
  const std::string path = File("grows.txt", "one\r\ntwo\r\nthree\r\n");
  OpenFile(path, FileMode::kInput, 1);
  EXPECT_EQ(LineInput(1), "one");
  std::filesystem::resize_file(path, 7);
  EXPECT_EQ(LOF(1), 7);
  EXPECT_EQ(LineInput(1), "tw") << "the bytes read ahead are no longer the file's";
  EXPECT_TRUE(Eof(1));
  EXPECT_EQ(ErrorNumberOf([] { InputChars(1, 1); }), err::kInputPastEndOfFile);
  WriteBytes(path, "one\r\ntwo\r\nfour\rfive");
  EXPECT_FALSE(Eof(1));
  EXPECT_EQ(InputUntil(1, "\r", 100), "o");
  EXPECT_EQ(InputChars(2, 1), "\r\n");
  EXPECT_EQ(InputUntil(1, "\r\n", 2), "fo");
  EXPECT_EQ(LineInput(1), "ur");
  EXPECT_EQ(InputUntil(1, "\r", 100), "five");
  EXPECT_EQ(InputUntil(1, "\r", 100), "");
}

// Missing files, directories and pipes come back through the numbered files' errors above.
TEST(OpenRegularFile, OpensFilesOnlyAndBlocksAgainOnceItIsChecked) {
  const TempDir dir;
  WriteBytes(dir.path() / "plan.ini", "[s]\n");
  struct stat info {};
  const Descriptor file = OpenRegularFile(dir.path() / "plan.ini", O_RDONLY, info);
  ASSERT_TRUE(file);
  EXPECT_EQ(info.st_size, 4);
  char byte = 0;
  EXPECT_EQ(::read(file.get(), &byte, 1), 1) << "reads block again once the file is checked";
  for (const auto& [path, error] : {std::pair{dir.path() / "plan.ini" / "x", ENOTDIR},
                                    std::pair{std::filesystem::path("/dev/null"), ENODEV}}) {
    struct stat ignored {};
    EXPECT_FALSE(OpenRegularFile(path, O_RDONLY, ignored)) << path;
    EXPECT_EQ(errno, error) << path;
  }
}

}  // namespace
}  // namespace tessera::platform
