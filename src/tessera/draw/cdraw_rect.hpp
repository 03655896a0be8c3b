// CDrawRect: a rubber-band box, its corners in the picture control's own units, drawn inverted so
// that drawing it again removes it.
//
// Init and CopyFrom pass over their failures; Draw ends quietly with the restore of the pen, which
// always runs and whose own failure (for a `pb` that is not a picture control: 91) reaches the
// caller.
#pragma once

#include <memory>

#include "tessera/draw/invert_pen.hpp"
#include "tessera/export.hpp"
#include "tessera/frame/companions/mensura/mens_rect.hpp"

namespace tessera {

class TESSERA_API CDrawRect : public platform::Object {
 public:
  using RectRef = std::shared_ptr<mensura::MensRect>;

  CDrawRect();
  std::string_view TypeName() const noexcept override { return "CDrawRect"; }

  RectRef m_Rect() const { return rect_; }
  void m_Rect(RectRef rect) { rect_ = std::move(rect); }

  void Init();
  void CopyFrom(const std::shared_ptr<CDrawRect>& o);
  void Draw(const platform::ObjectRef& pb);

 private:
  RectRef rect_;
  InvertPen pen_;
};

}  // namespace tessera
