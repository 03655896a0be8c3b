// GTool: the library's global utility class.
//
// GTool holds no data: every member works only on its arguments, the files it is given and the
// shared objects, so the host's implicit instance, any object it creates and the library's own
// shared instance all give the same results. The members arrive with their areas (strings, file
// names, settings files, room numbers, dates, raster factories).
#pragma once

#include <memory>
#include <string_view>

#include "tessera/platform/runtime/object.hpp"

namespace tessera {

class GTool : public platform::Object {
 public:
  // Makes sure that the shared ResbankStrings object exists; nothing else.
  GTool();

  std::string_view TypeName() const noexcept override { return "GTool"; }
};

// The instance through which the host calls GTool without creating an object.
GTool& ImplicitGTool();

// The library's own instance, distinct from the implicit one, through which other classes (and
// some GTool members) call GTool. Created on first call, kept until ReleaseSharedGTool.
GTool& SharedGTool();

// Drops both instances, as unloading the library does.
void ReleaseGToolInstances();

}  // namespace tessera
