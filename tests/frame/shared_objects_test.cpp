#include "tessera/frame/shared/shared_objects.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/temp_dir.hpp"
#include "tessera/platform/runtime/error.hpp"

namespace tessera::frame {
namespace {

using testing::TempDir;
using testing::WriteBytes;

class SharedObjectsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::setenv("TESSERA_RESBANK_PATH", dir_.path().c_str(), 1);
    ::setenv("LC_ALL", "de_DE.UTF-8", 1);
    ReleaseSharedObjects();
  }
  void TearDown() override {
    ReleaseSharedObjects();
    ::unsetenv("TESSERA_RESBANK_PATH");
    ::unsetenv("LC_ALL");
  }

  TempDir dir_;
};

TEST_F(SharedObjectsTest, ResbankStringsIsCreatedAndAttachedOnce) {
  WriteBytes(dir_.path() / "Resbank.de.txt", "13101 = Rasterdatei laden\n");
  EXPECT_EQ(SharedResbankStringsIfAny(), nullptr);

  resbank::ResbankStrings& first = EnsureSharedResbankStrings();
  EXPECT_EQ(first.GetText(13101), "Rasterdatei laden");
  // A catalogue changed afterwards is not read again: the object was attached once.
  WriteBytes(dir_.path() / "Resbank.de.txt", "13101 = anders\n");
  EXPECT_EQ(&EnsureSharedResbankStrings(), &first);
  EXPECT_EQ(SharedResbankStringsIfAny().get(), &first);
  EXPECT_EQ(first.GetText(13101), "Rasterdatei laden");
}

TEST_F(SharedObjectsTest, AFailedAttachLeavesTheObjectAbsentForTheNextTry) {
  WriteBytes(dir_.path() / "Resbank.de.txt", "not a text line\n");
  EXPECT_THROW(EnsureSharedResbankStrings(), platform::RuntimeError);
  EXPECT_EQ(SharedResbankStringsIfAny(), nullptr);

  WriteBytes(dir_.path() / "Resbank.de.txt", "13101 = Rasterdatei laden\n");
  EXPECT_EQ(EnsureSharedResbankStrings().GetText(13101), "Rasterdatei laden");
}

TEST_F(SharedObjectsTest, MensGlobalIsOneObjectUntilReleased) {
  mensura::MensGlobal& first = SharedMensGlobal();
  EXPECT_EQ(&SharedMensGlobal(), &first);
  EXPECT_EQ(first.UnitFactor(), 1000);
}

}  // namespace
}  // namespace tessera::frame
