// The shared objects: which creations bring ResbankStrings into being, how often, and what stays
// one object.
#include <gtest/gtest.h>

#include <cstdlib>

#include "support/temp_dir.hpp"
#include "tessera/dates/ckalfkt.hpp"
#include "tessera/frame/shared/shared_objects.hpp"
#include "tessera/platform/runtime/error.hpp"
#include "tessera/tool/gtool.hpp"

namespace tessera {
namespace {

using testing::TempDir;
using testing::WriteBytes;

class CreationRuleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::setenv("TESSERA_RESBANK_PATH", dir_.path().c_str(), 1);
    ::setenv("LC_ALL", "en_US.UTF-8", 1);
    WriteBytes(catalogue_, "13101 = Load raster file\n");
    ReleaseGToolInstances();
    frame::ReleaseSharedObjects();
  }
  void TearDown() override {
    ReleaseGToolInstances();
    frame::ReleaseSharedObjects();
    ::unsetenv("TESSERA_RESBANK_PATH");
    ::unsetenv("LC_ALL");
  }

  TempDir dir_;
  std::filesystem::path catalogue_ = dir_.path() / "Resbank.en.txt";
};

TEST_F(CreationRuleTest, CKalFKtLeavesResbankStringsAbsentAndGToolCreatesAndAttachesItOnce) {
  CKalFKt calendar;
  ImplicitCKalFKt();
  EXPECT_EQ(frame::SharedResbankStringsIfAny(), nullptr);

  GTool first;
  const auto strings = frame::SharedResbankStringsIfAny();
  ASSERT_NE(strings, nullptr);
  EXPECT_EQ(strings->GetText(13101), "Load raster file");

  // A catalogue changed afterwards is not read again: the object was attached once.
  WriteBytes(catalogue_, "13101 = other\n");
  GTool second;
  ImplicitGTool();
  SharedGTool();
  EXPECT_EQ(&frame::EnsureSharedResbankStrings(), strings.get());
  EXPECT_EQ(frame::SharedResbankStringsIfAny(), strings);
  EXPECT_EQ(strings->GetText(13101), "Load raster file");
}

TEST_F(CreationRuleTest, AFailedAttachLeavesResbankStringsAbsentForTheNextTry) {
  WriteBytes(catalogue_, "not a text line\n");
  EXPECT_THROW(frame::EnsureSharedResbankStrings(), platform::RuntimeError);
  EXPECT_EQ(frame::SharedResbankStringsIfAny(), nullptr);

  WriteBytes(catalogue_, "13101 = Load raster file\n");
  EXPECT_EQ(frame::EnsureSharedResbankStrings().GetText(13101), "Load raster file");
}

TEST_F(CreationRuleTest, TheSharedGToolAndMensGlobalAreOneObjectEach) {
  GTool& shared = SharedGTool();
  EXPECT_EQ(&SharedGTool(), &shared);
  EXPECT_NE(&ImplicitGTool(), &shared);
  EXPECT_EQ(&ImplicitGTool(), &ImplicitGTool());
  EXPECT_EQ(&frame::SharedMensGlobal(), &frame::SharedMensGlobal());
}

}  // namespace
}  // namespace tessera
