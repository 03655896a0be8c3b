#include "chosen_file.hpp"

#include "tessera/platform/ui/ui_services.hpp"

namespace tessera::viewer {

class ChosenFile::Noting final : public platform::UiServices {
 public:
  explicit Noting(std::shared_ptr<platform::UiServices> services) : services_(std::move(services)) {}

  int32_t MessageBox(std::string_view text, int32_t style, std::string_view title) override {
    return services_->MessageBox(text, style, title);
  }
  void ProcessPendingMessages() override { services_->ProcessPendingMessages(); }
  int16_t MousePointer() const override { return services_->MousePointer(); }
  void SetMousePointer(int16_t pointer) override { services_->SetMousePointer(pointer); }
  std::string ShowFileOpen(const platform::FileOpenRequest& request) override {
    chosen = services_->ShowFileOpen(request);
    return chosen;
  }
  void Beep() override { services_->Beep(); }

  std::string chosen;

 private:
  std::shared_ptr<platform::UiServices> services_;
};

ChosenFile::ChosenFile()
    : noting_(std::make_shared<Noting>(platform::CurrentUiServices())), scoped_(noting_) {}

const std::string& ChosenFile::file() const {
  return noting_->chosen;
}

}  // namespace tessera::viewer
