// A toolkit-neutral form: caption, its controls by name, loading, modeless showing, activation,
// unloading and the window placement of SetWindowPos, in twips.
//
// Unloading is never refused: by a button, by the close box or by the owner, it runs OnUnload
// once and leaves the form unloaded; a second unload does nothing. The form does not own its
// controls: the class that declares them (frmTrans ...) registers each with Add.
//
// Whoever shows forms to a person, or records them, may install one FormObserver for the whole
// library; a form reports through it each event it raises to its owner, before the owner
// handles it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tessera/export.hpp"
#include "tessera/platform/runtime/variant.hpp"
#include "tessera/platform/ui/form_controls.hpp"

namespace tessera::platform {

// The Windows SetWindowPos values the library passes.
inline constexpr int32_t HWND_TOPMOST = -1;
inline constexpr uint32_t SWP_NOSIZE = 1;
inline constexpr uint32_t SWP_NOMOVE = 2;

// The headless screen's resolution, as Screen.TwipsPerPixelX and Y answer it.
inline constexpr int32_t kScreenTwipsPerPixel = 15;

enum class FormKey { kEnter, kEscape };

using EventArgs = std::vector<std::pair<std::string, Variant>>;

class Form;

class TESSERA_API FormObserver {
 public:
  virtual ~FormObserver() = default;
  virtual void EventRaised(const Form& form, std::string_view event, const EventArgs& args) = 0;
};

// Installs `observer` for every form (nullptr removes it).
TESSERA_API void SetFormObserver(std::shared_ptr<FormObserver> observer);

class TESSERA_API Form {
 public:
  // `client` is the client area: its left and top are where the window starts.
  Form(std::string caption, TwipsRect client);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& Caption() const { return caption_; }
  void Caption(std::string caption) { caption_ = std::move(caption); }
  const TwipsRect& Position() const { return position_; }
  bool Topmost() const { return topmost_; }
  bool Loaded() const { return loaded_; }
  bool Visible() const { return visible_; }
  // A handle for the window calls; never 0.
  int32_t hWnd() const { return handle_; }

  void Add(Control& control) { controls_.push_back(&control); }
  const std::vector<Control*>& Controls() const { return controls_; }
  // The control with this name, nullptr when the form has none.
  Control* Find(std::string_view name) const;

  void Load() { loaded_ = true; }
  // Shows the window modeless, without an owner, and activates it.
  void Show();
  // The window becomes the active one: OnActivate runs.
  void Activate();
  void Unload();
  // Enter clicks the default button, Esc the cancel button (when they are enabled).
  void PressKey(FormKey key);
  // As the Windows call: HWND_TOPMOST makes the window topmost; without SWP_NOMOVE it moves to
  // (x, y) screen pixels, without SWP_NOSIZE it takes the size (cx, cy).
  void SetWindowPos(int32_t insert_after, int32_t x, int32_t y, int32_t cx, int32_t cy, uint32_t flags);

  // Tells the installed observer that the form raises `event` to its owner.
  void Notify(std::string_view event, const EventArgs& args) const;

  std::function<void()> OnActivate;
  std::function<void()> OnUnload;

 private:
  std::string caption_;
  TwipsRect position_;
  bool topmost_ = false;
  bool loaded_ = false;
  bool visible_ = false;
  int32_t handle_;
  std::vector<Control*> controls_;
};

}  // namespace tessera::platform
