#include "tessera/draw/cdraw_rect.hpp"

#include "tessera/draw/reset_or_create.hpp"
#include "tessera/frame/errors/error_styles.hpp"
#include "tessera/frame/shared/shared_objects.hpp"

namespace tessera {

CDrawRect::CDrawRect() {
  frame::EnsureSharedResbankStrings();
  Init();
}

void CDrawRect::Init() {
  frame::PassOver([&] { pen_.m_pb.reset(); }, [&] { ResetOrCreate(rect_); });
}

void CDrawRect::CopyFrom(const std::shared_ptr<CDrawRect>& o) {
  frame::PassOver([&] { Checked(rect_).CopyFrom(Checked(Checked(o).rect_)); });
}

void CDrawRect::Draw(const platform::ObjectRef& pb) {
  frame::EndQuietly([&] {
    pen_.TakeControl(pb);
    pen_.SaveAndInvert();
    const mensura::MensRect& rect = Checked(rect_);
    pen_.m_pb->Line(static_cast<float>(rect.Left()), static_cast<float>(rect.Top()),
                    static_cast<float>(rect.Right()), static_cast<float>(rect.Bottom()),
                    platform::LineShape::kBox);
  });
  pen_.Restore();
}

}  // namespace tessera
