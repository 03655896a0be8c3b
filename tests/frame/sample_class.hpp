// A small class with one member of each shape the library's classes use, and its table.
#pragma once

#include <string>
#include <string_view>

#include "tessera/frame/dispatch/dispatch_table.hpp"

namespace tessera::frame::testing {

using platform::Variant;

// A small class with one member of each shape the library's classes use.
class Sample : public platform::Object {
 public:
  std::string_view TypeName() const noexcept override { return "Sample"; }

  std::string Repeat(const std::string& text, int16_t times) const {
    std::string out;
    for (int16_t i = 0; i < times; ++i) out += text;
    return out;
  }
  void Split(int32_t colour, int16_t& red, int16_t& green) {
    red = static_cast<int16_t>(colour & 0xFF);
    green = static_cast<int16_t>((colour >> 8) & 0xFF);
  }
  std::string Find(const std::string& text, Variant& position) {
    last_position = position;
    if (!position.IsMissing()) position = Variant(static_cast<int32_t>(text.size()));
    return text;
  }
  bool Flag(bool on) const { return on; }
  int32_t Width() const { return width; }
  void SetWidth(int32_t value) { width = value; }

  int32_t width = 3;
  Variant last_position;
};

inline const DispatchTable& SampleTable() {
  // "Later" has a slot but no row yet; rows may be written in any order.
  static const DispatchTable table("Sample", {"Repeat", "Split", "Later", "Find", "Flag", "Width"},
                                   {
                                       Method<&Sample::Repeat>("Repeat", {"text", "times"}),
                                       PropertyGet<&Sample::Width>("Width"),
                                       PropertyPut<&Sample::SetWidth>("Width", {"value"}),
                                       Method<&Sample::Split>("Split", {"colour", "red", "green"}),
                                       Method<&Sample::Find>("Find", {"text", Optional("position")}),
                                       Method<&Sample::Flag>("Flag", {Optional("on")}),
                                   });
  return table;
}

}  // namespace tessera::frame::testing
