#include "tessera/platform/ui/recording_ui.hpp"

#include <ostream>

namespace tessera::platform {
namespace {

// Recorded boxes are not written; a stream without a buffer discards what it is given.
std::ostream& DiscardingStream() {
  static std::ostream discarded(nullptr);
  return discarded;
}

}  // namespace

RecordingUi::RecordingUi() : HeadlessUi(DiscardingStream()) {}

int32_t RecordingUi::MessageBox(std::string_view text, int32_t style, std::string_view title) {
  message_boxes_.push_back({std::string(text), style, std::string(title)});
  if (answers_.empty()) return DefaultAnswer(style);
  const int32_t answer = answers_.front();
  answers_.pop_front();
  return answer;
}

void RecordingUi::ProcessPendingMessages() {
  ++pending_message_rounds_;
  HeadlessUi::ProcessPendingMessages();
}

void RecordingUi::SetMousePointer(int16_t pointer) {
  pointers_.push_back(pointer);
  HeadlessUi::SetMousePointer(pointer);
}

std::string RecordingUi::ShowFileOpen(const FileOpenRequest& request) {
  file_dialogs_.push_back(request);
  return HeadlessUi::ShowFileOpen(request);
}

void RecordingUi::ScriptAnswer(int32_t answer) {
  answers_.push_back(answer);
}

}  // namespace tessera::platform
