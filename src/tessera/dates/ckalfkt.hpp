// CKalFKt: the global calendar class (calendar weeks and the days around them).
//
// Unlike every other class of the library, creating a CKalFKt does nothing at all: it does not
// create the shared ResbankStrings object and relies on an earlier creation where it needs texts.
#pragma once

#include <string_view>

#include "tessera/export.hpp"
#include "tessera/platform/runtime/object.hpp"

namespace tessera {

class TESSERA_API CKalFKt : public platform::Object {
 public:
  std::string_view TypeName() const noexcept override { return "CKalFKt"; }
};

// The instance through which the host calls CKalFKt without creating an object.
TESSERA_API CKalFKt& ImplicitCKalFKt();

}  // namespace tessera
