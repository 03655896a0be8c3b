// CDrawLine: a rubber-band line between two world points, drawn inverted into a picture control
// through the host's world-to-device transformation, so that drawing it again removes it.
//
// Init and CopyFrom pass over their failures; Draw ends quietly: a failure while taking the pen,
// reading the points, transforming or drawing goes straight to the restore of the pen, which
// always runs and whose own failure (for a `pb` that is not a picture control: 91) reaches the
// caller. Draw allocates nothing.
#pragma once

#include <cstdint>
#include <memory>

#include "tessera/draw/invert_pen.hpp"
#include "tessera/export.hpp"
#include "tessera/frame/companions/mensura/mens_rect.hpp"
#include "tessera/frame/companions/mensura/mens_trans.hpp"

namespace tessera {

class TESSERA_API CDrawLine : public platform::Object {
 public:
  using PointRef = std::shared_ptr<mensura::MensPoint>;

  CDrawLine();
  std::string_view TypeName() const noexcept override { return "CDrawLine"; }

  PointRef m_P0() const { return p0_; }
  void m_P0(PointRef point) { p0_ = std::move(point); }
  PointRef m_P1() const { return p1_; }
  void m_P1(PointRef point) { p1_ = std::move(point); }
  bool m_bDraw() const { return draw_; }
  void m_bDraw(bool draw) { draw_ = draw; }

  void Init();
  void CopyFrom(const std::shared_ptr<CDrawLine>& o);
  void Draw(const platform::ObjectRef& pb, const std::shared_ptr<mensura::MensTrans>& Trans);

 private:
  PointRef p0_;
  PointRef p1_;
  bool draw_ = true;
  InvertPen pen_;
  int32_t m_lX0 = 0, m_lY0 = 0, m_lX1 = 0, m_lY1 = 0;
};

}  // namespace tessera
