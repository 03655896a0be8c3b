// The host's date value: an OLE Automation date, days since 30 December 1899 with the time of
// day as the fraction (-1.25 is 29 December 1899, 06:00).
//
// A distinct type so that a date never passes silently for a double. It holds any double; the
// zero date, value 0, is what date-building operations return when they cannot build a date.
// Building dates from text and writing them as text (CDate, IsDate, the locale's date forms)
// live beside it in their own files, not here.
#pragma once

#include <compare>

#include "tessera/export.hpp"

namespace tessera::platform {

class TESSERA_API Date {
 public:
  constexpr Date() = default;
  constexpr explicit Date(double serial) : serial_(serial) {}

  // The OLE Automation serial number of the date.
  constexpr double serial() const noexcept { return serial_; }

  // Dates compare by serial number, as the host compares them (before 1899 that is not the
  // order of the moments: the fraction still counts forward from the day).
  friend constexpr auto operator<=>(Date a, Date b) noexcept = default;

 private:
  double serial_ = 0.0;
};

}  // namespace tessera::platform
