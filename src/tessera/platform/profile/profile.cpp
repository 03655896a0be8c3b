#include "tessera/platform/profile/profile.hpp"

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "tessera/platform/profile/ini_file.hpp"
#include "tessera/platform/runtime/error.hpp"

namespace tessera::platform {
namespace {

constexpr std::string_view kLineBreaks = "\r\n";

// A name or value that would not read back as written is refused before the file is touched.
void RequireStorable(std::string_view text, std::string_view forbidden) {
  if (text.find_first_of(forbidden) != std::string_view::npos) Raise(err::kInvalidProcedureCall);
}

void RequireSectionName(std::string_view section) {
  RequireStorable(section, "\r\n]");
  if (section.find_first_not_of(" \t") == std::string_view::npos) Raise(err::kInvalidProcedureCall);
}

void RequireKeyName(std::string_view key) {
  RequireStorable(key, "\r\n=");
  const auto first = key.find_first_not_of(" \t");
  if (first == std::string_view::npos || key[first] == '[' || key[first] == ';')
    Raise(err::kInvalidProcedureCall);
}

// A value in matching single or double quotes is answered without them.
std::string_view Unquoted(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

uint32_t CopyText(std::string_view text, char* buffer, uint32_t size) {
  if (buffer == nullptr || size == 0) return 0;
  const std::size_t count = std::min<std::size_t>(text.size(), size - 1);
  if (count > 0) std::memcpy(buffer, text.data(), count);
  buffer[count] = '\0';
  return static_cast<uint32_t>(count);
}

// Each item followed by a NUL, the list by a further NUL. A list that does not fit is cut, ends
// in two NULs and answers size - 2.
uint32_t CopyList(const std::vector<std::string>& items, char* buffer, uint32_t size) {
  if (buffer == nullptr || size == 0) return 0;
  std::string list;
  for (const auto& item : items) list.append(item).push_back('\0');
  if (list.size() + 1 <= size) {
    if (!list.empty()) std::memcpy(buffer, list.data(), list.size());
    buffer[list.size()] = '\0';
    return static_cast<uint32_t>(list.size());
  }
  if (size < 2) {
    buffer[0] = '\0';
    return 0;
  }
  std::memcpy(buffer, list.data(), size - 2);
  buffer[size - 2] = buffer[size - 1] = '\0';
  return size - 2;
}

std::string_view DefaultText(const char* default_value) {
  std::string_view text = default_value != nullptr ? default_value : "";
  const auto last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

// "a\0b\0\0" -> {"a", "b"}
std::vector<std::string> SplitNulList(const char* lines) {
  std::vector<std::string> items;
  for (const char* item = lines; *item != '\0'; item += std::strlen(item) + 1) items.emplace_back(item);
  return items;
}

}  // namespace

uint32_t GetPrivateProfileStringA(const char* section, const char* key, const char* default_value,
                                  char* buffer, uint32_t size, const char* file) {
  if (file == nullptr) return CopyText(DefaultText(default_value), buffer, size);
  const auto document = ReadIniFile(file);
  if (section == nullptr) return CopyList(document->SectionNames(), buffer, size);
  if (key == nullptr) return CopyList(document->KeyNames(section), buffer, size);
  const auto value = document->Value(section, key);
  return CopyText(value ? Unquoted(*value) : DefaultText(default_value), buffer, size);
}

int32_t WritePrivateProfileStringA(const char* section, const char* key, const char* value,
                                   const char* file) {
  if (section == nullptr || file == nullptr) return 1;  // flushing: every write is on disk already
  RequireSectionName(section);
  if (key == nullptr) {
    EditIniFile(file, [&](const IniDocument& document) { return document.WithoutSection(section); });
    return 1;
  }
  RequireKeyName(key);
  if (value == nullptr) {
    EditIniFile(file, [&](const IniDocument& document) { return document.WithoutKey(section, key); });
    return 1;
  }
  RequireStorable(value, kLineBreaks);
  EditIniFile(file, [&](const IniDocument& document) { return document.WithValue(section, key, value); });
  return 1;
}

void WriteProfileValues(const std::string& section,
                        const std::vector<std::pair<std::string, std::string>>& values,
                        const std::string& file) {
  RequireSectionName(section);
  for (const auto& [key, value] : values) {
    RequireKeyName(key);
    RequireStorable(value, kLineBreaks);
  }
  EditIniFile(file, [&](const IniDocument& document) {
    std::string bytes = document.bytes();
    for (const auto& [key, value] : values)
      bytes = IniDocument(std::move(bytes)).WithValue(section, key, value);
    return bytes;
  });
}

uint32_t GetPrivateProfileSectionA(const char* section, char* buffer, uint32_t size, const char* file) {
  if (section == nullptr || file == nullptr) return CopyList({}, buffer, size);
  return CopyList(ReadIniFile(file)->SectionLines(section), buffer, size);
}

int32_t WritePrivateProfileSectionA(const char* section, const char* lines, const char* file) {
  if (section == nullptr || file == nullptr) return 1;
  RequireSectionName(section);
  if (lines == nullptr) {
    EditIniFile(file, [&](const IniDocument& document) { return document.WithoutSection(section); });
    return 1;
  }
  const std::vector<std::string> items = SplitNulList(lines);
  for (const auto& item : items) RequireStorable(item, kLineBreaks);
  EditIniFile(file, [&](const IniDocument& document) { return document.WithSectionLines(section, items); });
  return 1;
}

}  // namespace tessera::platform
