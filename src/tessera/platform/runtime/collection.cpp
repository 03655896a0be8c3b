#include "tessera/platform/runtime/collection.hpp"

#include <algorithm>
#include <utility>

#include "tessera/platform/runtime/convert.hpp"
#include "tessera/platform/runtime/text_case.hpp"

namespace tessera::platform {

void Collection::Add(Variant item, std::optional<std::string_view> key) {
  Insert(entries_.size(), std::move(item), key);
}

void Collection::AddBefore(Variant item, int32_t before, std::optional<std::string_view> key) {
  Insert(PositionOf(before), std::move(item), key);
}

void Collection::AddAfter(Variant item, int32_t after, std::optional<std::string_view> key) {
  Insert(PositionOf(after) + 1, std::move(item), key);
}

const Variant& Collection::Item(int32_t index) const {
  return entries_[PositionOf(index)]->item;
}

const Variant& Collection::Item(std::string_view key) const {
  return EntryOf(key).item;
}

void Collection::Remove(int32_t index) {
  Erase(PositionOf(index));
}

void Collection::Remove(std::string_view key) {
  const Entry* entry = &EntryOf(key);
  const auto found =
      std::find_if(entries_.begin(), entries_.end(), [entry](const auto& e) { return e.get() == entry; });
  Erase(static_cast<std::size_t>(found - entries_.begin()));
}

void Collection::Insert(std::size_t position, Variant item, std::optional<std::string_view> key) {
  // Room in the order first, so that nothing can fail once the key is indexed. The room doubles,
  // so that appending stays constant time on average; room for one more each time would move
  // every entry on every Add.
  if (entries_.size() == entries_.capacity())
    entries_.reserve(std::max<std::size_t>(8, 2 * entries_.capacity()));
  std::optional<std::string> folded_key;
  if (key) folded_key = FoldCase(*key);
  auto entry = std::make_unique<Entry>(Entry{std::move(item), std::move(folded_key)});
  if (entry->folded_key && !by_key_.try_emplace(*entry->folded_key, entry.get()).second)
    Raise(err::kDuplicateKey);
  entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(position), std::move(entry));
}

std::size_t Collection::PositionOf(int32_t index) const {
  if (index < 1 || index > Count()) Raise(err::kSubscriptOutOfRange);
  return static_cast<std::size_t>(index - 1);
}

const Collection::Entry& Collection::EntryOf(std::string_view key) const {
  const auto found = by_key_.find(FoldCase(key));
  if (found == by_key_.end()) Raise(err::kInvalidProcedureCall);
  return *found->second;
}

void Collection::Erase(std::size_t position) {
  const auto entry = entries_.begin() + static_cast<std::ptrdiff_t>(position);
  if ((*entry)->folded_key) by_key_.erase(*(*entry)->folded_key);
  entries_.erase(entry);
}

void Collection::AddItem(Variant item, const Variant& key) {
  if (key.IsMissing()) return Add(std::move(item));
  Add(std::move(item), CStr(key));
}

const Variant& Collection::ItemAt(const Variant& where) const {
  if (where.kind() == VarType::kString) return Item(where.AsString());
  return Item(CLng(where));
}

void Collection::RemoveAt(const Variant& where) {
  if (where.kind() == VarType::kString) return Remove(where.AsString());
  Remove(CLng(where));
}

}  // namespace tessera::platform
