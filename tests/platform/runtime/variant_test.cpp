#include "tessera/platform/runtime/variant.hpp"

#include <gtest/gtest.h>

#include <memory>

#include "error_number.hpp"
#include "tessera/platform/runtime/collection.hpp"

namespace tessera::platform {
namespace {

using testing::ErrorNumberOf;

struct Picture : Object {
  std::string_view TypeName() const noexcept override { return "PictureBox"; }
};

TEST(Variant, EachCppTypeGivesItsHostKindAccessorAndTypeName) {
  EXPECT_EQ(Variant().kind(), VarType::kEmpty);
  EXPECT_EQ(Variant(true).kind(), VarType::kBoolean);
  EXPECT_EQ(Variant(uint8_t{200}).kind(), VarType::kByte);
  EXPECT_EQ(Variant(int16_t{-2}).kind(), VarType::kInteger);
  EXPECT_EQ(Variant(70000).kind(), VarType::kLong);
  EXPECT_EQ(Variant(2.5).kind(), VarType::kDouble);
  EXPECT_EQ(Variant(Date(36526.5)).kind(), VarType::kDate);
  EXPECT_EQ(Variant("Wahr").kind(), VarType::kString);
  EXPECT_EQ(Variant(nullptr).kind(), VarType::kObject);
  EXPECT_EQ(Variant(std::make_shared<Collection>()).kind(), VarType::kObject);
  EXPECT_TRUE(Variant::Null().IsNull());
  EXPECT_TRUE(Variant::Missing().IsMissing());
  EXPECT_EQ(Variant(int16_t{-2}).AsInteger(), -2);
  EXPECT_EQ(Variant("12").AsString(), "12");
  EXPECT_EQ(Variant(Date(1.25)).AsDate(), Date(1.25));
  EXPECT_EQ(ErrorNumberOf([] { (void)Variant(5).AsInteger(); }), err::kTypeMismatch);
  EXPECT_EQ(ErrorNumberOf([] { (void)Variant("5").AsLong(); }), err::kTypeMismatch);
  EXPECT_EQ(ErrorNumberOf([] { (void)Variant::Null().AsString(); }), err::kTypeMismatch);
  EXPECT_EQ(Variant(int16_t{1}).TypeName(), "Integer");
  EXPECT_EQ(Variant::Missing().TypeName(), "Error");
  EXPECT_EQ(Variant(nullptr).TypeName(), "Nothing");
  EXPECT_EQ(Variant(std::make_shared<Picture>()).TypeName(), "PictureBox");
}

TEST(Variant, EqualityNeedsSameKindAndValueAndObjectAsTheKind) {
  EXPECT_EQ(Variant("a"), Variant(std::string("a")));
  EXPECT_NE(Variant(int16_t{1}), Variant(1));
  EXPECT_NE(Variant(), Variant::Null());
  const auto picture = std::make_shared<Picture>();
  EXPECT_EQ(Variant(picture), Variant(picture));
  EXPECT_NE(Variant(picture), Variant(std::make_shared<Picture>()));
  EXPECT_EQ(ObjectAs<Picture>(picture), picture);
  EXPECT_EQ(ErrorNumberOf([&] { ObjectAs<Collection>(picture); }), err::kTypeMismatch);
  EXPECT_EQ(ErrorNumberOf([] { ObjectAs<Picture>(nullptr); }), err::kObjectNotSet);
}

}  // namespace
}  // namespace tessera::platform
