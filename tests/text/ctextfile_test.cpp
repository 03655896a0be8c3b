#include "tessera/text/ctextfile.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/small_tmpfs.hpp"
#include "support/temp_dir.hpp"
#include "tessera/platform/runtime/numbered_files.hpp"

namespace tessera {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

class TextFile : public ::testing::Test {
 protected:
  // A CTextFile on a file holding `bytes`.
  CTextFile& On(std::string_view name, std::string_view bytes) {
    WriteBytes(dir_.path() / name, bytes);
    file_.FilePath(dir_.File(name));
    return file_;
  }
  TempDir dir_;
  CTextFile file_;
};

std::vector<std::string> AllLines(CTextFile& file, bool (CTextFile::*read)(std::string&)) {
  std::vector<std::string> lines;
  std::string line;
  while ((file.*read)(line)) lines.push_back(line);
  return lines;
}

TEST_F(TextFile, OpenFileRefusesWithoutChangingAnythingAndWritesNeedAWritingMode) {
  EXPECT_FALSE(file_.OpenFile(foInput)) << "empty path";
  On("t.txt", "x");
  EXPECT_FALSE(file_.OpenFile(foBinary));
  EXPECT_EQ(file_.FileNr(), 0);
  file_.FilePath(dir_.File("missing.txt"));
  EXPECT_FALSE(file_.OpenFile(foInput));
  EXPECT_FALSE(file_.IsOpen());
  EXPECT_EQ(file_.FileNr(), 0);
  file_.FilePath(dir_.File("t.txt"));
  ASSERT_TRUE(file_.OpenFile(foInput));
  const int16_t number = file_.FileNr();
  EXPECT_FALSE(file_.OpenFile(foOutput)) << "a second open";
  EXPECT_EQ(file_.FileNr(), number);
  EXPECT_EQ(file_.FileLen(), 1);
  file_.CloseFile();

  std::string line = "Größe";
  On("w.txt", "old");
  for (const auto mode : {foInput, foRandom}) {
    ASSERT_TRUE(file_.OpenFile(mode));
    EXPECT_FALSE(file_.WriteLine(line));
    EXPECT_FALSE(file_.WriteBlock(1, line));
    file_.CloseFile();
  }
  ASSERT_TRUE(file_.OpenFile(foOutput));
  EXPECT_TRUE(file_.WriteLine(line));
  std::string block = "Z";
  EXPECT_TRUE(file_.WriteBlock(1, block));
  file_.CloseFile();
  EXPECT_EQ(ReadBytes(dir_.path() / "w.txt"),
            "Z\r\n\xDF"
            "e\r\n");
  ASSERT_TRUE(file_.OpenFile(foAppend));
  EXPECT_TRUE(file_.WriteLine(line));
  EXPECT_EQ(file_.FileLen(), 14);
}

TEST_F(TextFile, ReadLineAndReadLineADifferInWhatEndsALineAndReadLineAComesInPieces) {
  const std::string bytes = "a\r\n\r\nb\nc";
  On("t.txt", bytes).OpenFile(foInput);
  EXPECT_EQ(AllLines(file_, &CTextFile::ReadLine), (std::vector<std::string>{"a", "", "b\nc"}));
  std::string kept = "kept";
  EXPECT_FALSE(file_.ReadLine(kept));
  EXPECT_EQ(kept, "kept");
  EXPECT_TRUE(file_.EndOfFile());
  file_.CloseFile();
  file_.OpenFile(foInput);
  EXPECT_EQ(AllLines(file_, &CTextFile::ReadLineA), (std::vector<std::string>{"a", "b", "c"}));
  file_.CloseFile();
  EXPECT_FALSE(file_.EndOfFile());
  EXPECT_EQ(file_.FileLen(), 0);

  On("long.txt", std::string(2500, 'x') + "\n\n\r\n" + std::string("a\0b", 3) + "\r\n\r\n").OpenFile(foInput);
  const auto lines = AllLines(file_, &CTextFile::ReadLineA);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].size(), 2001u);
  EXPECT_EQ(lines[1].size(), 499u);
  EXPECT_EQ(lines[2], "a b");
  std::string line = "x";
  EXPECT_FALSE(file_.ReadLineA(line));
  EXPECT_EQ(line, "") << "only line ends were left";
}

TEST_F(TextFile, IsUnixFileLooksAtTheFirstLineFeedAndUnix2DosKeepsTheOldContentEvenFailingHalfway) {
  const struct {
    const char* bytes;
    bool unix;
  } cases[] = {
      {"a\r\nb\nc\n", false}, {"a\nb\r\n", true}, {"\n", true}, {"no line feed\r", false}, {"", false}};
  for (const auto& c : cases) {
    EXPECT_EQ(On("u.txt", c.bytes).IsUnixFile(), c.unix) << c.bytes;
    EXPECT_EQ(file_.FileNr(), 0);
  }
  file_.FilePath(dir_.File("missing.txt"));
  EXPECT_FALSE(file_.IsUnixFile());

  const std::string old = std::string("x\ny\0\r\n\rz", 8);
  ASSERT_TRUE(On("data.txt", old).Unix2Dos());
  EXPECT_EQ(ReadBytes(dir_.path() / "data.txt"), "x\r\ny \r\n\rz");
  EXPECT_EQ(ReadBytes(dir_.path() / "data_.txt"), old);
  EXPECT_EQ(file_.FileNr(), 0);
  EXPECT_EQ(platform::FreeFile(), 1) << "both numbers were given back";

  const std::string big(200000, '\n');
  On("big.txt", big);
  {
    const platform::ScopedDiskSpace disk(70000);
    EXPECT_FALSE(file_.Unix2Dos());
  }
  EXPECT_EQ(platform::FreeFile(), 1);
  EXPECT_EQ(ReadBytes(dir_.path() / "big_.txt"), big);
  const std::string partly = ReadBytes(dir_.path() / "big.txt");
  EXPECT_LT(partly.size(), 2 * big.size());
  EXPECT_EQ(partly.substr(0, 4), "\r\n\r\n");
}

// 600 lines onto a disk with room for a part of them: a real one where a tmpfs can be mounted, and
// the test disk with and without claims. Each line that does not fit answers false; the closed
// file holds exactly the lines that answered true.
TEST_F(TextFile, AFullDiskFailsTheLinesThatDoNotFitAndLosesNoneThatDid) {
  const auto write_lines = [&](const std::filesystem::path& path, const std::string& disk) {
    file_.FilePath(path.string());
    ASSERT_TRUE(file_.OpenFile(foOutput)) << disk;
    std::string kept;
    int refused = 0;
    for (int i = 0; i < 600; ++i) {
      std::string line = "Zeile " + std::to_string(i) + std::string(40, 'x');
      if (file_.WriteLine(line)) {
        kept += line + "\r\n";
      } else {
        ++refused;
      }
    }
    file_.CloseFile();
    EXPECT_GT(refused, 0) << disk;
    EXPECT_GT(kept.size(), 4000u) << disk;
    EXPECT_EQ(ReadBytes(path), kept) << disk;
  };
  for (const bool claims : {true, false}) {
    const platform::ScopedDiskSpace disk(8192, claims);
    write_lines(dir_.path() / "out.txt", claims ? "test disk" : "test disk without claims");
  }
  const testing::SmallTmpfs tmpfs(64);
  if (!tmpfs.mounted()) GTEST_SKIP() << "no tmpfs could be mounted here; the test disk stood in for it";
  WriteBytes(tmpfs.path() / "filler", std::string(56 * 1024, 'f'));
  write_lines(tmpfs.path() / "out.txt", "tmpfs");
}

TEST_F(TextFile, ReadingFollowsAFileThatShrinksOrGrowsAndReadBlockSeeksFromOne) {
  for (const auto read : {&CTextFile::ReadLine, &CTextFile::ReadLineA}) {
    ASSERT_TRUE(On("log.txt", "first line\r\nsecond line\r\nthird line\r\n").OpenFile(foInput));
    std::string line;
    ASSERT_TRUE((file_.*read)(line));
    std::filesystem::resize_file(dir_.path() / "log.txt", 20);
    EXPECT_EQ(file_.FileLen(), 20);
    EXPECT_EQ(AllLines(file_, read), std::vector<std::string>{"second l"});
    EXPECT_TRUE(file_.EndOfFile());
    std::ofstream(dir_.path() / "log.txt", std::ios::app | std::ios::binary) << "ine\r\nfourth\r\n";
    EXPECT_FALSE(file_.EndOfFile());
    EXPECT_EQ(AllLines(file_, read), (std::vector<std::string>{"ine", "fourth"}));
    file_.CloseFile();
  }

  On("b.txt", "0123456789").OpenFile(foInput);
  std::string block;
  EXPECT_TRUE(file_.ReadBlock(3, 4, block));
  EXPECT_EQ(block, "2345");
  EXPECT_TRUE(file_.ReadBlock(0, 2, block));
  EXPECT_EQ(block, "67");
  EXPECT_FALSE(file_.ReadBlock(0, 9, block));
  EXPECT_EQ(block, "");
  file_.CloseFile();
  file_.OpenFile(foInput);
  ASSERT_TRUE(file_.ReadBlock(1, 2, block));
  std::filesystem::resize_file(dir_.path() / "b.txt", 4);
  EXPECT_TRUE(file_.ReadBlock(0, 2, block));
  EXPECT_EQ(block, "23");
  EXPECT_TRUE(file_.EndOfFile());
  EXPECT_FALSE(file_.ReadBlock(0, 1, block));
}

TEST_F(TextFile, WholeFileMembersLeaveAFileOpenHereOrElsewhereAlone) {
  On("open.txt", "a\nb").OpenFile(foInput);
  const int16_t number = file_.FileNr();
  EXPECT_FALSE(file_.IsUnixFile());
  EXPECT_FALSE(file_.Unix2Dos());
  EXPECT_EQ(file_.FileNr(), number);
  EXPECT_FALSE(std::filesystem::exists(dir_.path() / "open_.txt"));
  std::string line;
  EXPECT_TRUE(file_.ReadLine(line));
  EXPECT_EQ(line, "a\nb");
  CTextFile other;  // and a file open for input elsewhere is not rewritten either
  other.FilePath(file_.FilePath());
  EXPECT_FALSE(other.Unix2Dos());
  EXPECT_EQ(ReadBytes(dir_.path() / "open.txt"), "a\nb");
}

}  // namespace
}  // namespace tessera
