#include "tessera/text/ctextfile.hpp"

#include <algorithm>
#include <optional>
#include <string_view>

#include "tessera/frame/errors/error_styles.hpp"
#include "tessera/frame/shared/shared_objects.hpp"
#include "tessera/platform/runtime/file_system.hpp"
#include "tessera/platform/runtime/numbered_files.hpp"
#include "tessera/platform/runtime/strings.hpp"
#include "tessera/tool/gtool.hpp"

namespace tessera {

using platform::FileMode;

namespace {

constexpr int32_t kLineAPieceLength = 2001;
constexpr char kCr = '\r';
constexpr char kLf = '\n';
constexpr std::string_view kLineEnds = "\r\n";

constexpr std::size_t kBlockBytes = 64 * 1024;

bool IsLineEnd(const std::string& character) {
  return character == "\r" || character == "\n";
}

// Whether the first LF of `bytes` has no CR before it, nullopt without an LF; `previous` is the
// byte before `bytes` and becomes their last one.
std::optional<bool> BareLineFeed(std::string_view bytes, char& previous) {
  for (const char byte : bytes) {
    if (byte == kLf) return previous != kCr;
    previous = byte;
  }
  return std::nullopt;
}

// `bytes` as Unix2Dos writes them: a space for NUL and a CR before each LF whose previous written
// byte is no CR; `previous` is the byte written last and becomes the new last one.
std::string DosBytes(std::string_view bytes, char& previous) {
  std::string written;
  written.reserve(bytes.size() + bytes.size() / 8);
  for (char byte : bytes) {
    if (byte == '\0') {
      byte = ' ';
    } else if (byte == kLf && previous != kCr) {
      written.push_back(kCr);
    }
    written.push_back(byte);
    previous = byte;
  }
  return written;
}

}  // namespace

CTextFile::CTextFile() {
  frame::EnsureSharedResbankStrings();
}

CTextFile::~CTextFile() {
  CloseFile();
}

void CTextFile::TakeFileNumber() {
  file_number_ = platform::FreeFile();
}

void CTextFile::CloseFile() {
  if (file_number_ == 0) return;
  frame::PassOver([&] { platform::CloseFile(file_number_); }, [&] { file_number_ = 0; });
}

bool CTextFile::OpenFile(FileOpenConstans eOpenMode) {
  return frame::EndQuietly<bool>(
      [&](bool& result) {
        if (file_path_.empty() || file_number_ != 0) return;
        TakeFileNumber();
        switch (eOpenMode) {
          case foInput:
            platform::OpenFile(file_path_, FileMode::kInput, file_number_);
            break;
          case foOutput:
            platform::OpenFile(file_path_, FileMode::kOutput, file_number_);
            break;
          case foAppend:
            platform::OpenFile(file_path_, FileMode::kAppend, file_number_);
            break;
          case foRandom:
            platform::OpenFile(file_path_, FileMode::kRandom, file_number_);
            break;
          default:
            platform::Raise(platform::err::kBadFileMode);
        }
        open_mode_ = eOpenMode;
        result = true;
      },
      [&] { CloseFile(); });
}

bool CTextFile::ReadLine(std::string& stLine) {
  return frame::EndQuietly<bool>([&](bool& result) {
    if (!CanRead()) return;
    stLine = platform::LineInput(file_number_);  // past the end it raises, and stLine stays
    result = true;
  });
}

bool CTextFile::ReadBlock(int32_t lPos, int16_t iAnz, std::string& stBlock) {
  stBlock.clear();
  return frame::EndQuietly<bool>([&](bool& result) {
    if (!CanRead() || platform::Eof(file_number_)) return;
    if (lPos > 0) platform::Seek(file_number_, lPos);
    stBlock = platform::InputChars(iAnz, file_number_);
    result = true;
  });
}

bool CTextFile::ReadLineA(std::string& stLine) {
  stLine.clear();
  return frame::EndQuietly<bool>([&](bool& result) {
    if (!CanRead()) return;
    const platform::OneLook look(file_number_);
    std::string first = platform::InputChars(1, file_number_);
    while (IsLineEnd(first)) first = platform::InputChars(1, file_number_);
    const std::string rest = platform::InputUntil(file_number_, kLineEnds, kLineAPieceLength - 1);
    // Stopped short of a whole piece and of the end, the piece stopped at a line end, which it
    // takes along.
    if (platform::Len(rest) < kLineAPieceLength - 1 && !platform::Eof(file_number_))
      platform::InputChars(1, file_number_);
    stLine = first + rest;
    std::replace(stLine.begin(), stLine.end(), '\0', ' ');
    result = true;
  });
}

bool CTextFile::WriteLine(std::string& stLine) {
  return frame::EndQuietly<bool>([&](bool& result) {
    if (file_number_ == 0 || (open_mode_ != foOutput && open_mode_ != foAppend)) return;
    platform::PrintLine(file_number_, stLine);
    result = true;
  });
}

bool CTextFile::WriteBlock(int32_t lPos, std::string& stBlock) {
  return frame::EndQuietly<bool>([&](bool& result) {
    if (file_number_ == 0) return;
    if (lPos > 0) platform::Seek(file_number_, lPos);
    platform::PrintLine(file_number_, stBlock);
    result = true;
  });
}

int32_t CTextFile::FileLen() {
  int32_t length = 0;
  if (file_number_ != 0) frame::PassOver([&] { length = platform::LOF(file_number_); });
  return length;
}

bool CTextFile::EndOfFile() {
  bool at_end = false;
  if (file_number_ != 0) frame::PassOver([&] { at_end = platform::Eof(file_number_); });
  return at_end;
}

bool CTextFile::IsUnixFile() {
  return frame::EndQuietly<bool>(
      [&](bool& result) {
        if (file_path_.empty() || file_number_ != 0) return;
        TakeFileNumber();
        platform::OpenFile(file_path_, FileMode::kBinary, file_number_, platform::FileAccess::kRead);
        char previous = 0;
        for (std::string bytes = platform::GetBytes(file_number_, kBlockBytes); !bytes.empty();
             bytes = platform::GetBytes(file_number_, kBlockBytes)) {
          const std::optional<bool> bare = BareLineFeed(bytes, previous);
          if (!bare) continue;
          result = *bare;
          break;
        }
        CloseFile();
      },
      [&] { CloseFile(); });
}

bool CTextFile::Unix2Dos() {
  int16_t target_number = 0;
  return frame::EndQuietly<bool>(
      [&](bool& result) {
        if (file_path_.empty() || file_number_ != 0) return;
        GTool& tool = SharedGTool();
        const std::string copy = tool.NameOhneKennung(file_path_) + "_." + tool.Kennung(file_path_);
        platform::CopyFile(file_path_, copy, true);
        TakeFileNumber();
        platform::OpenFile(copy, FileMode::kBinary, file_number_, platform::FileAccess::kRead);
        target_number = platform::FreeFile();
        platform::OpenFile(file_path_, FileMode::kBinary, target_number, platform::FileAccess::kWrite);
        char previous = 0;
        for (std::string bytes = platform::GetBytes(file_number_, kBlockBytes); !bytes.empty();
             bytes = platform::GetBytes(file_number_, kBlockBytes)) {
          platform::PutBytes(target_number, DosBytes(bytes, previous));
        }
        CloseFile();
        platform::CloseFile(target_number);
        result = true;
      },
      [&] {
        CloseFile();
        platform::CloseFile(target_number);
      });
}

}  // namespace tessera
