#include "tessera/platform/runtime/strings.hpp"

#include <algorithm>

#include "tessera/platform/runtime/checked.hpp"
#include "tessera/platform/runtime/codepage.hpp"
#include "tessera/platform/runtime/error.hpp"
#include "tessera/platform/runtime/text_case.hpp"

namespace tessera::platform {
namespace {

void RequireNotNegative(int32_t value) {
  if (value < 0) Raise(err::kInvalidProcedureCall);
}

void RequirePosition(int32_t position) {
  if (position < 1) Raise(err::kInvalidProcedureCall);
}

// Byte offset of the character with 0-based index `characters`, or the text's size past its end.
std::size_t ByteOffset(std::string_view text, std::size_t characters) {
  std::size_t pos = 0;
  for (; characters > 0 && pos < text.size(); --characters) NextCodePoint(text, pos);
  return pos;
}

// The text decoded for searching; under text comparison every character is case-folded, which
// keeps the number of characters and so every position.
std::u32string SearchForm(std::string_view text, CompareMethod compare) {
  std::u32string decoded = DecodeUtf8(text);
  if (compare == CompareMethod::kText) {
    std::transform(decoded.begin(), decoded.end(), decoded.begin(), FoldCodePoint);
  }
  return decoded;
}

int32_t Position(std::size_t index) {
  return CheckedNarrow<int32_t>(index + 1);
}

}  // namespace

int32_t Len(std::string_view text) {
  int32_t count = 0;
  for (std::size_t pos = 0; pos < text.size(); ++count) NextCodePoint(text, pos);
  return count;
}

std::string Mid(std::string_view text, int32_t start, int32_t length) {
  RequirePosition(start);
  if (length < kToTheEnd) Raise(err::kInvalidProcedureCall);
  const std::size_t begin = ByteOffset(text, static_cast<std::size_t>(start) - 1);
  const std::string_view rest = text.substr(begin);
  if (length == kToTheEnd) return std::string(rest);
  return std::string(rest.substr(0, ByteOffset(rest, static_cast<std::size_t>(length))));
}

std::string Left(std::string_view text, int32_t length) {
  RequireNotNegative(length);
  return std::string(text.substr(0, ByteOffset(text, static_cast<std::size_t>(length))));
}

std::string Right(std::string_view text, int32_t length) {
  RequireNotNegative(length);
  const int32_t total = Len(text);
  if (length >= total) return std::string(text);
  return std::string(text.substr(ByteOffset(text, static_cast<std::size_t>(total - length))));
}

int32_t InStr(int32_t start, std::string_view text, std::string_view find, CompareMethod compare) {
  RequirePosition(start);
  const std::u32string haystack = SearchForm(text, compare);
  const auto from = static_cast<std::size_t>(start) - 1;
  if (from >= haystack.size()) return 0;
  if (find.empty()) return start;
  const std::size_t found = haystack.find(SearchForm(find, compare), from);
  return found == std::u32string::npos ? 0 : Position(found);
}

int32_t InStr(std::string_view text, std::string_view find) {
  return InStr(1, text, find);
}

int32_t InStrRev(std::string_view text, std::string_view find, int32_t start, CompareMethod compare) {
  if (start == 0 || start < kToTheEnd) Raise(err::kInvalidProcedureCall);
  const std::u32string haystack = SearchForm(text, compare);
  const std::size_t end = start == kToTheEnd ? haystack.size() : static_cast<std::size_t>(start);
  if (haystack.empty() || end > haystack.size()) return 0;
  if (find.empty()) return CheckedNarrow<int32_t>(end);
  const std::u32string needle = SearchForm(find, compare);
  if (needle.size() > end) return 0;
  const std::size_t found = haystack.rfind(needle, end - needle.size());
  return found == std::u32string::npos ? 0 : Position(found);
}

std::string Replace(std::string_view text, std::string_view find, std::string_view replacement, int32_t start,
                    int32_t count, CompareMethod compare) {
  RequirePosition(start);
  if (count < kToTheEnd) Raise(err::kInvalidProcedureCall);
  const std::u32string original = DecodeUtf8(text);
  const auto from = static_cast<std::size_t>(start) - 1;
  if (from >= original.size()) return {};
  const std::u32string haystack = SearchForm(text, compare);
  const std::u32string needle = SearchForm(find, compare);
  const std::u32string with = DecodeUtf8(replacement);
  std::u32string result;
  std::size_t pos = from;
  for (int32_t done = 0; !needle.empty() && (count == kToTheEnd || done < count); ++done) {
    const std::size_t found = haystack.find(needle, pos);
    if (found == std::u32string::npos) break;
    result.append(original, pos, found - pos).append(with);
    pos = found + needle.size();
  }
  result.append(original, pos);
  return EncodeUtf8(result);
}

std::string LTrim(std::string_view text) {
  const auto begin = text.find_first_not_of(' ');
  return begin == std::string_view::npos ? std::string() : std::string(text.substr(begin));
}

std::string RTrim(std::string_view text) {
  const auto end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string() : std::string(text.substr(0, end + 1));
}

std::string Trim(std::string_view text) {
  return LTrim(RTrim(text));
}

std::string Space(int32_t count) {
  RequireNotNegative(count);
  return std::string(static_cast<std::size_t>(count), ' ');
}

int32_t Asc(std::string_view text) {
  return AnsiByte(static_cast<char32_t>(AscW(text)));
}

std::string Chr(int32_t code) {
  if (code < 0 || code > 255) Raise(err::kInvalidProcedureCall);
  std::string out;
  AppendUtf8(out, AnsiCodePoint(static_cast<uint8_t>(code)));
  return out;
}

int32_t AscW(std::string_view text) {
  if (text.empty()) Raise(err::kInvalidProcedureCall);
  std::size_t pos = 0;
  return static_cast<int32_t>(NextCodePoint(text, pos));
}

std::string ChrW(int32_t code) {
  if (code >= -32768 && code < 0) code += 65536;
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  if (code < 0 || code > 0x10FFFF || surrogate) Raise(err::kInvalidProcedureCall);
  std::string out;
  AppendUtf8(out, static_cast<char32_t>(code));
  return out;
}

}  // namespace tessera::platform
