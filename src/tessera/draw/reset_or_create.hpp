// What the drawing objects do with the geometry objects they own.
#pragma once

#include <memory>

#include "tessera/platform/runtime/error.hpp"

namespace tessera {

// Resets the object in place, so that other holders see the reset, or creates it when empty.
template <typename T>
void ResetOrCreate(std::shared_ptr<T>& object) {
  if (object) {
    object->Init();
  } else {
    object = std::make_shared<T>();
  }
}

// The object behind a reference; 91 when the reference is empty.
template <typename T>
T& Checked(const std::shared_ptr<T>& object) {
  if (!object) platform::Raise(platform::err::kObjectNotSet);
  return *object;
}

}  // namespace tessera
