// A small tmpfs on a fresh directory for one test, so that a disk really runs full; mounted only
// where the process may mount (as root with the right to), and unmounted when the test ends.
#pragma once

#include <sys/mount.h>

#include <filesystem>
#include <string>

#include "support/temp_dir.hpp"

namespace tessera::testing {

class SmallTmpfs {
 public:
  explicit SmallTmpfs(int kilobytes) {
    const std::string options = "size=" + std::to_string(kilobytes) + "k";
    mounted_ =
        ::mount("tessera-test", dir_.path().c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) == 0;
  }
  ~SmallTmpfs() {
    if (mounted_) ::umount2(dir_.path().c_str(), MNT_DETACH);
  }
  SmallTmpfs(const SmallTmpfs&) = delete;
  SmallTmpfs& operator=(const SmallTmpfs&) = delete;

  bool mounted() const { return mounted_; }
  const std::filesystem::path& path() const { return dir_.path(); }

 private:
  TempDir dir_;  // removed after the unmount
  bool mounted_ = false;
};

}  // namespace tessera::testing
