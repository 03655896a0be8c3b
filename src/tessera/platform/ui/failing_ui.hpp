// A forwarding UI service that can make any of its calls fail on demand, so that the failure path
// of every member that uses the UI can be tested.
#pragma once

#include <map>
#include <memory>

#include "tessera/platform/ui/ui_services.hpp"

namespace tessera::platform {

enum class UiCall {
  kMessageBox,
  kProcessPendingMessages,
  kMousePointer,
  kSetMousePointer,
  kShowFileOpen,
  kBeep
};

class FailingUi : public UiServices {
 public:
  explicit FailingUi(std::shared_ptr<UiServices> inner);

  // The next `times` calls of `call` raise run-time error `number` instead of forwarding.
  void Fail(UiCall call, int32_t number, int times = 1);

  int32_t MessageBox(std::string_view text, int32_t style, std::string_view title) override;
  void ProcessPendingMessages() override;
  int16_t MousePointer() const override;
  void SetMousePointer(int16_t pointer) override;
  std::string ShowFileOpen(const FileOpenRequest& request) override;
  void Beep() override;

 private:
  struct Failure {
    int32_t number = 0;
    int times = 0;
  };
  void FailIfArmed(UiCall call) const;

  std::shared_ptr<UiServices> inner_;
  mutable std::map<UiCall, Failure> failures_;
};

}  // namespace tessera::platform
