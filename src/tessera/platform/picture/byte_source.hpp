// Where a picture decoder reads its bytes: a file, read piece by piece where the pixels are wanted,
// or bytes already in memory.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

namespace tessera::platform {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual uint64_t size() const = 0;
  // Fills `out` from `offset`; a range past the end is error 481 (the picture is cut short).
  virtual void Read(uint64_t offset, std::span<uint8_t> out) const = 0;
};

class MemorySource : public ByteSource {
 public:
  explicit MemorySource(std::span<const uint8_t> bytes) : bytes_(bytes) {}
  uint64_t size() const override { return bytes_.size(); }
  void Read(uint64_t offset, std::span<uint8_t> out) const override;

 private:
  std::span<const uint8_t> bytes_;
};

// What tells one version of a file from another without reading it.
struct FileStamp {
  uint64_t size = 0;
  int64_t modified_ns = 0;
  bool operator==(const FileStamp&) const = default;
};

// The file at the library path `path`: 53 when it is missing, 75 when it cannot be read. Its
// stamp as opened goes to `stamp` where given.
std::unique_ptr<ByteSource> OpenFileSource(std::string_view path, FileStamp* stamp = nullptr);

}  // namespace tessera::platform
