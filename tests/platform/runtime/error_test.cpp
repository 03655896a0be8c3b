#include "tessera/platform/runtime/error.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <new>

#include "error_number.hpp"
#include "tessera/platform/runtime/checked.hpp"

namespace tessera::platform {
namespace {

RuntimeError Translate(auto thrower) {
  try {
    thrower();
  } catch (...) {
    return ToRuntimeError();
  }
  return RuntimeError(0);
}

TEST(RuntimeError, FillsStandardDescriptionAndSourceAndTranslatesForeignExceptions) {
  const RuntimeError error(err::kDuplicateKey);
  EXPECT_EQ(error.number(), 457);
  EXPECT_EQ(error.description(), "This key is already associated with an element of this collection");
  EXPECT_EQ(error.source(), "Tessera");
  EXPECT_STREQ(error.what(), error.description().c_str());
  const RuntimeError own(1004, "Resbank", "Kein Text");
  EXPECT_EQ(own.source(), "Resbank");
  EXPECT_EQ(own.description(), "Kein Text");
  EXPECT_EQ(DescribeError(31999), "Application-defined or object-defined error");
  // Foreign exceptions get their run-time numbers.
  EXPECT_EQ(Translate([] { throw std::bad_alloc(); }).number(), err::kOutOfMemory);
  EXPECT_EQ(Translate([] { throw RuntimeError(62); }).number(), err::kInputPastEndOfFile);
  EXPECT_EQ(Translate([] { throw std::logic_error("x"); }).number(), err::kInternalError);
  EXPECT_EQ(Translate([] { throw 42; }).number(), err::kInternalError);
  EXPECT_EQ(Translate([] { (void)std::filesystem::file_size("/no/such/tessera/file"); }).number(),
            err::kFileNotFound);
  EXPECT_EQ(FileErrorNumber(std::make_error_code(std::errc::permission_denied)), err::kPermissionDenied);
  EXPECT_EQ(FileErrorNumber(std::make_error_code(std::errc::not_a_directory)), err::kPathNotFound);
  EXPECT_EQ(FileErrorNumber(std::make_error_code(std::errc::is_a_directory)), err::kPathFileAccessError);
}

TEST(CheckedArithmetic, OverflowOfTheTypeIsErrorSix) {
  EXPECT_EQ(CheckedAdd<int16_t>(32766, 1), 32767);
  EXPECT_EQ(testing::ErrorNumberOf([] { CheckedAdd<int16_t>(32767, 1); }), err::kOverflow);
  EXPECT_EQ(testing::ErrorNumberOf([] { CheckedSub<int16_t>(-32768, 1); }), err::kOverflow);
  EXPECT_EQ(testing::ErrorNumberOf([] { CheckedMul<int32_t>(65536, 32768); }), err::kOverflow);
  EXPECT_EQ(testing::ErrorNumberOf([] { CheckedDiv<int16_t>(-32768, -1); }), err::kOverflow);
  EXPECT_EQ(testing::ErrorNumberOf([] { CheckedDiv<int32_t>(1, 0); }), err::kDivisionByZero);
  EXPECT_EQ(CheckedDiv<int32_t>(-7, 2), -3);
  EXPECT_EQ(ToInteger(int32_t{-32768}), -32768);
  EXPECT_EQ(testing::ErrorNumberOf([] { ToInteger(int32_t{32768}); }), err::kOverflow);
  EXPECT_EQ(testing::ErrorNumberOf([] { ToByte(-1); }), err::kOverflow);
  EXPECT_EQ(testing::ErrorNumberOf([] { ToLong(int64_t{1} << 31); }), err::kOverflow);
}

}  // namespace
}  // namespace tessera::platform
