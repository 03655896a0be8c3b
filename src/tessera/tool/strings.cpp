// GTool's members on strings alone.
//
// The parameter-list pair and the reverse search work on code points decoded once, and find
// their separators in one pass, so that their cost grows with the length of the text alone.
#include "tessera/platform/runtime/strings.hpp"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tessera/frame/errors/error_styles.hpp"
#include "tessera/platform/runtime/checked.hpp"
#include "tessera/platform/runtime/codepage.hpp"
#include "tessera/platform/runtime/convert.hpp"
#include "tessera/tool/gtool.hpp"
#include "tessera/tool/occurrences.hpp"

namespace tessera {

namespace {

using frame::EndQuietly;
using frame::PassOn;
using frame::PassOver;
using frame::ReportLabelled;

// The 0-based starts of the separators in a non-empty `text`, each searched again one character
// after the start of the one before. A text of more fields than a 16-bit count holds raises an
// overflow as soon as that is certain.
std::vector<std::size_t> SeparatorStarts(std::u32string_view text, std::u32string_view separator) {
  std::vector<std::size_t> starts;
  Occurrences(separator).Scan(text, [&](std::size_t start) {
    starts.push_back(start);
    return starts.size() < INT16_MAX;
  });
  platform::ToInteger(starts.size() + 1);
  return starts;
}

// Field `number` (1 to the count, from the front) as 0-based start and length: it begins one
// character after the start of the separator before it and ends where the next one starts.
std::pair<std::size_t, std::size_t> FieldBounds(std::u32string_view text,
                                                const std::vector<std::size_t>& starts, std::size_t number) {
  const std::size_t start = number == 1 ? 0 : starts[number - 2] + 1;
  const std::size_t end = number == starts.size() + 1 ? text.size() : starts[number - 1];
  return {start, end > start ? end - start : 0};
}

// The decimal digits of `digits` plus one, as many as before unless the number needs more.
std::string IncrementDecimal(std::string digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return digits;
    }
    *it = '0';
  }
  return "1" + digits;
}

}  // namespace

int16_t GTool::ParaAnz(const std::string& TxT, const std::string& trz) const {
  int16_t result = 0;
  PassOver([&] {
    const std::u32string text = platform::DecodeUtf8(TxT);
    if (!text.empty())
      result = platform::ToInteger(SeparatorStarts(text, platform::DecodeUtf8(trz)).size() + 1);
  });
  return result;
}

std::string GTool::ParaGib(const std::string& TxT, const std::string& trz, int16_t nr) const {
  std::string result;
  if (TxT.empty() || nr == 0) return result;
  PassOver([&] {
    // Counted as ParaAnz counts, on the text decoded once; a count past the 16-bit range fails
    // this step as it fails ParaAnz's, and the result stays empty.
    const std::u32string text = platform::DecodeUtf8(TxT);
    const std::u32string separator = platform::DecodeUtf8(trz);
    const std::vector<std::size_t> starts = SeparatorStarts(text, separator);
    const int32_t count = static_cast<int32_t>(starts.size()) + 1;
    const int32_t number = nr > 0 ? nr : count + nr + 1;  // -1 is the last field
    if (number < 1 || number > count) return;
    const auto [start, length] = FieldBounds(text, starts, static_cast<std::size_t>(number));
    result = platform::EncodeUtf8(std::u32string_view(text).substr(start, length));
  });
  return result;
}

std::string GTool::RInStr(const std::string& stZeichenk, const std::string& stSuche,
                          platform::Variant& vPos) const {
  return EndQuietly<std::string>([&](std::string& result) {
    const std::u32string text = platform::DecodeUtf8(stZeichenk);
    const std::u32string find = platform::DecodeUtf8(stSuche);
    if (text.size() < find.size()) return;
    const bool given = !vPos.IsMissing() && platform::IsNumeric(vPos);
    const int64_t start = given ? platform::CLng(vPos) : static_cast<int64_t>(text.size() - find.size()) + 1;
    if (start < 1) return;
    if (find.empty()) {  // found at the start itself, even past the text's end
      result = std::to_string(start);
      return;
    }
    // The last occurrence that begins at or before `start` lies within its first characters.
    const std::size_t reach = static_cast<std::size_t>(
        std::min<int64_t>(start - 1 + static_cast<int64_t>(find.size()), static_cast<int64_t>(text.size())));
    std::optional<std::size_t> last;
    Occurrences(find).Scan(std::u32string_view(text).substr(0, reach), [&](std::size_t found) {
      last = found;
      return true;
    });
    if (last) result = std::to_string(*last + 1);
  });
}

std::string GTool::SortString(const std::string& stZeichenk) const {
  return ReportLabelled<std::string>("GTool.SortString", [&](std::string& result) {
    std::u32string characters = platform::DecodeUtf8(stZeichenk);
    platform::ToInteger(characters.size());  // positions are 16-bit
    std::stable_sort(characters.begin(), characters.end(),
                     [](char32_t a, char32_t b) { return platform::AnsiByte(a) < platform::AnsiByte(b); });
    result = platform::EncodeUtf8(characters);
  });
}

std::string GTool::IncName(const std::string& stName) const {
  return PassOn<std::string>([&](std::string& result) {
    if (stName.empty()) {
      result = "1";
      return;
    }
    // Digits are ASCII, so the trailing digit run can be found on the bytes.
    const std::size_t prefix_length = stName.find_last_not_of("0123456789") + 1;  // npos + 1 == 0
    const std::string digits = stName.substr(prefix_length);
    result = stName.substr(0, prefix_length) + (digits.empty() ? "1" : IncrementDecimal(digits));
  });
}

std::string GTool::ReplaceH(const std::string& stString) const {
  return ReportLabelled<std::string>("GTool.ReplaceH", [&](std::string& result) {
    result = stString;
    if (stString.find('\'') != std::string::npos) result = platform::Replace(stString, "'", "''");
  });
}

std::string GTool::ReplaceGermanSonderzeichen(std::string& stString) const {
  static constexpr std::pair<std::string_view, std::string_view> kSpelledOut[] = {
      {"\u00C4", "Ae"}, {"\u00D6", "Oe"}, {"\u00DC", "Ue"}, {"\u00E4", "ae"},
      {"\u00F6", "oe"}, {"\u00FC", "ue"}, {"\u00DF", "ss"},
  };
  return ReportLabelled<std::string>("GTool.RemoveGermanSonderzeichen", [&](std::string& result) {
    for (const auto& [find, replacement] : kSpelledOut)
      stString = platform::Replace(stString, find, replacement);
    result = stString;
  });
}

void GTool::RGBReverse(int32_t lFarbe, int16_t& R, int16_t& G, int16_t& b) const {
  PassOn([&] {
    R = static_cast<int16_t>(lFarbe & 0xFF);
    G = static_cast<int16_t>((lFarbe & 0xFF00) / 0x100);
    b = static_cast<int16_t>((lFarbe & 0xFF0000) / 0x10000);
  });
}

}  // namespace tessera
