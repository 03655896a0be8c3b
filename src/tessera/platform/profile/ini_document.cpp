#include "tessera/platform/profile/ini_document.hpp"

#include <array>

#include "tessera/platform/runtime/codepage.hpp"
#include "tessera/platform/runtime/text_case.hpp"

namespace tessera::platform {
namespace {

constexpr std::string_view kBlanks = " \t";
// A UTF-8 byte-order mark, which editors put in front of the first line.
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::string_view TrimBlanks(std::string_view text) {
  const auto begin = text.find_first_not_of(kBlanks);
  if (begin == std::string_view::npos) return {};
  return text.substr(begin, text.find_last_not_of(kBlanks) - begin + 1);
}

// Each ANSI byte folded as a letter; a byte whose folded form the code page lacks stays itself.
const std::array<char, 256>& AnsiFoldTable() {
  static const std::array<char, 256> table = [] {
    std::array<char, 256> folded{};
    for (int byte = 0; byte < 256; ++byte) {
      const char32_t code_point = AnsiCodePoint(static_cast<uint8_t>(byte));
      const char32_t folded_code_point = FoldCodePoint(code_point);
      const uint8_t folded_byte = AnsiByte(folded_code_point);
      const bool representable = AnsiCodePoint(folded_byte) == folded_code_point;
      folded[static_cast<std::size_t>(byte)] = static_cast<char>(representable ? folded_byte : byte);
    }
    return folded;
  }();
  return table;
}

}  // namespace

std::string FoldAnsiName(std::string_view name) {
  const auto& table = AnsiFoldTable();
  std::string folded(TrimBlanks(name));
  for (char& c : folded) c = table[static_cast<uint8_t>(c)];
  return folded;
}

IniDocument::IniDocument(std::string bytes) : bytes_(std::move(bytes)) {
  Parse();
}

void IniDocument::Parse() {
  content_begin_ = bytes_.starts_with(kUtf8Mark) ? kUtf8Mark.size() : 0;
  for (std::size_t pos = content_begin_; pos < bytes_.size();) {
    const std::size_t end = bytes_.find_first_of("\r\n", pos);
    if (end == std::string::npos) {
      lines_.push_back({pos, bytes_.size(), bytes_.size()});
      break;
    }
    const std::size_t next = end + (bytes_.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    lines_.push_back({pos, end, next});
    pos = next;
  }
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const std::string_view raw(bytes_.data() + lines_[i].begin, lines_[i].end - lines_[i].begin);
    const std::string_view text = TrimBlanks(raw);
    if (text.empty()) continue;
    if (text.front() == '[') {
      if (!sections_.empty()) sections_.back().end_line = i;
      const std::string_view name = TrimBlanks(text.substr(1, text.find(']') - 1));
      section_index_.emplace(FoldAnsiName(name), sections_.size());
      sections_.push_back({std::string(name), i, i, lines_.size(), {}});
      continue;
    }
    if (sections_.empty()) continue;  // lines before the first section belong to none
    Section& section = sections_.back();
    section.last_line = i;
    if (text.front() == ';') continue;
    const std::size_t equals = raw.find('=');
    if (equals == std::string_view::npos) {
      section.entries.push_back({false, {}, std::string(text), 0, i, 0});
      continue;
    }
    const std::string_view key = TrimBlanks(raw.substr(0, equals));
    const std::string_view after = raw.substr(equals + 1);
    const std::size_t value_skip = std::min(after.find_first_not_of(kBlanks), after.size());
    const std::string_view value = TrimBlanks(after);
    section.entries.push_back({true, FoldAnsiName(key), std::string(key) + "=" + std::string(value),
                               key.size(), i, lines_[i].begin + equals + 1 + value_skip});
  }
}

const IniDocument::Section* IniDocument::Find(std::string_view section) const {
  const auto found = section_index_.find(FoldAnsiName(section));
  return found == section_index_.end() ? nullptr : &sections_[found->second];
}

const IniDocument::Entry* IniDocument::FindEntry(const Section& section, std::string_view key) const {
  const std::string folded = FoldAnsiName(key);
  for (const Entry& entry : section.entries) {
    if (entry.is_key && entry.folded_key == folded) return &entry;
  }
  return nullptr;
}

std::optional<std::string_view> IniDocument::Value(std::string_view section, std::string_view key) const {
  const Section* found = Find(section);
  const Entry* entry = found != nullptr ? FindEntry(*found, key) : nullptr;
  if (entry == nullptr) return std::nullopt;
  return std::string_view(entry->text).substr(entry->key_length + 1);
}

bool IniDocument::HasSection(std::string_view section) const {
  return Find(section) != nullptr;
}

std::vector<std::string> IniDocument::SectionLines(std::string_view section) const {
  std::vector<std::string> lines;
  if (const Section* found = Find(section)) {
    for (const Entry& entry : found->entries) lines.push_back(entry.text);
  }
  return lines;
}

std::vector<std::string> IniDocument::SectionNames() const {
  std::vector<std::string> names;
  for (const auto& section : sections_) {
    if (&section == Find(section.name)) names.push_back(section.name);
  }
  return names;
}

std::vector<std::string> IniDocument::KeyNames(std::string_view section) const {
  std::vector<std::string> names;
  if (const Section* found = Find(section)) {
    for (const Entry& entry : found->entries) {
      if (entry.is_key && FindEntry(*found, entry.folded_key) == &entry)
        names.push_back(entry.text.substr(0, entry.key_length));
    }
  }
  return names;
}

std::string IniDocument::LineEnd() const {
  const std::size_t end = bytes_.find_first_of("\r\n", content_begin_);
  if (end == std::string::npos) return "\r\n";
  if (bytes_[end] == '\n') return "\n";
  return bytes_.compare(end, 2, "\r\n") == 0 ? "\r\n" : "\r";
}

std::string IniDocument::Spliced(std::size_t begin, std::size_t end, std::string_view text) const {
  std::string out;
  out.reserve(bytes_.size() - (end - begin) + text.size());
  out.append(bytes_, 0, begin).append(text).append(bytes_, end);
  return out;
}

std::string IniDocument::SplicedLines(std::size_t begin, std::size_t end, std::string_view text) const {
  const bool needs_line_end = begin == bytes_.size() && bytes_.size() > content_begin_ &&
                              bytes_.back() != '\n' && bytes_.back() != '\r';
  return Spliced(begin, end, needs_line_end ? LineEnd() + std::string(text) : std::string(text));
}

std::string IniDocument::Joined(const std::vector<std::string>& lines) const {
  const std::string line_end = LineEnd();
  std::string text;
  for (const auto& line : lines) text.append(line).append(line_end);
  return text;
}

std::string IniDocument::WithValue(std::string_view section, std::string_view key,
                                   std::string_view value) const {
  const Section* found = Find(section);
  const std::string line = std::string(TrimBlanks(key)) + "=" + std::string(value);
  if (found == nullptr) {
    const std::string header = "[" + std::string(TrimBlanks(section)) + "]";
    return SplicedLines(bytes_.size(), bytes_.size(), Joined({header, line}));
  }
  if (const Entry* entry = FindEntry(*found, key))
    return Spliced(entry->value_begin, lines_[entry->line].end, value);
  const std::size_t after_last = lines_[found->last_line].next;
  return SplicedLines(after_last, after_last, Joined({line}));
}

std::string IniDocument::WithoutKey(std::string_view section, std::string_view key) const {
  const Section* found = Find(section);
  const Entry* entry = found != nullptr ? FindEntry(*found, key) : nullptr;
  if (entry == nullptr) return bytes_;
  return Spliced(lines_[entry->line].begin, lines_[entry->line].next, {});
}

std::string IniDocument::WithoutSection(std::string_view section) const {
  const Section* found = Find(section);
  if (found == nullptr) return bytes_;
  const std::size_t end = found->end_line < lines_.size() ? lines_[found->end_line].begin : bytes_.size();
  return Spliced(lines_[found->header].begin, end, {});
}

std::string IniDocument::WithSectionLines(std::string_view section,
                                          const std::vector<std::string>& lines) const {
  const Section* found = Find(section);
  if (found == nullptr) {
    std::vector<std::string> all{"[" + std::string(TrimBlanks(section)) + "]"};
    all.insert(all.end(), lines.begin(), lines.end());
    return SplicedLines(bytes_.size(), bytes_.size(), Joined(all));
  }
  // Everything from the header to the section's last line that is not blank is replaced: its
  // keys, other lines and comments; the blank lines before the next section stay.
  return SplicedLines(lines_[found->header].next, lines_[found->last_line].next, Joined(lines));
}

}  // namespace tessera::platform
