// GTool's members on settings files.
#include <memory>
#include <string>
#include <vector>

#include "tessera/frame/errors/error_styles.hpp"
#include "tessera/platform/profile/profile.hpp"
#include "tessera/platform/runtime/codepage.hpp"
#include "tessera/platform/runtime/convert.hpp"
#include "tessera/platform/runtime/file_system.hpp"
#include "tessera/platform/runtime/strings.hpp"
#include "tessera/tool/gtool.hpp"
#include "tessera/tool/ini_values.hpp"

namespace tessera {

namespace {

constexpr uint32_t kBufferSize = 2048;
const std::string kNul(1, '\0');

// Library text as the ANSI bytes the profile calls take. A NUL would silently end the C string
// there, so it is refused.
std::string AnsiArgument(const std::string& text) {
  if (text.find('\0') != std::string::npos) {
    platform::Raise(platform::err::kInvalidProcedureCall, "A name or value must not contain a NUL character");
  }
  return platform::ToAnsi(text);
}

// A buffer of spaces, as the calls are handed one.
std::string SpaceBuffer() {
  return std::string(kBufferSize, ' ');
}

void RemoveAll(platform::Collection& coll) {
  while (coll.Count() >= 1) coll.Remove(1);
}

}  // namespace

std::string GTool::GetIniString(const std::string& stIniPath, const std::string& stTopic,
                                const std::string& stItem, const std::string& stDefault) const {
  std::string result = stDefault;
  frame::ReportPlain([&] {
    const std::string file = AnsiArgument(stIniPath);
    std::string buffer = SpaceBuffer();
    const uint32_t copied = platform::GetPrivateProfileStringA(
        AnsiArgument(stTopic).c_str(), AnsiArgument(stItem).c_str(), AnsiArgument(stDefault).c_str(),
        buffer.data(), kBufferSize, file.c_str());
    if (copied > 0) result = platform::FromAnsi(std::string_view(buffer).substr(0, copied));
  });
  return result;
}

void GTool::WriteIniString(const std::string& stIniPath, const std::string& stTopic,
                           const std::string& stItem, const std::string& stString) const {
  frame::ReportPlain([&] {
    if (stItem.empty() || stTopic.empty()) return;
    platform::WritePrivateProfileStringA(AnsiArgument(stTopic).c_str(), AnsiArgument(stItem).c_str(),
                                         AnsiArgument(stString).c_str(), AnsiArgument(stIniPath).c_str());
  });
}

void WriteIniValues(const std::string& stIniPath, const std::string& stTopic, const IniValues& values) {
  IniValues ansi;
  ansi.reserve(values.size());
  for (const auto& [key, value] : values) ansi.emplace_back(AnsiArgument(key), AnsiArgument(value));
  platform::WriteProfileValues(AnsiArgument(stTopic), ansi, AnsiArgument(stIniPath));
}

bool GTool::GetIniSection(const std::string& stIniPath, const std::string& stTopic,
                          std::shared_ptr<platform::Collection>& coll) const {
  return frame::ReportPlain<bool>([&](bool& result) {
    if (stTopic.empty()) return;
    if (!coll) coll = std::make_shared<platform::Collection>();
    std::string buffer = SpaceBuffer();
    const uint32_t copied = platform::GetPrivateProfileSectionA(AnsiArgument(stTopic).c_str(), buffer.data(),
                                                                kBufferSize, AnsiArgument(stIniPath).c_str());
    // The whole buffer is split, spaces after the list included; its last piece is never read.
    const std::string text = platform::FromAnsi(buffer);
    const int16_t pieces = SharedGTool().ParaAnz(text, kNul);
    if (copied == 0 || pieces - 1 < 1) {
      result = true;  // nothing to read: the collection stays as it was
      return;
    }
    RemoveAll(*coll);
    for (int16_t i = 1; i <= pieces - 1; ++i) {
      const std::string line = SharedGTool().ParaGib(text, kNul, i);
      if (!line.empty()) coll->Add(platform::Variant(line), SharedGTool().ParaGib(line, "=", 1));
    }
    result = true;  // a duplicate key fails before this, and the read answers false
  });
}

void GTool::WriteIniSection(const std::string& stIniPath, const std::string& stTopic,
                            std::shared_ptr<platform::Collection> coll) const {
  frame::ReportPlain([&] {
    if (stTopic.empty() || !coll || coll->Count() < 1) return;
    std::string lines;
    for (int32_t i = 1; i <= coll->Count(); ++i) lines += AnsiArgument(platform::CStr(coll->Item(i))) + kNul;
    lines += kNul;
    platform::WritePrivateProfileSectionA(AnsiArgument(stTopic).c_str(), lines.c_str(),
                                          AnsiArgument(stIniPath).c_str());
  });
}

void GTool::GetIniTopics(const std::string& stIniPath, std::shared_ptr<platform::Collection> Topics) const {
  frame::ReportLabelled("GTool.GetIniTopics", [&] {
    for (const std::string& line : platform::ReadAnsiTextLines(stIniPath)) {
      const std::string trimmed = platform::Trim(line);
      if (!trimmed.starts_with('[') || !trimmed.ends_with(']')) continue;
      if (!Topics) platform::Raise(platform::err::kObjectNotSet);
      Topics->Add(platform::Variant(trimmed), "$" + trimmed);
    }
  });
}

}  // namespace tessera
