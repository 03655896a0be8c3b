#include "tessera/platform/picture/byte_source.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "tessera/platform/runtime/error.hpp"
#include "tessera/platform/runtime/host_path.hpp"
#include "tessera/platform/runtime/regular_file.hpp"

namespace tessera::platform {

namespace {

bool InRange(uint64_t offset, std::size_t length, uint64_t size) {
  return offset <= size && length <= size - offset;
}

class FileSource : public ByteSource {
 public:
  FileSource(int descriptor, uint64_t size) : descriptor_(descriptor), size_(size) {}
  ~FileSource() override { ::close(descriptor_); }
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;

  uint64_t size() const override { return size_; }

  void Read(uint64_t offset, std::span<uint8_t> out) const override {
    if (!InRange(offset, out.size(), size_)) Raise(err::kInvalidPicture);
    std::size_t done = 0;
    while (done < out.size()) {
      const ssize_t got =
          ::pread(descriptor_, out.data() + done, out.size() - done, static_cast<off_t>(offset + done));
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) Raise(err::kPathFileAccessError);
      if (got == 0) Raise(err::kInvalidPicture);  // the file shrank while it was read
      done += static_cast<std::size_t>(got);
    }
  }

 private:
  int descriptor_;
  uint64_t size_;
};

}  // namespace

void MemorySource::Read(uint64_t offset, std::span<uint8_t> out) const {
  if (!InRange(offset, out.size(), bytes_.size())) Raise(err::kInvalidPicture);
  if (!out.empty()) std::memcpy(out.data(), bytes_.data() + offset, out.size());
}

std::unique_ptr<ByteSource> OpenFileSource(std::string_view path, FileStamp* stamp) {
  struct stat info {};
  Descriptor file = OpenRegularFile(ToHostPath(path), O_RDONLY, info);
  if (!file) Raise(errno == ENOENT || errno == ENOTDIR ? err::kFileNotFound : err::kPathFileAccessError);
  auto source = std::make_unique<FileSource>(file.get(), static_cast<uint64_t>(info.st_size));
  if (stamp != nullptr) {
    *stamp = {static_cast<uint64_t>(info.st_size),
              int64_t{info.st_mtim.tv_sec} * 1'000'000'000 + info.st_mtim.tv_nsec};
  }
  file.release();  // the source closes it from now on
  return source;
}

}  // namespace tessera::platform
