#include "tessera/dates/ckalfkt_dispatch.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/runtime/error_number.hpp"
#include "tessera/dates/ckalfkt.hpp"

namespace tessera {
namespace {

TEST(CKalFKtDispatchTest, SlotsFollowTheInterface) {
  const std::vector<std::string> interface {
    "AnzTageProMonat", "AnzWochenProJahr", "IdentWocheByDatum", "IdentDatumByWoche"
  };
  const auto& members = CKalFKtDispatch().members();
  EXPECT_EQ(std::vector<std::string>(members.begin(), members.end()), interface);
}

TEST(CKalFKtDispatchTest, AMemberNotBuiltYetIsNotSupported) {
  std::vector<platform::Variant> args{platform::Variant(uint8_t{2}), platform::Variant("2024")};
  EXPECT_EQ(platform::testing::ErrorNumberOf(
                [&] { CKalFKtDispatch().Invoke(ImplicitCKalFKt(), "AnzTageProMonat", args); }),
            platform::err::kMethodNotSupported);
}

}  // namespace
}  // namespace tessera
