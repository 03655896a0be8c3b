// Reading a resource-text catalogue.
#include <charconv>
#include <string>

#include "tessera/frame/companions/resbank/resbank_strings.hpp"
#include "tessera/platform/runtime/error.hpp"

namespace resbank {

namespace {

[[noreturn]] void Malformed(std::string_view file_label, std::size_t line_number, std::string_view what) {
  throw tessera::platform::RuntimeError(
      tessera::platform::err::kInvalidProcedureCall, "Resbank",
      std::string(file_label) + " line " + std::to_string(line_number) + ": " + std::string(what));
}

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

// Resolves the escapes of a text; nullopt-free: a bad escape is reported by the caller's label.
bool Unescape(std::string_view text, std::string& out) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out.push_back(text[i]);
      continue;
    }
    if (++i == text.size()) return false;
    switch (text[i]) {
      case 'n':
        out.push_back('\n');
        break;
      case 'r':
        out.push_back('\r');
        break;
      case 't':
        out.push_back('\t');
        break;
      case '\\':
        out.push_back('\\');
        break;
      default:
        return false;
    }
  }
  return true;
}

}  // namespace

std::unordered_map<int32_t, std::string> ParseCatalogue(std::string_view content,
                                                        std::string_view file_label) {
  std::unordered_map<int32_t, std::string> texts;
  std::size_t line_number = 0;
  while (!content.empty()) {
    const auto end = content.find('\n');
    const std::string_view line = TrimBlanks(content.substr(0, end));
    content = end == std::string_view::npos ? std::string_view{} : content.substr(end + 1);
    ++line_number;
    if (line.empty() || line.front() == '#') continue;

    const auto equals = line.find('=');
    if (equals == std::string_view::npos) Malformed(file_label, line_number, "expected \"<id> = <text>\"");
    const std::string_view id_text = TrimBlanks(line.substr(0, equals));
    int32_t id = 0;
    const auto [rest, error] = std::from_chars(id_text.data(), id_text.data() + id_text.size(), id);
    if (id_text.empty() || error != std::errc{} || rest != id_text.data() + id_text.size()) {
      Malformed(file_label, line_number, "the id is not a 32-bit number");
    }
    std::string text;
    if (!Unescape(TrimBlanks(line.substr(equals + 1)), text))
      Malformed(file_label, line_number, "bad escape");
    if (!texts.emplace(id, std::move(text)).second) Malformed(file_label, line_number, "duplicate id");
  }
  return texts;
}

}  // namespace resbank
