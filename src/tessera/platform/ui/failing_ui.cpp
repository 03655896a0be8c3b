#include "tessera/platform/ui/failing_ui.hpp"

#include <utility>

#include "tessera/platform/runtime/error.hpp"

namespace tessera::platform {

FailingUi::FailingUi(std::shared_ptr<UiServices> inner) : inner_(std::move(inner)) {}

void FailingUi::Fail(UiCall call, int32_t number, int times) {
  failures_[call] = {number, times};
}

void FailingUi::FailIfArmed(UiCall call) const {
  const auto found = failures_.find(call);
  if (found == failures_.end() || found->second.times <= 0) return;
  --found->second.times;
  Raise(found->second.number);
}

int32_t FailingUi::MessageBox(std::string_view text, int32_t style, std::string_view title) {
  FailIfArmed(UiCall::kMessageBox);
  return inner_->MessageBox(text, style, title);
}

void FailingUi::ProcessPendingMessages() {
  FailIfArmed(UiCall::kProcessPendingMessages);
  inner_->ProcessPendingMessages();
}

int16_t FailingUi::MousePointer() const {
  FailIfArmed(UiCall::kMousePointer);
  return inner_->MousePointer();
}

void FailingUi::SetMousePointer(int16_t pointer) {
  FailIfArmed(UiCall::kSetMousePointer);
  inner_->SetMousePointer(pointer);
}

std::string FailingUi::ShowFileOpen(const FileOpenRequest& request) {
  FailIfArmed(UiCall::kShowFileOpen);
  return inner_->ShowFileOpen(request);
}

void FailingUi::Beep() {
  FailIfArmed(UiCall::kBeep);
  inner_->Beep();
}

}  // namespace tessera::platform
