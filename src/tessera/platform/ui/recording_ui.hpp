// A headless UI that remembers every call, for tests: the message boxes shown (and answers
// scripted per box), the pointer values set, the file dialogs opened and how often pending
// messages were processed. Nothing is written anywhere.
#pragma once

#include <deque>
#include <vector>

#include "tessera/export.hpp"
#include "tessera/platform/ui/headless_ui.hpp"

namespace tessera::platform {

struct TESSERA_API MessageBoxCall {
  std::string text;
  int32_t style = 0;
  std::string title;
  bool operator==(const MessageBoxCall&) const = default;
};

class TESSERA_API RecordingUi : public HeadlessUi {
 public:
  RecordingUi();

  int32_t MessageBox(std::string_view text, int32_t style, std::string_view title) override;
  void ProcessPendingMessages() override;
  void SetMousePointer(int16_t pointer) override;
  std::string ShowFileOpen(const FileOpenRequest& request) override;
  void Beep() override { ++beeps_; }

  // The answer of the next message box; unscripted boxes answer their default button.
  void ScriptAnswer(int32_t answer);

  const std::vector<MessageBoxCall>& message_boxes() const { return message_boxes_; }
  const std::vector<int16_t>& pointers() const { return pointers_; }
  const std::vector<FileOpenRequest>& file_dialogs() const { return file_dialogs_; }
  int pending_message_rounds() const { return pending_message_rounds_; }
  int beeps() const { return beeps_; }

 private:
  std::vector<MessageBoxCall> message_boxes_;
  std::deque<int32_t> answers_;
  std::vector<int16_t> pointers_;
  std::vector<FileOpenRequest> file_dialogs_;
  int pending_message_rounds_ = 0;
  int beeps_ = 0;
};

}  // namespace tessera::platform
