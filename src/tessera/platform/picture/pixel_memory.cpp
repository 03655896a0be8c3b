#include "tessera/platform/picture/pixel_memory.hpp"

#include <sys/mman.h>
#include <unistd.h>

#include <bit>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <utility>

#include "tessera/platform/runtime/error.hpp"

namespace tessera::platform {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;
// Below this a picture holds no whole huge page.
constexpr std::size_t kOwnMappingFrom = kHugePage;

std::size_t PageSize() {
  static const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
  return page;
}

// The free huge pages the kernel has at hand: blocks of its buddy allocator of a huge page and
// larger, in every zone; 0 where it does not tell.
std::size_t FreeHugePages() {
  const int huge_order = std::countr_zero(kHugePage / PageSize());
  std::ifstream buddy("/proc/buddyinfo");
  std::size_t pages = 0;
  for (std::string line; std::getline(buddy, line);) {
    const std::size_t zone = line.find("zone");
    if (zone == std::string::npos) continue;
    std::istringstream fields(line.substr(zone + 4));
    std::string name;
    fields >> name;
    std::size_t count = 0;
    for (int order = 0; fields >> count; ++order) {
      if (order >= huge_order) pages += count << (order - huge_order);
    }
  }
  return pages;
}

// `length` bytes (a multiple of the page size) starting on a huge-page boundary: a larger mapping
// trimmed at both ends, so that every whole 2 MB of the picture can be one huge page.
uint8_t* MapAligned(std::size_t length) {
  const std::size_t padded = length + kHugePage;
  void* mapping = ::mmap(nullptr, padded, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapping == MAP_FAILED) return nullptr;
  const auto start = reinterpret_cast<uintptr_t>(mapping);
  const uintptr_t aligned = (start + kHugePage - 1) & ~(kHugePage - 1);
  if (aligned > start) ::munmap(mapping, aligned - start);
  if (start + padded > aligned + length)
    ::munmap(reinterpret_cast<void*>(aligned + length), start + padded - aligned - length);
  AdviseHugePages(reinterpret_cast<void*>(aligned), length);
  return reinterpret_cast<uint8_t*>(aligned);
}

}  // namespace

void AdviseHugePages(void* bytes, std::size_t length) {
  const auto start = reinterpret_cast<uintptr_t>(bytes);
  const uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
  const uintptr_t end = (start + length) & ~(kHugePage - 1);
  if (end <= first) return;
  // Only where the kernel has the huge pages free: when it must first compact memory to make
  // them, it does so at fault time, and a load then takes up to twice as long as with ordinary
  // pages. Where huge pages are off, the hint changes nothing.
  if (FreeHugePages() >= (end - first) / kHugePage + 1)
    ::madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
}

PixelMemory::PixelMemory(std::size_t count, std::size_t size) {
  // At most half the address space, so that any offset into the pixels fits a signed row step.
  if (size != 0 && count > std::numeric_limits<std::size_t>::max() / 2 / size) Raise(err::kOutOfMemory);
  size_ = count * size;
  if (size_ >= kOwnMappingFrom) {
    mapped_ = (size_ + PageSize() - 1) / PageSize() * PageSize();
    bytes_ = MapAligned(mapped_);
    if (bytes_ == nullptr) mapped_ = 0;
  } else {
    bytes_ = static_cast<uint8_t*>(std::calloc(size_ == 0 ? 1 : size_, 1));
  }
  if (bytes_ == nullptr) Raise(err::kOutOfMemory);
}

PixelMemory::PixelMemory(PixelMemory&& other) noexcept
    : bytes_(std::exchange(other.bytes_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      mapped_(std::exchange(other.mapped_, 0)) {}

PixelMemory& PixelMemory::operator=(PixelMemory&& other) noexcept {
  std::swap(bytes_, other.bytes_);
  std::swap(size_, other.size_);
  std::swap(mapped_, other.mapped_);
  return *this;
}

PixelMemory::~PixelMemory() {
  if (mapped_ != 0) {
    ::munmap(bytes_, mapped_);
  } else {
    std::free(bytes_);
  }
}

}  // namespace tessera::platform
