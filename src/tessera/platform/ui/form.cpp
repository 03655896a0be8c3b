#include "tessera/platform/ui/form.hpp"

#include <algorithm>
#include <atomic>

namespace tessera::platform {

namespace {

std::shared_ptr<FormObserver>& InstalledObserver() {
  static std::shared_ptr<FormObserver> observer;
  return observer;
}

int32_t NextWindowHandle() {
  static std::atomic<int32_t> next{0x10000};
  return next += 4;
}

}  // namespace

void SetFormObserver(std::shared_ptr<FormObserver> observer) {
  InstalledObserver() = std::move(observer);
}

Form::Form(std::string caption, TwipsRect client)
    : caption_(std::move(caption)), position_(client), handle_(NextWindowHandle()) {}

Control* Form::Find(std::string_view name) const {
  const auto found = std::find_if(controls_.begin(), controls_.end(),
                                  [&](const Control* control) { return control->Name() == name; });
  return found == controls_.end() ? nullptr : *found;
}

void Form::Show() {
  loaded_ = true;
  visible_ = true;
  Activate();
}

void Form::Activate() {
  if (loaded_ && OnActivate) OnActivate();
}

void Form::Unload() {
  if (!loaded_) return;
  loaded_ = false;
  visible_ = false;
  if (OnUnload) OnUnload();
}

void Form::PressKey(FormKey key) {
  for (Control* control : controls_) {
    auto* button = dynamic_cast<Button*>(control);
    if (button == nullptr) continue;
    if ((key == FormKey::kEnter && button->Default) || (key == FormKey::kEscape && button->Cancel)) {
      button->Click();
      return;
    }
  }
}

void Form::SetWindowPos(int32_t insert_after, int32_t x, int32_t y, int32_t cx, int32_t cy, uint32_t flags) {
  if (insert_after == HWND_TOPMOST) topmost_ = true;
  if ((flags & SWP_NOMOVE) == 0) {
    position_.left = x * kScreenTwipsPerPixel;
    position_.top = y * kScreenTwipsPerPixel;
  }
  if ((flags & SWP_NOSIZE) == 0) {
    position_.width = cx * kScreenTwipsPerPixel;
    position_.height = cy * kScreenTwipsPerPixel;
  }
}

void Form::Notify(std::string_view event, const EventArgs& args) const {
  if (const auto observer = InstalledObserver()) observer->EventRaised(*this, event, args);
}

}  // namespace tessera::platform
