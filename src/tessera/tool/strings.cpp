// GTool's members on strings alone.
//
// The parameter-list pair works on code points, so that a list of thousands of fields is read in
// one pass instead of re-counting characters for every field.
#include "tessera/platform/runtime/strings.hpp"

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>

#include "tessera/frame/errors/error_styles.hpp"
#include "tessera/platform/runtime/checked.hpp"
#include "tessera/platform/runtime/codepage.hpp"
#include "tessera/platform/runtime/convert.hpp"
#include "tessera/tool/gtool.hpp"

namespace tessera {

namespace {

using frame::EndQuietly;
using frame::PassOn;
using frame::PassOver;
using frame::ReportLabelled;

// The number of fields: one more than the occurrences of `separator`. A count past the 16-bit
// range raises an overflow.
int16_t FieldCount(std::u32string_view text, std::u32string_view separator) {
  if (text.empty()) return 0;
  int32_t occurrences = 0;
  for (std::size_t p = text.find(separator); p != std::u32string_view::npos;
       p = text.find(separator, p + 1)) {
    ++occurrences;
    if (occurrences > INT16_MAX) break;  // the count no longer fits; no need to go on
  }
  return platform::ToInteger(occurrences + 1);
}

// Field `number` (1 to count, from the front) as 0-based start and length.
std::pair<std::size_t, std::size_t> FieldBounds(std::u32string_view text, std::u32string_view separator,
                                                int32_t number, int32_t count) {
  std::size_t previous = 0;  // 1-based position of the separator before the field, 0 for the first
  for (int32_t i = 1; i < number; ++i) previous = text.find(separator, previous) + 1;
  const std::size_t start = previous;  // 0-based: one character after the separator's start
  const std::size_t end = number == count ? text.size() : text.find(separator, start);
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
  PassOver([&] { result = FieldCount(platform::DecodeUtf8(TxT), platform::DecodeUtf8(trz)); });
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
    const int32_t count = FieldCount(text, separator);
    const int32_t number = nr > 0 ? nr : count + nr + 1;  // -1 is the last field
    if (number < 1 || number > count) return;
    const auto [start, length] = FieldBounds(text, separator, number, count);
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
    const int64_t last_start = static_cast<int64_t>(text.size() - find.size()) + 1;
    const bool given = !vPos.IsMissing() && platform::IsNumeric(vPos);
    // A start past the last possible one finds the same occurrences, so it is clamped.
    const int64_t start = given ? std::min<int64_t>(platform::CLng(vPos), last_start) : last_start;
    for (int64_t i = start; i >= 1; --i) {
      if (std::u32string_view(text).substr(static_cast<std::size_t>(i - 1), find.size()) == find) {
        result = std::to_string(i);
        return;
      }
    }
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
