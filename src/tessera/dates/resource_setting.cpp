#include "tessera/dates/resource_setting.hpp"

#include "tessera/frame/shared/shared_objects.hpp"

namespace tessera {

std::string ResourceSetting(int32_t id) {
  const auto strings = frame::SharedResbankStringsIfAny();
  return strings ? strings->GetText(id) : std::string();
}

}  // namespace tessera
