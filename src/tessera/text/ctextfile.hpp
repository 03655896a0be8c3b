// CTextFile: one text file at a time, read by lines or blocks and written by lines or blocks
// through a number of the runtime's numbered files; and two whole-file members that work while no
// file is open: IsUnixFile and Unix2Dos.
//
// The object owns its file number from a successful OpenFile to CloseFile (or its destruction).
// No member shows a message or raises: OpenFile, IsUnixFile and Unix2Dos give the number back on
// any failure and answer false; the read and write members answer false; CloseFile, FileLen and
// EndOfFile pass over their failures. Unix2Dos copies the file to "<name>_.<extension>" before it
// rewrites a single byte, so the previous content survives a rewrite that fails halfway.
#pragma once

#include <cstdint>
#include <string>

#include "tessera/export.hpp"
#include "tessera/frame/catalogue/enumerations.hpp"
#include "tessera/platform/runtime/object.hpp"

namespace tessera {

class TESSERA_API CTextFile : public platform::Object {
 public:
  CTextFile();
  ~CTextFile() override;
  CTextFile(const CTextFile&) = delete;
  CTextFile& operator=(const CTextFile&) = delete;

  std::string_view TypeName() const noexcept override { return "CTextFile"; }

  std::string FilePath() const { return file_path_; }
  void FilePath(std::string path) { file_path_ = std::move(path); }
  int16_t FileNr() const { return file_number_; }
  bool IsOpen() const { return file_number_ != 0; }

  void CloseFile();
  bool OpenFile(FileOpenConstans eOpenMode);
  // A line ends at CR or CR LF; a lone LF stays in the line.
  bool ReadLine(std::string& stLine);
  // iAnz characters from byte lPos (from 1; the current position when lPos is not above 0).
  bool ReadBlock(int32_t lPos, int16_t iAnz, std::string& stBlock);
  // A line ends at CR or LF; empty lines are skipped, NUL reads as a space, and a longer line
  // comes in pieces of 2001 characters.
  bool ReadLineA(std::string& stLine);
  bool WriteLine(std::string& stLine);
  bool WriteBlock(int32_t lPos, std::string& stBlock);
  int32_t FileLen();
  bool EndOfFile();
  // Whether the file's first LF has no CR before it.
  bool IsUnixFile();
  // Rewrites the file with a CR before every LF that has none and a space for every NUL.
  bool Unix2Dos();

 private:
  bool CanRead() const { return file_number_ != 0 && open_mode_ == foInput; }
  void TakeFileNumber();

  std::string file_path_;
  int16_t file_number_ = 0;
  FileOpenConstans open_mode_ = foInput;
};

}  // namespace tessera
