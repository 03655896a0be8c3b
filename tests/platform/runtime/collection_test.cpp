#include "tessera/platform/runtime/collection.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "error_number.hpp"
#include "tessera/platform/runtime/variant.hpp"

namespace tessera::platform {
namespace {

using testing::ErrorNumberOf;

std::vector<std::string> Items(const Collection& collection) {
  std::vector<std::string> items;
  for (int32_t i = 1; i <= collection.Count(); ++i) items.push_back(collection.Item(i).AsString());
  return items;
}

Collection Letters() {
  Collection collection;
  collection.Add("a", "Key-A");
  collection.Add("b");
  collection.Add("c", "Größe");
  return collection;
}

TEST(Collection, KeepsOrderFromIndexOne) {
  Collection collection = Letters();
  collection.AddBefore("first", 1);
  collection.AddAfter("last", collection.Count(), "End");
  collection.AddAfter("second", 1);
  EXPECT_EQ(Items(collection), (std::vector<std::string>{"first", "second", "a", "b", "c", "last"}));
  EXPECT_EQ(collection.Item("end").AsString(), "last");
}

TEST(Collection, KeysAreFoundWithoutRegardToCaseAndAreNotTakenTwice) {
  Collection collection = Letters();
  EXPECT_EQ(collection.Item("KEY-a").AsString(), "a");
  EXPECT_EQ(collection.Item("GRÖßE").AsString(), "c");
  EXPECT_EQ(ErrorNumberOf([&] { collection.Item("GROESSE"); }), err::kInvalidProcedureCall);
  EXPECT_EQ(ErrorNumberOf([&] { collection.Add("x", "key-a"); }), err::kDuplicateKey);
  EXPECT_EQ(ErrorNumberOf([&] { collection.AddBefore("x", 1, "KEY-A"); }), err::kDuplicateKey);
  EXPECT_EQ(Items(collection), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(collection.Item("Key-A").AsString(), "a");
}

TEST(Collection, RemovesByIndexAndByKeyAndBadIndexIsNineAndMissingKeyIsFive) {
  Collection collection = Letters();
  collection.Remove("KEY-A");
  EXPECT_EQ(Items(collection), (std::vector<std::string>{"b", "c"}));
  collection.Remove(2);
  EXPECT_EQ(Items(collection), (std::vector<std::string>{"b"}));
  EXPECT_EQ(ErrorNumberOf([&] { collection.Item("größe"); }), err::kInvalidProcedureCall);
  collection.Add("again", "Key-A");  // a removed key is free again
  EXPECT_EQ(collection.Item("key-a").AsString(), "again");
  collection = Letters();
  for (const int32_t index : {0, -1, 4}) {
    EXPECT_EQ(ErrorNumberOf([&] { collection.Item(index); }), err::kSubscriptOutOfRange) << index;
    EXPECT_EQ(ErrorNumberOf([&] { collection.Remove(index); }), err::kSubscriptOutOfRange) << index;
  }
  EXPECT_EQ(ErrorNumberOf([&] { collection.AddBefore("x", 4); }), err::kSubscriptOutOfRange);
  EXPECT_EQ(ErrorNumberOf([&] { collection.Item("nope"); }), err::kInvalidProcedureCall);
  EXPECT_EQ(ErrorNumberOf([&] { collection.Remove("nope"); }), err::kInvalidProcedureCall);
  EXPECT_EQ(collection.Count(), 3);
}

TEST(Collection, LargeKeyedCollectionStaysConsistent) {
  Collection collection;
  for (int32_t i = 0; i < 5000; ++i) collection.Add(i, "Line" + std::to_string(i));
  for (int32_t i = 0; i < 5000; i += 2) collection.Remove("LINE" + std::to_string(i));
  ASSERT_EQ(collection.Count(), 2500);
  EXPECT_EQ(collection.Item(1).AsLong(), 1);
  EXPECT_EQ(collection.Item("line4999").AsLong(), 4999);
  EXPECT_EQ(collection.Item(2500).AsLong(), 4999);
}

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
