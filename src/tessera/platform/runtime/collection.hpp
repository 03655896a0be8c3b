// The host's Collection: an ordered list of Variants, indexed from 1, each with an optional text
// key that is compared without regard to case.
//
// Items are held by value; Item returns a reference that stays valid until the collection is
// changed. Errors: an index outside 1..Count is 9 "Subscript out of range", a key that is not
// there 5 "Invalid procedure call or argument", a key already present 457; a failing call leaves
// the collection as it was. Lookup by key goes through an index of case-folded keys, so large
// collections (settings sections of thousands of lines) stay fast.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "tessera/export.hpp"
#include "tessera/platform/runtime/object.hpp"
#include "tessera/platform/runtime/variant.hpp"

namespace tessera::platform {

class TESSERA_API Collection : public Object {
 public:
  std::string_view TypeName() const noexcept override { return "Collection"; }

  // Appends `item`, or inserts it in front of the item at index `before` / behind the item at
  // index `after` (both must be in 1..Count, else 9).
  void Add(Variant item, std::optional<std::string_view> key = std::nullopt);
  void AddBefore(Variant item, int32_t before, std::optional<std::string_view> key = std::nullopt);
  void AddAfter(Variant item, int32_t after, std::optional<std::string_view> key = std::nullopt);

  int32_t Count() const noexcept { return static_cast<int32_t>(entries_.size()); }

  const Variant& Item(int32_t index) const;
  const Variant& Item(std::string_view key) const;

  void Remove(int32_t index);
  void Remove(std::string_view key);

  // As a script calls them, with Variants: a string picks an item by its key, anything else by
  // its index; a Missing key is none.
  void AddItem(Variant item, const Variant& key);
  const Variant& ItemAt(const Variant& where) const;
  void RemoveAt(const Variant& where);

 private:
  struct Entry {
    Variant item;
    std::optional<std::string> folded_key;
  };

  void Insert(std::size_t position, Variant item, std::optional<std::string_view> key);
  std::size_t PositionOf(int32_t index) const;
  const Entry& EntryOf(std::string_view key) const;
  void Erase(std::size_t position);

  // Entries live on the heap so that the key index can point at them while the order shifts.
  std::vector<std::unique_ptr<Entry>> entries_;
  std::unordered_map<std::string, const Entry*> by_key_;
};

}  // namespace tessera::platform
