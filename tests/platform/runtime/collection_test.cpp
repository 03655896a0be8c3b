#include "tessera/platform/runtime/collection.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "error_number.hpp"

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

}  // namespace
}  // namespace tessera::platform
