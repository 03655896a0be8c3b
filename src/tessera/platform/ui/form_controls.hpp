// The controls of a toolkit-neutral form: text field, button, check box, label and a two-page tab
// control. A view (headless, recorded, a widget toolkit) drives them with the user's input
// (TypeKey, Click, ClickTab) and mirrors their state; the program sets their properties.
//
// Input to a disabled control does nothing. A program's write of a property does what the user's
// input would do to it: a changed text runs the field's Change handler, a changed page the tab
// control's Change handler. Handlers run synchronously and may call back into the form.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "tessera/export.hpp"

namespace tessera::platform {

// A control's place on its form (or, for a control on a tab page, on the tab control), in twips.
struct TESSERA_API TwipsRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
};

class TESSERA_API Control {
 public:
  Control(std::string name, TwipsRect position) : name_(std::move(name)), position_(position) {}
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  // "edDx", or "Label(4)" for an element of a control array.
  const std::string& Name() const { return name_; }
  const TwipsRect& Position() const { return position_; }
  bool Enabled() const { return enabled_; }
  void Enabled(bool enabled) { enabled_ = enabled; }

 private:
  std::string name_;
  TwipsRect position_;
  bool enabled_ = true;
};

// The character code of the backspace key, which a text field treats specially.
inline constexpr int32_t kKeyBack = 8;

class TESSERA_API TextField : public Control {
 public:
  using Control::Control;

  const std::string& Text() const { return text_; }
  // The program's write: the caret goes to the start, and a changed text runs Change.
  void Text(std::string text);
  // The caret in characters, 0 to the text's length; a position beyond it is taken as the end.
  // Placing the caret clears the selection.
  int32_t SelStart() const { return caret_; }
  void SelStart(int32_t position);
  // The selection: SelLength characters from the caret, cut short at the text's end.
  int32_t SelLength() const { return selected_; }
  void SelLength(int32_t length);

  // One typed character: KeyPress sees its code first and may swallow it by setting it to 0,
  // which leaves text and selection as they were. A passed backspace deletes the selection, or
  // else the character before the caret; anything else replaces the selection, or is inserted at
  // the caret.
  void TypeKey(int32_t code);
  // The Delete key, which types no character and so passes no key filter: deletes the selection,
  // or else the character after the caret.
  void PressDelete();

  std::function<void(int32_t& key_ascii)> KeyPress;
  std::function<void()> Change;

 private:
  // Replaces the bytes [begin, end) by `insert` in place and puts the caret after it; typing
  // thus costs the same at any length of the text.
  void Splice(std::size_t begin, std::size_t end, const std::string& insert, int32_t caret);
  // The byte where the selection ends, or where the character after the caret ends.
  std::size_t SelectionEnd(int32_t characters) const;
  void Changed(bool changed);

  std::string text_;
  int32_t caret_ = 0;
  std::size_t caret_byte_ = 0;  // where caret_ is in text_
  int32_t selected_ = 0;
};

class TESSERA_API Label : public Control {
 public:
  Label(std::string name, TwipsRect position, std::string caption)
      : Control(std::move(name), position), caption_(std::move(caption)) {}
  const std::string& Caption() const { return caption_; }
  void Caption(std::string caption) { caption_ = std::move(caption); }

 private:
  std::string caption_;
};

// The form's Enter and Esc go to the button with the Default and the Cancel role.
class TESSERA_API Button : public Label {
 public:
  using Label::Label;
  bool Default = false;
  bool Cancel = false;
  void Click();
  std::function<void()> OnClick;
};

// Value 1 is checked, 0 unchecked; a click toggles the value, then runs OnClick.
class TESSERA_API CheckBox : public Label {
 public:
  CheckBox(std::string name, TwipsRect position, std::string caption, int16_t value)
      : Label(std::move(name), position, std::move(caption)), value_(value) {}
  int16_t Value() const { return value_; }
  void Click();
  std::function<void()> OnClick;

 private:
  int16_t value_;
};

// Two pages; a change of the current page, by the user or the program, reports the page that was
// current before.
class TESSERA_API TabControl : public Control {
 public:
  TabControl(std::string name, TwipsRect position, std::array<std::string, 2> captions, int16_t current)
      : Control(std::move(name), position), captions_(std::move(captions)), current_(current) {}

  int16_t Tab() const { return current_; }
  // Error 380 for a page other than 0 and 1.
  void Tab(int16_t page);
  void ClickTab(int16_t page);
  const std::string& TabCaption(int16_t page) const;
  void TabCaption(int16_t page, std::string caption);

  std::function<void(int16_t previous_tab)> Change;

 private:
  std::array<std::string, 2> captions_;
  int16_t current_;
};

}  // namespace tessera::platform
