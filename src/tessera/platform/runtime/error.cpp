#include "tessera/platform/runtime/error.hpp"

#include <cerrno>
#include <new>

namespace tessera::platform {

std::string_view DescribeError(int32_t number) noexcept {
  switch (number) {
    case err::kInvalidProcedureCall:
      return "Invalid procedure call or argument";
    case err::kOverflow:
      return "Overflow";
    case err::kOutOfMemory:
      return "Out of memory";
    case err::kSubscriptOutOfRange:
      return "Subscript out of range";
    case err::kDivisionByZero:
      return "Division by zero";
    case err::kTypeMismatch:
      return "Type mismatch";
    case err::kInternalError:
      return "Internal error";
    case err::kBadFileNameOrNumber:
      return "Bad file name or number";
    case err::kFileNotFound:
      return "File not found";
    case err::kBadFileMode:
      return "Bad file mode";
    case err::kFileAlreadyOpen:
      return "File already open";
    case err::kDeviceIoError:
      return "Device I/O error";
    case err::kFileAlreadyExists:
      return "File already exists";
    case err::kDiskFull:
      return "Disk full";
    case err::kInputPastEndOfFile:
      return "Input past end of file";
    case err::kBadRecordNumber:
      return "Bad record number";
    case err::kTooManyFiles:
      return "Too many files";
    case err::kPermissionDenied:
      return "Permission denied";
    case err::kPathFileAccessError:
      return "Path/File access error";
    case err::kPathNotFound:
      return "Path not found";
    case err::kObjectNotSet:
      return "Object variable or With block variable not set";
    case err::kInvalidUseOfNull:
      return "Invalid use of Null";
    case err::kInvalidPropertyValue:
      return "Invalid property value";
    case err::kObjectRequired:
      return "Object required";
    case err::kCannotCreateObject:
      return "ActiveX component can't create object";
    case err::kMethodNotSupported:
      return "Object doesn't support this property or method";
    case err::kArgumentNotOptional:
      return "Argument not optional";
    case err::kWrongNumberOfArguments:
      return "Wrong number of arguments or invalid property assignment";
    case err::kDuplicateKey:
      return "This key is already associated with an element of this collection";
    case err::kUnsupportedAutomationType:
      return "Variable uses an Automation type not supported in Visual Basic";
    case err::kInvalidPicture:
      return "Invalid picture";
    default:
      return "Application-defined or object-defined error";
  }
}

namespace {

std::string DescriptionOrDefault(int32_t number, std::string description) {
  if (description.empty()) return std::string(DescribeError(number));
  return description;
}

std::string SourceOrDefault(std::string source) {
  if (source.empty()) return std::string(kDefaultErrorSource);
  return source;
}

}  // namespace

RuntimeError::RuntimeError(int32_t number, std::string source, std::string description)
    : std::runtime_error(DescriptionOrDefault(number, description)),
      number_(number),
      source_(SourceOrDefault(std::move(source))),
      description_(DescriptionOrDefault(number, std::move(description))) {}

void Raise(int32_t number, std::string description) {
  throw RuntimeError(number, {}, std::move(description));
}

int32_t FileErrorNumber(std::error_code code) noexcept {
  if (code.category() != std::generic_category() && code.category() != std::system_category()) {
    return err::kPathFileAccessError;
  }
  switch (code.value()) {
    case ENOENT:
      return err::kFileNotFound;
    case ENOTDIR:
      return err::kPathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
      return err::kPermissionDenied;
    case ENOSPC:
    case EDQUOT:
      return err::kDiskFull;
    case EMFILE:
    case ENFILE:
      return err::kTooManyFiles;
    case EIO:
      return err::kDeviceIoError;
    case EEXIST:
      return err::kFileAlreadyExists;
    case ENOMEM:
      return err::kOutOfMemory;
    default:
      return err::kPathFileAccessError;
  }
}

RuntimeError ToRuntimeError(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const RuntimeError& e) {
    return e;
  } catch (const std::bad_alloc&) {
    return RuntimeError(err::kOutOfMemory);
  } catch (const std::system_error& e) {  // std::filesystem::filesystem_error is one of these
    return RuntimeError(FileErrorNumber(e.code()));
  } catch (...) {
    return RuntimeError(err::kInternalError);
  }
}

}  // namespace tessera::platform
