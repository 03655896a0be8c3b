// The base of every object that can travel in a Variant or be passed as a host "object".
//
// Objects are shared: a reference is a std::shared_ptr<Object>, and "none" is nullptr. An object
// names its type for messages and for the host's TypeName. ObjectAs takes a generic reference as
// the wanted kind, failing the way the host runtime does.
#pragma once

#include <memory>
#include <string_view>

#include "tessera/export.hpp"
#include "tessera/platform/runtime/error.hpp"

namespace tessera::platform {

class TESSERA_API Object {
 public:
  virtual ~Object() = default;

  // The class name the host shows for the object ("Collection", "CRasterBgrd", ...).
  virtual std::string_view TypeName() const noexcept = 0;

 protected:
  Object() = default;
  Object(const Object&) = default;
  Object& operator=(const Object&) = default;
};

using ObjectRef = std::shared_ptr<Object>;

// `object` as a T: error 91 when it is none, 13 when it is an object of another kind.
template <typename T>
std::shared_ptr<T> ObjectAs(const ObjectRef& object) {
  if (!object) Raise(err::kObjectNotSet);
  auto wanted = std::dynamic_pointer_cast<T>(object);
  if (!wanted) Raise(err::kTypeMismatch);
  return wanted;
}

}  // namespace tessera::platform
