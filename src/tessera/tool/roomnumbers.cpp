// GTool.RNrByFormat: room numbers laid out by a pattern from the settings file.
#include <string>
#include <unordered_set>

#include "tessera/frame/errors/error_styles.hpp"
#include "tessera/platform/runtime/codepage.hpp"
#include "tessera/platform/runtime/convert.hpp"
#include "tessera/platform/runtime/strings.hpp"
#include "tessera/tool/gtool.hpp"

namespace tessera {

namespace {

struct Location {
  std::string so, geb, et;
};

// Which placeholders the pattern held as it was read.
struct PatternLetters {
  bool r, e, g, s;
};

bool Holds(std::string_view pattern, char upper) {
  return pattern.find(upper) != std::string_view::npos ||
         pattern.find(static_cast<char>(upper - 'A' + 'a')) != std::string_view::npos;
}

bool IsBlank(const std::string& text) {
  return platform::Trim(text).empty();
}

// Empty, or forced to show the top level and the building, as the two flags ask.
std::string CompletedPattern(std::string pattern, bool so_required, bool geb_required) {
  if (pattern.empty() && so_required) pattern = "S.G.";
  if (pattern.empty() && geb_required) pattern = "G.";
  if (so_required) {
    if (!Holds(pattern, 'G')) pattern = "G." + pattern;
    if (!Holds(pattern, 'S')) pattern = "S." + pattern;
  }
  if (geb_required && !Holds(pattern, 'G')) pattern = "G." + pattern;
  return pattern;
}

// Walks the pattern, stopping after a placeholder when everything below it is blank, then strips
// the pattern's literal characters from both ends.
std::string LaidOut(const std::u32string& pattern, const Location& at, const std::string& b,
                    const std::string& r) {
  std::u32string result;
  std::unordered_set<char32_t> literals;
  const auto insert = [&result](const std::string& text) { result += platform::DecodeUtf8(text); };
  for (const char32_t c : pattern) {
    bool stop = false;
    switch (c) {
      case U'S':
      case U's':
        insert(at.so);
        stop = IsBlank(at.geb) && IsBlank(at.et) && IsBlank(b) && IsBlank(r);
        break;
      case U'G':
      case U'g':
        insert(at.geb);
        stop = IsBlank(at.et) && IsBlank(b) && IsBlank(r);
        break;
      case U'E':
      case U'e':
        insert(at.et);
        stop = IsBlank(b) && IsBlank(r);
        break;
      case U'B':
      case U'b':
        insert(b);
        stop = IsBlank(r);
        break;
      case U'R':
      case U'r':
        insert(r);
        break;
      default:
        result += c;
        literals.insert(c);
    }
    if (stop) break;
  }
  while (!result.empty() && literals.contains(result.back())) result.pop_back();
  std::size_t first = 0;
  while (first < result.size() && literals.contains(result[first])) ++first;
  return platform::EncodeUtf8(std::u32string_view(result).substr(first));
}

// The deepest level the pattern leaves out, when the walk gave nothing.
std::string Fallback(const PatternLetters& has, const Location& at) {
  if (!has.r || has.s) return {};
  if (!has.e && !has.g) {
    if (!at.et.empty() && !at.geb.empty() && !at.so.empty()) return "Et: " + at.et;
    if (at.et.empty() && !at.geb.empty() && !at.so.empty()) return "Geb: " + at.geb;
    if (at.et.empty() && at.geb.empty() && !at.so.empty()) return "SO: " + at.so;
    return {};
  }
  if (has.e && !has.g) {
    if (!at.geb.empty() && !at.so.empty()) return "Geb: " + at.geb;
    if (at.geb.empty() && !at.so.empty()) return "SO: " + at.so;
    return {};
  }
  if (has.e && has.g && !at.so.empty()) return "SO: " + at.so;
  return {};
}

}  // namespace

std::string GTool::RNrByFormat(const std::string& stIniPath, const platform::Variant& stNormal,
                               const std::string& stB, const std::string& str, bool bSoNotwendig,
                               bool bGebNotwendig) const {
  Location at;
  frame::PassOver([&] {
    const std::string path = platform::CStr(stNormal);
    at = {ParaGib(path, "\\", 1), ParaGib(path, "\\", 2), ParaGib(path, "\\", 3)};
  });
  return frame::ReportLabelled<std::string>("GTool.RNrByFormat", [&](std::string& result) {
    const std::string read = GetIniString(stIniPath, "RNR", "Format", "");
    const PatternLetters has{Holds(read, 'R'), Holds(read, 'E'), Holds(read, 'G'), Holds(read, 'S')};
    if (read.empty() && !bSoNotwendig && !bGebNotwendig) {
      result = stB + at.et + "." + str;
      return;
    }
    const std::string pattern = CompletedPattern(read, bSoNotwendig, bGebNotwendig);
    result = LaidOut(platform::DecodeUtf8(pattern), at, stB, str);
    if (result.empty()) result = Fallback(has, at);
  });
}

}  // namespace tessera
