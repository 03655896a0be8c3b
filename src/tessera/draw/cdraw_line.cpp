#include "tessera/draw/cdraw_line.hpp"

#include "tessera/draw/reset_or_create.hpp"
#include "tessera/frame/errors/error_styles.hpp"
#include "tessera/frame/shared/shared_objects.hpp"

namespace tessera {

CDrawLine::CDrawLine() {
  frame::EnsureSharedResbankStrings();
  Init();
}

void CDrawLine::Init() {
  frame::PassOver([&] { pen_.m_pb.reset(); }, [&] { draw_ = true; }, [&] { ResetOrCreate(p0_); },
                  [&] { ResetOrCreate(p1_); });
}

void CDrawLine::CopyFrom(const std::shared_ptr<CDrawLine>& o) {
  frame::PassOver([&] { Checked(p0_).CopyFrom(Checked(Checked(o).p0_)); },
                  [&] { Checked(p1_).CopyFrom(Checked(Checked(o).p1_)); });
}

void CDrawLine::Draw(const platform::ObjectRef& pb, const std::shared_ptr<mensura::MensTrans>& Trans) {
  if (!draw_) return;
  frame::EndQuietly([&] {
    pen_.TakeControl(pb);
    pen_.SaveAndInvert();
    m_lX0 = Checked(p0_).X();
    m_lY0 = p0_->Y();
    m_lX1 = Checked(p1_).X();
    m_lY1 = p1_->Y();
    Checked(Trans).TransformPoint(m_lX0, m_lY0);
    Trans->TransformPoint(m_lX1, m_lY1);
    pen_.m_pb->Line(static_cast<float>(m_lX0), static_cast<float>(m_lY0), static_cast<float>(m_lX1),
                    static_cast<float>(m_lY1));
  });
  pen_.Restore();
}

}  // namespace tessera
