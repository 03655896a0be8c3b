// Which creations bring the shared ResbankStrings object into being, and how often.
#include <gtest/gtest.h>

#include <cstdlib>

#include "support/temp_dir.hpp"
#include "tessera/dates/ckalfkt.hpp"
#include "tessera/frame/shared/shared_objects.hpp"
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
    WriteBytes(dir_.path() / "Resbank.en.txt", "13101 = Load raster file\n");
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
};

TEST_F(CreationRuleTest, CKalFKtLeavesResbankStringsAbsentAndGToolCreatesItOnce) {
  CKalFKt calendar;
  ImplicitCKalFKt();
  EXPECT_EQ(frame::SharedResbankStringsIfAny(), nullptr);

  GTool first;
  const auto strings = frame::SharedResbankStringsIfAny();
  ASSERT_NE(strings, nullptr);
  EXPECT_EQ(strings->GetText(13101), "Load raster file");

  GTool second;
  ImplicitGTool();
  SharedGTool();
  EXPECT_EQ(frame::SharedResbankStringsIfAny(), strings);
}

TEST_F(CreationRuleTest, TheSharedGToolIsOneObjectApartFromTheImplicitOne) {
  GTool& shared = SharedGTool();
  EXPECT_EQ(&SharedGTool(), &shared);
  EXPECT_NE(&ImplicitGTool(), &shared);
  EXPECT_EQ(&ImplicitGTool(), &ImplicitGTool());
}

}  // namespace
}  // namespace tessera
