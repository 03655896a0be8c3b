// The events a raster background raises to its host, each with an empty default: a host derives,
// overrides what it wants and attaches its sink to the object's events().
#pragma once

#include <memory>

#include "tessera/export.hpp"
#include "tessera/frame/companions/mensura/mens_trans.hpp"
#include "tessera/platform/runtime/object.hpp"

namespace tessera {

struct TESSERA_API RasterEvents {
  virtual ~RasterEvents() = default;
  // The transformation was changed by the dialog or by mouse input.
  virtual void TransChanged() {}
  // Interactive editing has ended; `bSaved` when the new placement was accepted and stored.
  virtual void TransEnd(bool /*bSaved*/) {}
  // The object asks for the control that shows the floor and the world-to-device transformation,
  // to erase its rubber band; the host fills both or leaves them empty.
  virtual void GetPbAndTrans(platform::ObjectRef& /*PictBox*/,
                             std::shared_ptr<mensura::MensTrans>& /*Trans*/) {}
};

// The events interfaces of the two raster classes: the same events, one interface each.
struct TESSERA_API CRasterBgrdEvents : RasterEvents {};
struct TESSERA_API CRasterBgrdSoEvents : RasterEvents {};

}  // namespace tessera
