#include "tessera/platform/ui/headless_ui.hpp"

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <system_error>

#include "tessera/platform/runtime/codepage.hpp"
#include "tessera/platform/runtime/host_path.hpp"

namespace tessera::platform {
namespace {

// A JSON string of UTF-8 text; malformed bytes become U+FFFD so that the line stays valid.
void AppendJsonString(std::string& out, std::string_view text) {
  out += '"';
  for (std::size_t pos = 0; pos < text.size();) {
    const char32_t c = NextCodePoint(text, pos);
    switch (c) {
      case U'"':
        out += "\\\"";
        break;
      case U'\\':
        out += "\\\\";
        break;
      case U'\n':
        out += "\\n";
        break;
      case U'\r':
        out += "\\r";
        break;
      case U'\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
          out += escaped;
        } else {
          AppendUtf8(out, c);
        }
    }
  }
  out += '"';
}

bool Exists(std::string_view file_name) {
  std::error_code error;
  return std::filesystem::is_regular_file(ToHostPath(file_name), error);
}

}  // namespace

int32_t DefaultAnswer(int32_t style) {
  static constexpr int32_t kButtons[][3] = {
      {vbOK, vbOK, vbOK},      {vbOK, vbCancel, vbCancel}, {vbAbort, vbRetry, vbIgnore},
      {vbYes, vbNo, vbCancel}, {vbYes, vbNo, vbNo},        {vbRetry, vbCancel, vbCancel},
  };
  const int32_t set = style & 0x7;
  const int32_t focus = (style >> 8) & 0x3;
  if (set >= static_cast<int32_t>(std::size(kButtons)) || focus > 2) return vbOK;
  return kButtons[set][focus];
}

std::string MessageBoxJson(std::string_view text, int32_t style, std::string_view title) {
  std::string line = "{\"msgbox\":{\"text\":";
  AppendJsonString(line, text);
  line += ",\"style\":" + std::to_string(style) + ",\"title\":";
  AppendJsonString(line, title);
  line += "}}";
  return line;
}

HeadlessUi::HeadlessUi() : HeadlessUi(std::cerr) {}

HeadlessUi::HeadlessUi(std::ostream& log) : log_(log) {}

int32_t HeadlessUi::MessageBox(std::string_view text, int32_t style, std::string_view title) {
  log_ << MessageBoxJson(text, style, title) << '\n' << std::flush;
  return DefaultAnswer(style);
}

void HeadlessUi::Beep() {
  log_ << "{\"beep\":{}}\n" << std::flush;
}

void HeadlessUi::ProcessPendingMessages() {
  messages_.ProcessPending();
}

int16_t HeadlessUi::MousePointer() const {
  const std::lock_guard lock(mutex_);
  return pointer_;
}

void HeadlessUi::SetMousePointer(int16_t pointer) {
  const std::lock_guard lock(mutex_);
  pointer_ = pointer;
}

std::string HeadlessUi::ShowFileOpen(const FileOpenRequest& request) {
  std::string answer;
  {
    const std::lock_guard lock(mutex_);
    if (file_open_answers_.empty()) return {};
    answer = std::move(file_open_answers_.front());
    file_open_answers_.pop_front();
  }
  if ((request.flags & kFileMustExist) != 0 && !answer.empty() && !Exists(answer)) return {};
  return answer;
}

void HeadlessUi::ScriptFileOpen(std::string file_name) {
  const std::lock_guard lock(mutex_);
  file_open_answers_.push_back(std::move(file_name));
}

}  // namespace tessera::platform
