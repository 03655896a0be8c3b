// Numbered run-time errors of the host runtime that the library is written against.
//
// Every failure inside the library travels as a RuntimeError: a number, the source that raised it
// and a description. The error styles of the frame report or pass on exactly these three fields.
// Foreign exceptions (std::bad_alloc, file-system errors, ...) are turned into one at error
// boundaries with ToRuntimeError.
#pragma once

#include <cstdint>
#include <exception>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

#include "tessera/export.hpp"

namespace tessera::platform {

// The run-time error numbers the library raises, with the host runtime's numbering.
namespace err {
inline constexpr int32_t kInvalidProcedureCall = 5;
inline constexpr int32_t kOverflow = 6;
inline constexpr int32_t kOutOfMemory = 7;
inline constexpr int32_t kSubscriptOutOfRange = 9;
inline constexpr int32_t kDivisionByZero = 11;
inline constexpr int32_t kTypeMismatch = 13;
inline constexpr int32_t kInternalError = 51;
inline constexpr int32_t kBadFileNameOrNumber = 52;
inline constexpr int32_t kFileNotFound = 53;
inline constexpr int32_t kBadFileMode = 54;
inline constexpr int32_t kFileAlreadyOpen = 55;
inline constexpr int32_t kDeviceIoError = 57;
inline constexpr int32_t kFileAlreadyExists = 58;
inline constexpr int32_t kDiskFull = 61;
inline constexpr int32_t kInputPastEndOfFile = 62;
inline constexpr int32_t kBadRecordNumber = 63;
inline constexpr int32_t kTooManyFiles = 67;
inline constexpr int32_t kPermissionDenied = 70;
inline constexpr int32_t kPathFileAccessError = 75;
inline constexpr int32_t kPathNotFound = 76;
inline constexpr int32_t kObjectNotSet = 91;
inline constexpr int32_t kInvalidUseOfNull = 94;
inline constexpr int32_t kInvalidPropertyValue = 380;
inline constexpr int32_t kObjectRequired = 424;
inline constexpr int32_t kCannotCreateObject = 429;
inline constexpr int32_t kMethodNotSupported = 438;
inline constexpr int32_t kArgumentNotOptional = 449;
inline constexpr int32_t kWrongNumberOfArguments = 450;
inline constexpr int32_t kDuplicateKey = 457;
inline constexpr int32_t kUnsupportedAutomationType = 458;
inline constexpr int32_t kInvalidPicture = 481;
inline constexpr int32_t kApplicationDefined = 1004;
}  // namespace err

// The source that the runtime names for errors raised inside the library.
inline constexpr std::string_view kDefaultErrorSource = "Tessera";

// The runtime's English description of an error number; "Application-defined or object-defined
// error" for a number the runtime has no text of its own for.
TESSERA_API std::string_view DescribeError(int32_t number) noexcept;

class TESSERA_API RuntimeError : public std::runtime_error {
 public:
  // An empty description takes the runtime's text for the number; an empty source the library's.
  explicit RuntimeError(int32_t number, std::string source = {}, std::string description = {});

  int32_t number() const noexcept { return number_; }
  const std::string& source() const noexcept { return source_; }
  const std::string& description() const noexcept { return description_; }

 private:
  int32_t number_;
  std::string source_;
  std::string description_;
};

// [[noreturn]] shorthand for the common case of raising a numbered error with the standard text.
[[noreturn]] TESSERA_API void Raise(int32_t number, std::string description = {});

// The run-time error number that fits an operating-system error met while working on a file:
// missing file 53, missing directory 76, no permission 70, disk full 61, anything else 75.
TESSERA_API int32_t FileErrorNumber(std::error_code code) noexcept;

// Turns whatever exception is in flight (or the one given) into a RuntimeError: a RuntimeError
// unchanged, std::bad_alloc as 7, file-system and system errors through FileErrorNumber, any
// other exception as 51 "Internal error". Call only inside a catch block when `error` is omitted.
TESSERA_API RuntimeError ToRuntimeError(std::exception_ptr error = std::current_exception());

}  // namespace tessera::platform
