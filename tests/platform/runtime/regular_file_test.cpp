#include "tessera/platform/runtime/regular_file.hpp"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "lonely_fifo.hpp"

namespace tessera::platform {
namespace {

namespace fs = std::filesystem;

TEST(OpenRegularFile, OpensFilesOnlyAndNeverWaits) {
  std::string pattern = (fs::temp_directory_path() / "tessera-XXXXXX").string();
  const fs::path dir = ::mkdtemp(pattern.data());
  std::ofstream(dir / "plan.ini") << "[s]\n";
  const testing::LonelyFifo fifo((dir / "pipe.ini").string());

  struct stat info {};
  const Descriptor file = OpenRegularFile(dir / "plan.ini", O_RDONLY, info);
  ASSERT_TRUE(file);
  EXPECT_EQ(info.st_size, 4);
  char byte = 0;
  EXPECT_EQ(::read(file.get(), &byte, 1), 1) << "reads block again once the file is checked";

  const struct {
    fs::path path;
    int flags;
    int error;
  } refused[] = {{dir / "missing.ini", O_RDONLY, ENOENT},
                 {dir / "plan.ini" / "x", O_RDONLY, ENOTDIR},
                 {dir, O_RDONLY, EISDIR},
                 {"/dev/null", O_RDONLY, ENODEV},
                 {fifo.path(), O_RDONLY, ENODEV},
                 {fifo.path(), O_WRONLY, ENXIO}};
  for (const auto& [path, flags, error] : refused) {
    EXPECT_TRUE(fifo.Returns([&] {
      struct stat ignored {};
      EXPECT_FALSE(OpenRegularFile(path, flags, ignored)) << path;
      EXPECT_EQ(errno, error) << path;
    }));
  }
  fs::remove_all(dir);
}

}  // namespace
}  // namespace tessera::platform
