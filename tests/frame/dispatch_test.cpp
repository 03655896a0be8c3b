#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/runtime/error_number.hpp"
#include "sample_class.hpp"
#include "tessera/frame/dispatch/dispatch_table.hpp"

namespace tessera::frame {
namespace {

using platform::Variant;
using platform::testing::ErrorNumberOf;
using testing::Sample;
using testing::SampleTable;

Variant Call(Sample& sample, std::string_view name, std::vector<Variant> args) {
  return SampleTable().Invoke(sample, name, args);
}

TEST(DispatchTest, SlotsFollowTheInterfaceNotTheRowOrder) {
  const DispatchTable& table = SampleTable();
  EXPECT_EQ(table.Find(5, MemberKind::kPropertyPut)->params[0].name, "value");
  EXPECT_EQ(table.Find(5, MemberKind::kPropertyGet)->params.size(), 0u);
  EXPECT_EQ(table.Find(5, MemberKind::kMethod), nullptr);
  EXPECT_EQ(table.Callable(3).name, "Find");
  Sample sample;
  EXPECT_EQ(ErrorNumberOf([&] { Call(sample, "Later", {}); }), platform::err::kMethodNotSupported);
  EXPECT_THROW(DispatchTable("Bad", {"Repeat"}, {Method<&Sample::Flag>("Flag", {"on"})}), std::logic_error);
}

TEST(DispatchTest, ConvertsArgumentsWithTheRuntimesRules) {
  Sample sample;
  EXPECT_EQ(Call(sample, "repeat", {"ab", "3"}), Variant("ababab"));
  EXPECT_EQ(Call(sample, "Repeat", {12, 2.5}), Variant("1212"));  // 2.5 rounds to the even 2
  EXPECT_EQ(Call(sample, "Flag", {"True"}), Variant(true));
  EXPECT_EQ(Call(sample, "Width", {}), Variant(int32_t{3}));
  std::vector<Variant> value{int16_t{9}};
  SampleTable().Invoke(sample, 5, MemberKind::kPropertyPut, value);
  EXPECT_EQ(sample.width, 9);
}

TEST(DispatchTest, LeftOutOptionalsArriveAsMissing) {
  Sample sample;
  EXPECT_EQ(Call(sample, "Find", {"abc"}), Variant("abc"));
  EXPECT_TRUE(sample.last_position.IsMissing());
  EXPECT_EQ(Call(sample, "Flag", {}), Variant(false));
  EXPECT_EQ(Call(sample, "Flag", {Variant::Missing()}), Variant(false));
}

TEST(DispatchTest, ReportsTheRuntimesErrors) {
  Sample sample;
  EXPECT_EQ(ErrorNumberOf([&] { Call(sample, "Repeat", {"a", "x"}); }), platform::err::kTypeMismatch);
  EXPECT_EQ(ErrorNumberOf([&] { Call(sample, "Repeat", {"a", 40000}); }), platform::err::kOverflow);
  EXPECT_EQ(ErrorNumberOf([&] { Call(sample, "Repeat", {"a"}); }), platform::err::kArgumentNotOptional);
  EXPECT_EQ(ErrorNumberOf([&] {
              Call(sample, "Repeat", {"a", Variant::Missing()});
            }),
            platform::err::kArgumentNotOptional);
  EXPECT_EQ(ErrorNumberOf([&] {
              Call(sample, "Repeat", {"a", 1, 2});
            }),
            platform::err::kWrongNumberOfArguments);
  EXPECT_EQ(ErrorNumberOf([&] { Call(sample, "Nothing", {}); }), platform::err::kMethodNotSupported);
  EXPECT_EQ(ErrorNumberOf([&] { Call(sample, "Repeat", {nullptr, 1}); }), platform::err::kTypeMismatch);
  std::vector<Variant> args{"no number", "keep", "keep"};  // a failed conversion writes nothing back
  EXPECT_EQ(ErrorNumberOf([&] { SampleTable().Invoke(sample, "Split", args); }),
            platform::err::kTypeMismatch);
  EXPECT_EQ(args[1], Variant("keep"));
}

}  // namespace
}  // namespace tessera::frame
