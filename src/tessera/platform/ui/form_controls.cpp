#include "tessera/platform/ui/form_controls.hpp"

#include <algorithm>

#include "tessera/platform/runtime/codepage.hpp"
#include "tessera/platform/runtime/error.hpp"
#include "tessera/platform/runtime/strings.hpp"

namespace tessera::platform {

namespace {

std::string Utf8(int32_t code) {
  std::string text;
  AppendUtf8(text, static_cast<char32_t>(code));
  return text;
}

void RaiseUnlessPage(int16_t page) {
  if (page != 0 && page != 1) Raise(err::kInvalidPropertyValue);
}

}  // namespace

// The caret is placed before Change runs, so that a handler sees the field as the user does.
void TextField::Text(std::string text) {
  const bool changed = text != text_;
  text_ = std::move(text);
  caret_ = 0;
  caret_byte_ = 0;
  selected_ = 0;
  Changed(changed);
}

void TextField::SelStart(int32_t position) {
  if (position < 0) Raise(err::kInvalidPropertyValue);
  caret_ = std::min(position, Len(text_));
  caret_byte_ = Left(text_, caret_).size();
  selected_ = 0;
}

void TextField::SelLength(int32_t length) {
  if (length < 0) Raise(err::kInvalidPropertyValue);
  selected_ = std::min(length, Len(text_) - caret_);
}

void TextField::TypeKey(int32_t code) {
  if (!Enabled()) return;
  if (KeyPress) KeyPress(code);
  if (code == 0) return;
  if (code != kKeyBack) return Splice(caret_byte_, SelectionEnd(0), Utf8(code), caret_ + 1);
  if (selected_ > 0) return Splice(caret_byte_, SelectionEnd(0), {}, caret_);
  if (caret_ > 0) Splice(PreviousCodePointStart(text_, caret_byte_), caret_byte_, {}, caret_ - 1);
}

void TextField::PressDelete() {
  if (!Enabled()) return;
  Splice(caret_byte_, SelectionEnd(1), {}, caret_);
}

std::size_t TextField::SelectionEnd(int32_t characters) const {
  std::size_t end = caret_byte_;
  for (int32_t n = selected_ > 0 ? selected_ : characters; n > 0 && end < text_.size(); --n)
    NextCodePoint(text_, end);
  return end;
}

void TextField::Splice(std::size_t begin, std::size_t end, const std::string& insert, int32_t caret) {
  const bool changed = text_.compare(begin, end - begin, insert) != 0;
  text_.replace(begin, end - begin, insert);
  caret_ = caret;
  caret_byte_ = begin + insert.size();
  selected_ = 0;
  Changed(changed);
}

void TextField::Changed(bool changed) {
  if (changed && Change) Change();
}

void Button::Click() {
  if (Enabled() && OnClick) OnClick();
}

void CheckBox::Click() {
  if (!Enabled()) return;
  value_ = value_ == 1 ? 0 : 1;
  if (OnClick) OnClick();
}

void TabControl::Tab(int16_t page) {
  RaiseUnlessPage(page);
  const int16_t previous = current_;
  if (page == previous) return;
  current_ = page;
  if (Change) Change(previous);
}

void TabControl::ClickTab(int16_t page) {
  if (Enabled()) Tab(page);
}

const std::string& TabControl::TabCaption(int16_t page) const {
  RaiseUnlessPage(page);
  return captions_[static_cast<std::size_t>(page)];
}

void TabControl::TabCaption(int16_t page, std::string caption) {
  RaiseUnlessPage(page);
  captions_[static_cast<std::size_t>(page)] = std::move(caption);
}

}  // namespace tessera::platform
