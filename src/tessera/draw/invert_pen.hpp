// The pen discipline of the rubber-band objects: take the host's control, save its pen, draw with
// the inverting pen and put the saved pen back, so that drawing a figure twice erases it.
#pragma once

#include <cstdint>
#include <memory>

#include "tessera/export.hpp"
#include "tessera/platform/runtime/object.hpp"
#include "tessera/platform/surface/picture_control.hpp"

namespace tessera {

struct TESSERA_API InvertPen {
  // `pb` as a picture control: 91 for none, 13 for another kind of object.
  void TakeControl(const platform::ObjectRef& pb);
  // Saves draw mode, width, colour and style, in this order, then sets mode 6, width 1, colour 0
  // and style 0 in the same order.
  void SaveAndInvert();
  // Puts the saved pen back in the same order and lets go of the control; 91 when no control was
  // taken.
  void Restore();

  std::shared_ptr<platform::PictureControl> m_pb;
  int16_t m_iDrawMode = 0;
  int16_t m_iDrawWidth = 0;
  int32_t m_lForeColor = 0;
  int16_t m_iDrawStyle = 0;
};

}  // namespace tessera
