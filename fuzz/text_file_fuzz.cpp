// Feeds any bytes to CTextFile as a file: reads it whole by ReadLine, ReadLineA and ReadBlock (at
// a position and length taken from the first bytes), then rewrites it with Unix2Dos. Unix2Dos
// must keep the old bytes in its copy, and its output must be no shorter than its input, free of
// NUL bytes, and have a CR before every LF.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tessera/text/ctextfile.hpp"

namespace {

constexpr std::size_t kMaxInput = 1 << 16;

const std::filesystem::path& Directory() {
  static const std::filesystem::path directory = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "tessera-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    return std::filesystem::path(pattern);
  }();
  return directory;
}

std::string Bytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void ReadAll(tessera::CTextFile& file, bool (tessera::CTextFile::*read)(std::string&)) {
  if (!file.OpenFile(tessera::foInput)) std::abort();
  std::string line;
  std::size_t lines = 0;
  while ((file.*read)(line)) {
    if (++lines > kMaxInput + 1) std::abort();  // every call must make progress
  }
  file.CloseFile();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size > kMaxInput) return 0;
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::filesystem::path path = Directory() / "fuzz.txt";
  std::ofstream(path, std::ios::binary | std::ios::trunc) << input;

  tessera::CTextFile file;
  file.FilePath(path.string());
  ReadAll(file, &tessera::CTextFile::ReadLine);
  ReadAll(file, &tessera::CTextFile::ReadLineA);
  if (!file.OpenFile(tessera::foInput)) std::abort();
  const int32_t position = size >= 2 ? data[0] | data[1] << 8 : 0;
  const auto count = static_cast<int16_t>(size >= 4 ? data[2] | data[3] << 8 : 1);
  std::string block;
  if (file.ReadBlock(position, count, block) && block.size() < static_cast<std::size_t>(count)) std::abort();
  file.CloseFile();

  if (!file.Unix2Dos()) std::abort();
  const std::string output = Bytes(path);
  if (Bytes(Directory() / "fuzz_.txt") != input || output.size() < input.size()) std::abort();
  for (std::size_t i = 0; i < output.size(); ++i) {
    if (output[i] == '\0' || (output[i] == '\n' && (i == 0 || output[i - 1] != '\r'))) std::abort();
  }
  if (file.IsUnixFile()) std::abort();
  return 0;
}
